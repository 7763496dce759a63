// A translucent window outlined through QtWindowRegionSystem is painted
// transparent outside its outline, whatever its children draw there; an
// opaque one is left to its shape alone.
#include "platform/windowregion/QtWindowRegionSystem.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

using namespace quorvex::platform;

namespace {

void useApplication()
{
    static int argc = 1;
    static char name[] = "cut-away-test";
    static char* argv[] = { name, nullptr };
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
}

// A control that paints every pixel it covers red, as a skin's picture
// paints its magenta.
class RedControl final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::red); }
};

enum class Window { Translucent, Opaque };

struct Outlined {
    std::unique_ptr<QWidget> window;
    RedControl* control = nullptr;
};

// A 100 x 60 window covered by a red control, outlined to its left half.
Outlined outlinedWindow(Window kind, QtWindowRegionSystem& system)
{
    useApplication();
    Outlined made;
    made.window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
    made.window->setAttribute(Qt::WA_TranslucentBackground, kind == Window::Translucent);
    made.window->resize(100, 60);
    made.control = new RedControl(made.window.get());
    made.control->setGeometry(0, 0, 100, 60);
    made.window->show();
    const RegionRect leftHalf[] = { { 0, 0, 50, 60 } };
    system.setRegion(static_cast<RegionWindowId>(made.window->winId()), leftHalf);
    return made;
}

QImage picture(QWidget& window)
{
    return window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool isRed(QRgb pixel) { return pixel == qRgba(255, 0, 0, 255); }
bool isClear(QRgb pixel) { return qAlpha(pixel) == 0; }

} // namespace

TEST(CutAwayEraserTest, ATranslucentWindowIsClearOutsideItsOutlineAndPassesThePointerThrough)
{
    QtWindowRegionSystem system;
    Outlined outlined = outlinedWindow(Window::Translucent, system);
    const QImage seen = picture(*outlined.window);
    EXPECT_TRUE(isRed(seen.pixel(0, 0)));
    EXPECT_TRUE(isRed(seen.pixel(49, 59)));
    EXPECT_TRUE(isClear(seen.pixel(50, 0)));
    EXPECT_TRUE(isClear(seen.pixel(99, 59)));
    // The eraser takes no clicks or drops from the controls beneath it.
    EXPECT_EQ(outlined.window->childAt(10, 10), outlined.control);
}

TEST(CutAwayEraserTest, AnOpaqueWindowIsLeftToItsShape)
{
    QtWindowRegionSystem system;
    Outlined outlined = outlinedWindow(Window::Opaque, system);
    const QImage seen = picture(*outlined.window);
    EXPECT_TRUE(isRed(seen.pixel(99, 59)));
    EXPECT_TRUE(outlined.window->findChildren<QWidget*>().size() == 1) << "no widget besides the control";
}

TEST(CutAwayEraserTest, ControlsAddedAndSizeChangedLaterAreErasedToo)
{
    QtWindowRegionSystem system;
    Outlined outlined = outlinedWindow(Window::Translucent, system);
    auto* later = new RedControl(outlined.window.get());
    later->setGeometry(40, 0, 60, 60);
    later->show();
    outlined.window->resize(140, 60);
    outlined.control->resize(140, 60);
    const QImage seen = picture(*outlined.window);
    EXPECT_TRUE(isRed(seen.pixel(45, 10)));
    EXPECT_TRUE(isClear(seen.pixel(60, 10))) << "a later control lies above the eraser";
    EXPECT_TRUE(isClear(seen.pixel(120, 10))) << "the grown part is outside the outline";
}

TEST(CutAwayEraserTest, ClearingTheOutlineShowsEveryPixelAgain)
{
    QtWindowRegionSystem system;
    Outlined outlined = outlinedWindow(Window::Translucent, system);
    system.clearRegion(static_cast<RegionWindowId>(outlined.window->winId()));
    const QImage seen = picture(*outlined.window);
    EXPECT_TRUE(isRed(seen.pixel(99, 59)));
}

TEST(CutAwayEraserTest, ANewOutlineReplacesTheOldOne)
{
    QtWindowRegionSystem system;
    Outlined outlined = outlinedWindow(Window::Translucent, system);
    const RegionRect rightHalf[] = { { 50, 0, 100, 60 } };
    system.setRegion(static_cast<RegionWindowId>(outlined.window->winId()), rightHalf);
    const QImage seen = picture(*outlined.window);
    EXPECT_TRUE(isClear(seen.pixel(0, 0)));
    EXPECT_TRUE(isRed(seen.pixel(99, 59)));
    EXPECT_EQ(outlined.window->findChildren<QWidget*>().size(), 2) << "one eraser, reused";
}
