#pragma once

#include "launcher/startup/Services.h"

#include <QImage>

#include <string>

namespace launcher {

// What `--render-skin` draws: which section is current, whether the window
// is rolled up, which launch button the pointer rests on, the time the clock shows, the screen's
// device-pixel ratio and, when both are above zero, the size the picture is scaled to.
struct SkinRenderRequest {
    std::string skinFolder;
    std::string outputFile;
    int section = 1; // 1-based, as the user counts the section buttons
    int hover = 0;   // 1-based launch button under the pointer; 0 for none
    bool shaded = false;
    int scale = 1; // device pixels per skin pixel: 2 draws what a high-density screen shows
    int width = 0;
    int height = 0;
};

// Loads the skin in a throw-away program folder holding a small sample
// library and grabs the launcher's own window, so the picture is what the
// launcher shows rather than a second drawing of it. Returns a null image
// and fills `error` when the skin or the window cannot be brought up.
QImage RenderSkin(Services services, const SkinRenderRequest& request, std::string* error);

// `quorvex --render-skin DIR -o OUT.png [...] [--scale N]`: parses the options after
// "--render-skin", runs headless, writes the PNG. A skin that cannot load
// prints the `--check-skin` lines and gives 1; bad options give 2.
int RunSkinRender(int argc, char** argv);

} // namespace launcher
