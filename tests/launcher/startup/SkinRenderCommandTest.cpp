#include "launcher/startup/SkinRenderCommand.h"

#include "support/FakeServices.h"
#include "support/RegisteredServers.h"
#include "support/TempFolder.h"

#include <QImage>
#include <cstdio>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kBundledSkins = fs::path(QUORVEX_SOURCE_DIR) / "assets/skins";

class SkinRender : public testing::Test, protected testsupport::FakeServices {
protected:
    void SetUp() override { ASSERT_EQ(testsupport::registerBuiltServers(), ""); }

    QImage render(const std::string& skin, int section, bool shaded = false, int width = 0, int height = 0,
                  int hover = 0)
    {
        request.hover = hover;
        request.skinFolder = (kBundledSkins / skin).string();
        request.section = section;
        request.shaded = shaded;
        request.width = width;
        request.height = height;
        error.clear();
        return launcher::RenderSkin(services(), request, &error);
    }

    launcher::SkinRenderRequest request;
    std::string error;
};

int countTransparent(const QImage& image)
{
    int transparent = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            transparent += qAlpha(image.pixel(x, y)) == 0;
    return transparent;
}

} // namespace

// The picture is the launcher's window: its background's size, its magenta
// outline cut away, and the section's own look.
TEST_F(SkinRender, TheBundledSkinsRenderAtTheirBackgroundSizeWithTheOutlineCut)
{
    for (const char* skin : {"Slatewise", "Ferrolume"}) {
        SCOPED_TRACE(skin);
        const QImage background((kBundledSkins / skin / (std::string(skin) + ".bmp")).string().c_str());
        ASSERT_FALSE(background.isNull());
        const QImage first = render(skin, 1);
        ASSERT_FALSE(first.isNull()) << error;
        EXPECT_EQ(first.size(), background.size());

        // Every magenta pixel of the background is outside the window, and
        // nothing that is not magenta is.
        int magenta = 0;
        for (int y = 0; y < background.height(); ++y) {
            for (int x = 0; x < background.width(); ++x) {
                const bool cut = background.pixel(x, y) == qRgb(255, 0, 255);
                magenta += cut;
                if (cut != (qAlpha(first.pixel(x, y)) == 0))
                    FAIL() << "pixel " << x << "," << y << (cut ? " is magenta but drawn" : " is cut away");
            }
        }
        EXPECT_GT(magenta, 0);
        EXPECT_EQ(countTransparent(first), magenta);

        const QImage second = render(skin, 2);
        ASSERT_FALSE(second.isNull()) << error;
        EXPECT_EQ(second.size(), first.size());
        EXPECT_NE(second, first) << "sections 1 and 2 look the same";
        // Nothing in the render depends on the moment it was made.
        EXPECT_EQ(render(skin, 2), second);
    }
}

TEST_F(SkinRender, ShadedAndScaledRendersChangeTheWindowAsAsked)
{
    const QImage open = render("Ferrolume", 1);
    ASSERT_FALSE(open.isNull()) << error;
    const QImage shaded = render("Ferrolume", 1, true);
    ASSERT_FALSE(shaded.isNull()) << error;
    EXPECT_LT(shaded.height(), open.height()) << "the rolled-up window is no lower";

    const QImage scaled = render("Slatewise", 1, false, 64, 48);
    ASSERT_FALSE(scaled.isNull()) << error;
    EXPECT_EQ(scaled.size(), QSize(64, 48));
}

