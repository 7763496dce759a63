#include "platform/windowregion/PictureFromImage.h"
#include "platform/windowregion/QtWindowRegionSystem.h"

#include <QApplication>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <gtest/gtest.h>

using namespace quorvex::platform;
namespace component = quorvex::platform::component;

namespace {

QApplication& application()
{
    static int argc = 1;
    static char name[] = "windowregion-test";
    static char* argv[] = { name, nullptr };
    // The widgets never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

class QtWindowRegionSystemTest : public testing::Test {
protected:
    void SetUp() override
    {
        application();
        m_window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint);
        m_window->setGeometry(40, 30, 120, 80);
        m_window->show();
        m_id = static_cast<RegionWindowId>(m_window->winId());
    }

    std::unique_ptr<QWidget> m_window;
    RegionWindowId m_id = 0;
    QtWindowRegionSystem m_system;
};

TEST_F(QtWindowRegionSystemTest, InstallsTheRectanglesAsTheWidgetMaskAndClearsIt)
{
    const RegionRect rects[] = { { 0, 0, 120, 10 }, { 10, 10, 110, 70 } };
    m_system.setRegion(m_id, rects);
    QRegion expected = QRegion(0, 0, 120, 10).united(QRegion(10, 10, 100, 60));
    EXPECT_EQ(m_window->mask(), expected);
    EXPECT_FALSE(m_window->mask().contains(QPoint(5, 50)));

    m_system.clearRegion(m_id);
    EXPECT_TRUE(m_window->mask().isEmpty());
}

TEST_F(QtWindowRegionSystemTest, EmptyRegionHidesEveryPixelInsteadOfRemovingTheMask)
{
    m_system.setRegion(m_id, {});
    QRegion mask = m_window->mask();
    EXPECT_FALSE(mask.isEmpty()) << "an empty mask would mean no clipping at all";
    EXPECT_TRUE(mask.intersected(m_window->rect()).isEmpty());
}

TEST_F(QtWindowRegionSystemTest, ReportsTheOuterRectangleAndIgnoresUnknownWindows)
{
    std::optional<RegionRect> outer = m_system.windowRect(m_id);
    ASSERT_TRUE(outer);
    EXPECT_EQ(outer->right - outer->left, 120);
    EXPECT_EQ(outer->bottom - outer->top, 80);

    EXPECT_EQ(m_system.windowRect(0), std::nullopt);
    EXPECT_EQ(m_system.windowRect(m_id + 12345), std::nullopt);
    const RegionRect rects[] = { { 0, 0, 1, 1 } };
    m_system.setRegion(m_id + 12345, rects); // must not crash or touch our window
    EXPECT_TRUE(m_window->mask().isEmpty());
}

TEST(QtRegionConversionTest, MovesFromWindowToWidgetCoordinatesAndDropsEmptyRectangles)
{
    const RegionRect rects[] = { { 4, 20, 14, 30 }, { 5, 5, 5, 9 } };
    QRegion region = QtWindowRegionSystem::toQRegion(rects, 4, 20);
    EXPECT_EQ(region, QRegion(0, 0, 10, 10));
}

} // namespace


namespace {

TEST(PictureFromImageTest, CopiesThePixelsRowByRow)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    image.setPixelColor(2, 1, QColor(10, 20, 30));
    component::Ref<component::IPicture> picture = pictureFromImage(image);
    ASSERT_TRUE(picture);
    const component::Bitmap32* bitmap = nullptr;
    picture->getBitmap(&bitmap);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->width, 3);
    EXPECT_EQ(bitmap->rgb(0, 0), 0xFF00FFu);
    EXPECT_EQ(bitmap->rgb(2, 1), 0x0A141Eu);
    EXPECT_FALSE(pictureFromImage(QImage()));
}

} // namespace
