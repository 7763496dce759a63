#include "launcher/skin/SkinLoaders.h"

#include "launcher/controls/PixelScale.h"
#include "launcher/controls/Twips.h"
#include "launcher/skin/SkinDefinitionReader.h"
#include "launcher/skin/SkinFileNames.h"
#include "launcher/skin/SkinPictures.h"
#include "launcher/skin/WindowPlacement.h"

#include <QFont>

namespace launcher {

using controls::kTwipsPerPixelX;
using controls::kTwipsPerPixelY;

namespace {

struct ActionButtonFiles {
    const char* keys[3];  // up, down, pointer over
    const char* files[3];
};

constexpr ActionButtonFiles kActionButtonFiles[kActionButtonCount] = {
    {{"ExitUp", "ExitDown", "ExitHover"}, {"Exit_up.bmp", "Exit_down.bmp", "Exit_hover.bmp"}},
    {{"SCUp", "SCDown", "SCHover"}, {"SC_up.bmp", "SC_down.bmp", "SC_hover.bmp"}},
    {{"SkinUp", "SkinDown", "SkinHover"}, {"sm_up.bmp", "sm_down.bmp", "sm_hover.bmp"}},
};

QColor toQColor(const RgbColor& color)
{
    return QColor(color.red, color.green, color.blue);
}

void placeWindow(const SkinInfoKeys& info, QSize screenPx, QWidget& form)
{
    const TwipsPoint current{static_cast<long>(form.x()) * kTwipsPerPixelX,
                             static_cast<long>(form.y()) * kTwipsPerPixelY};
    const TwipsPoint placed = PlaceWindow(info.positionX, info.positionY,
                                          static_cast<long>(screenPx.width()) * kTwipsPerPixelX,
                                          static_cast<long>(screenPx.height()) * kTwipsPerPixelY,
                                          static_cast<long>(form.width()) * kTwipsPerPixelX,
                                          static_cast<long>(form.height()) * kTwipsPerPixelY, current);
    form.move(controls::pixelsFromTwipsX(static_cast<double>(placed.left)),
              controls::pixelsFromTwipsY(static_cast<double>(placed.top)));
}

void loadActionButton(const SkinSource& source, int index, const ActionButtonKeys& keys,
                      controls::SkinPanel& panel, controls::ImageList& images, SkinLoadErrors& errors)
{
    const ActionButtonFiles& files = kActionButtonFiles[index];
    QPixmap up;
    for (int state = 0; state < 3; ++state) {
        const SkinPicture loaded = LoadSkinPicture(source.folder(), files.files[state], source.pictureScale);
        if (loaded.picture.isNull()) {
            errors.push_back(loaded.error);
            continue;
        }
        const QPixmap& picture = loaded.picture;
        images.add(files.keys[state], picture);
        if (state == 0)
            up = picture;
    }
    if (!keys.regionOnly)
        panel.setBackgroundPicture(images.picture(files.keys[0]));
    const QSize size = controls::logicalSize(up);
    panel.setGeometryTwips(keys.left * kTwipsPerPixelX, keys.top * kTwipsPerPixelY,
                           size.width() * kTwipsPerPixelX, size.height() * kTwipsPerPixelY);
    panel.setBackStyle(keys.transparency);
    panel.setMaskedBackground(keys.transparency);
    panel.show();
}

void setUpClock(const ClockKeys& clock, QLabel& label)
{
    label.setGeometry(clock.left, clock.top, clock.width, clock.height);
    if (!clock.hasClock()) {
        label.hide();
        return;
    }
    // Label alignment codes: 0 left, 1 right, 2 centred.
    const Qt::Alignment horizontal = clock.alignment == 1   ? Qt::AlignRight
                                     : clock.alignment == 2 ? Qt::AlignHCenter
                                                            : Qt::AlignLeft;
    label.setAlignment(horizontal | Qt::AlignVCenter);
    QFont font = label.font();
    if (!clock.fontName.empty())
        font.setFamily(QString::fromStdString(clock.fontName));
    font.setPointSize(clock.fontSize);
    font.setBold(clock.fontBold);
    font.setItalic(clock.fontItalic);
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, toQColor(clock.fontColor));
    label.setPalette(palette);
    label.show();
}

void setUpFilmLoop(const SkinSource& source, int number, const FilmLoopKeys& loop, controls::SkinPanel& panel,
                   SkinLoadErrors& errors)
{
    if (!loop.useFilmLoop) {
        panel.setAnimationEnabled(false);
        panel.hide();
        return;
    }
    const std::string file = FilmLoopFileName(number);
    const SkinPicture loaded = LoadSkinPicture(source.folder(), file, source.pictureScale);
    const QPixmap& strip = loaded.picture;
    if (strip.isNull()) {
        errors.push_back(loaded.error);
        panel.hide();
        return;
    }
    panel.setPicture(strip);
    panel.setFrameCount(loop.frameCount);
    panel.setFrameRate(loop.frameRate);
    panel.setMaskTransparent(loop.useTransparency);
    const QSize size = controls::logicalSize(strip);
    const int frameWidthTwips = size.width() * kTwipsPerPixelX / panel.frameCount();
    panel.setGeometryTwips(loop.left * kTwipsPerPixelX, loop.top * kTwipsPerPixelY, frameWidthTwips,
                           size.height() * kTwipsPerPixelY);
    panel.setAnimationEnabled(true);
    panel.show();
}

} // namespace

SkinLoadErrors LoadSkinOptions(const SkinSource& source, QSize screenPx, SkinDefinition& skin,
                               SkinWindowSettings& settings, SkinnedControls& controls, SkinImages& images)
{
    SkinLoadErrors errors;
    const SkinDefinition read = ReadSkinDefinition(source.profiles, source.iniPath()).definition;
    skin.info = read.info;
    skin.userSettings = read.userSettings;
    skin.actionButtons = read.actionButtons;
    skin.clock = read.clock;
    skin.shading = read.shading;
    skin.filmLoops = read.filmLoops;

    settings.hotKey = ParseHotKeyText(skin.info.hotkey);
    placeWindow(skin.info, screenPx, *controls.form);
    settings.soundEnabled = skin.info.enableSound != 0;

    for (int index = 0; index < kActionButtonCount; ++index)
        loadActionButton(source, index, skin.actionButtons[static_cast<size_t>(index)],
                         *controls.actionButton(index), images.actionButtonImages(index), errors);

    setUpClock(skin.clock, *controls.Clock);
    settings.alwaysOnTop = skin.info.alwaysOnTop != 0;

    const ShadingKeys& shading = skin.shading;
    controls.shading->setGeometryTwips(shading.left * kTwipsPerPixelX, shading.top * kTwipsPerPixelY,
                                       shading.width * kTwipsPerPixelX, shading.height * kTwipsPerPixelY);
    controls.shading->setVisible(shading.shadingSize() > 0);

    // A skin without a shade picture still loads; shading then keeps to the strip.
    const QPixmap shade = LoadOptionalSkinPicture(source.folder(), kShadeFileName, source.pictureScale);
    if (!shade.isNull())
        images.ShadeIL.add("ShadeSkin", shade);

    for (int n = 1; n <= kFilmLoopCount; ++n)
        setUpFilmLoop(source, n, skin.filmLoops[static_cast<size_t>(n - 1)], *controls.FilmLoop[static_cast<size_t>(n - 1)],
                      errors);
    return errors;
}

} // namespace launcher