// At scale 2 the render is what a high-density screen shows: twice the
// size, exactly the ordinary outline doubled, and Ferrolume's own @2x
// background where nothing is drawn over it (the hearth below the tabs).
TEST_F(SkinRender, AtScaleTwoTheSkinsDoubleSizePicturesShowInsideTheDoubledOutline)
{
    const QImage ordinary = render("Ferrolume", 1);
    ASSERT_FALSE(ordinary.isNull()) << error;
    screen = platform::FixedScreen({1024, 768}, 2.0);
    request.scale = 2;
    const QImage dense = render("Ferrolume", 1);
    ASSERT_FALSE(dense.isNull()) << error;
    ASSERT_EQ(dense.size(), ordinary.size() * 2);
    for (int y = 0; y < dense.height(); ++y)
        for (int x = 0; x < dense.width(); ++x)
            if ((qAlpha(dense.pixel(x, y)) == 0) != (qAlpha(ordinary.pixel(x / 2, y / 2)) == 0))
                FAIL() << "device pixel " << x << "," << y << " is not cut as its skin pixel is";

    const QRect hearth(56, 532, 128, 128);
    const QImage fine = QImage((kBundledSkins / "Ferrolume/Ferrolume@2x.bmp").string().c_str()).copy(hearth);
    EXPECT_EQ(dense.copy(hearth).convertToFormat(QImage::Format_RGB32), fine.convertToFormat(QImage::Format_RGB32));
}

TEST_F(SkinRender, AHoveredLaunchButtonChangesOnlyItsOwnPlace)
{
    const QImage plain = render("Slatewise", 2);
    const QImage hovered = render("Slatewise", 2, false, 0, 0, 1);
    ASSERT_FALSE(hovered.isNull()) << error;
    ASSERT_EQ(hovered.size(), plain.size());
    QRect changed;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != hovered.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    ASSERT_FALSE(changed.isEmpty()) << "hovering shows nothing";
    EXPECT_LT(changed.width() * changed.height(), plain.width() * plain.height() / 8) << "more than one button changed";
}

TEST_F(SkinRender, RequestsTheSkinCannotShowAreErrors)
{
    EXPECT_TRUE(render("Slatewise", 40).isNull());
    EXPECT_NE(error.find("sections"), std::string::npos) << error;
    // Section 2 of the sample library has two shortcuts.
    EXPECT_TRUE(render("Slatewise", 2, false, 0, 0, 3).isNull());
    EXPECT_NE(error.find("launch button 3"), std::string::npos) << error;
}

// The command line: a skin that cannot load is reported as --check-skin
// reports it, and nothing is written; options it does not understand are
// a usage error.
TEST(SkinRenderCommand, UnloadableSkinsAndBadOptionsFailWithoutAPicture)
{
    testsupport::TempFolder folder;
    const fs::path skin = folder.path() / "Slatewise";
    fs::copy(kBundledSkins / "Slatewise", skin, fs::copy_options::recursive);
    fs::resize_file(skin / "Slatewise.bmp", 100);
    const std::string out = (folder.path() / "out.png").string();

    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* printed; // on standard output; empty for none
    };
    const Case cases[] = {
        {{skin.string(), "-o", out}, 1, "error: unusable picture Slatewise.bmp (window background)"},
        {{(folder.path() / "absent").string(), "-o", out}, 1, "cannot be loaded"},
        {{skin.string()}, 2, ""},
        {{skin.string(), "-o", out, "--section", "0"}, 2, ""},
        {{skin.string(), "-o", out, "--width", "20"}, 2, ""},
        {{skin.string(), "-o", out, "--section"}, 2, ""},
        {{skin.string(), "-o", out, "--sparkle"}, 2, ""},
        {{skin.string(), "-o", out, "--scale", "5"}, 2, ""},
        {{skin.string(), "-o", out, "--scale", "0"}, 2, ""},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words = {"quorvex", "--render-skin"};
        words.insert(words.end(), c.arguments.begin(), c.arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        SCOPED_TRACE(words.back());
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int status = launcher::RunSkinRender(static_cast<int>(argv.size()), argv.data());
        std::fflush(stdout);
        const std::string printed = testing::internal::GetCapturedStdout();
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(status, c.status);
        EXPECT_NE(printed.find(c.printed), std::string::npos) << printed;
        EXPECT_FALSE(fs::exists(out));
    }
}
