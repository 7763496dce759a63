#include "RecordingHooks.h"
#include "launcher/dialogs/Helper.h"
#include "launcher/dialogs/PictureOutline.h"
#include "launcher/dialogs/ScreenFontClass.h"
#include "launcher/dialogs/Splash.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using launcher::Splash;

namespace {

// Sets the application font's pixel height for one test.
class AppFontHeight {
public:
    explicit AppFontHeight(int pixels)
        : m_saved(QApplication::font())
    {
        QFont font = m_saved;
        font.setPixelSize(pixels);
        QApplication::setFont(font);
    }
    ~AppFontHeight() { QApplication::setFont(m_saved); }

private:
    QFont m_saved;
};

TEST(ScreenFontClass, OnlyFontsTallerThanSixteenPixelsAreLarge)
{
    const std::pair<int, const char*> cases[] = {{12, "VGA"}, {16, "VGA"}, {17, "8514"}, {20, "8514"}};
    for (const auto& [height, expected] : cases) {
        EXPECT_EQ(launcher::ScreenFontClassForHeight(height), expected) << height;
        AppFontHeight font(height);
        EXPECT_EQ(launcher::ScreenFontClass(), expected) << height;
    }
}

TEST(Splash, LargeFontsMoveTheControlsToTheirRoomierPlaces)
{
    struct Case {
        int fontHeight;
        QPoint help, status, label6;
    };
    for (const Case& c : {Case{16, {125, 228}, {104, 232}, {139, 284}}, Case{20, {120, 224}, {91, 227}, {109, 283}}}) {
        AppFontHeight font(c.fontHeight);
        Splash splash(Splash::Mode::About);
        EXPECT_EQ(splash.findChild<QPushButton*>("Command1")->geometry(), QRect(c.help, QSize(48, 22)))
            << c.fontHeight;
        EXPECT_EQ(splash.findChild<QLabel*>("Status")->pos(), c.status) << c.fontHeight;
        EXPECT_EQ(splash.findChild<QLabel*>("Label6")->pos(), c.label6) << c.fontHeight;
    }
}

TEST(Splash, StartupShowsTheStatusAndIgnoresClicks)
{
    Splash splash;
    splash.show();
    splash.setStatus("Skin List");

    EXPECT_EQ(splash.size(), QSize(300, 300));
    EXPECT_EQ(splash.status(), "Skin List");
    EXPECT_FALSE(splash.findChild<QPushButton*>("Command1")->isVisible());
    EXPECT_FALSE(splash.findChild<QLabel*>("Label4")->isVisible());
    QTest::mouseClick(splash.findChild<QLabel*>("Label1"), Qt::LeftButton);
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(150, 112));
    EXPECT_TRUE(splash.isVisible());
}

TEST(Splash, AboutModeShowsHelpAndAnyClickCloses)
{
    for (const char* clicked : {"Label1", "Label2", "Label3", "Label4", "Label6", "Splash"}) {
        QPointer<Splash> splash = Splash::showAbout({});
        EXPECT_EQ(splash->findChild<QLabel*>("Label4")->text(), "Click to Close");
        EXPECT_TRUE(splash->findChild<QPushButton*>("Command1")->isVisible());
        QWidget* target = QString(clicked) == "Splash" ? static_cast<QWidget*>(splash.data())
                                                        : splash->findChild<QLabel*>(clicked);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(3, 3));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(splash.isNull()) << clicked;
    }
}

TEST(Splash, HelpButtonClosesTheSplashAndLeavesTheHelperInFront)
{
    std::vector<std::string> events;
    QPointer<Splash> splash = Splash::showAbout(testsupport::RecordingHooks(events));
    QPointer<launcher::Helper> helper;
    QObject::connect(splash, &Splash::helperShown, [&](launcher::Helper* shown) { helper = shown; });

    splash->findChild<QPushButton*>("Command1")->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(splash.isNull());
    ASSERT_FALSE(helper.isNull());
    EXPECT_TRUE(helper->isVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"Splash topmost", "pause 25", "Helper topmost"}));
    helper->close();
}

TEST(Splash, AboutWindowWorksFromTheKeyboard)
{
    // Escape closes it; Enter presses Help, which has the focus.
    QPointer<Splash> splash = Splash::showAbout({});
    splash->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(splash));
    EXPECT_EQ(QApplication::focusWidget(), splash->findChild<QPushButton*>("Command1"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(splash)->text(QAccessible::Name), "About Quorvex");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());

    splash = Splash::showAbout({});
    QPointer<launcher::Helper> helper;
    QObject::connect(splash, &Splash::helperShown, [&](launcher::Helper* shown) { helper = shown; });
    splash->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(splash));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull());
    ASSERT_FALSE(helper.isNull());
    helper->close();
}

TEST(Splash, StartupSplashIgnoresEscape)
{
    Splash splash;
    splash.show();
    splash.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&splash));
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_TRUE(splash.isVisible());
}

TEST(Splash, WindowIsCutToTheNonMagentaPartOfItsPicture)
{
    const QImage picture = Splash::drawPicture();
    ASSERT_EQ(picture.size(), QSize(300, 300));
    Splash splash;
    const QRegion mask = splash.mask();
    int kept = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 300; ++x) {
            const bool magenta = picture.pixel(x, y) == launcher::kOutlineMaskColour;
            kept += !magenta;
            ASSERT_EQ(mask.contains(QPoint(x, y)), !magenta) << x << "," << y;
        }
    }
    // Something is cut away and every label sits on the kept part.
    EXPECT_GT(kept, 300 * 300 / 3);
    EXPECT_LT(kept, 300 * 300);
    for (QLabel* label : splash.findChildren<QLabel*>())
        EXPECT_TRUE(mask.contains(label->geometry().topLeft())) << label->objectName().toStdString();
}

TEST(PictureOutline, KeepsExactlyThePixelsThatAreNotTheMaskColour)
{
    // Rows: "M.M.", "....", "MMMM" with M magenta; alpha in the mask colour does not matter.
    QImage picture(4, 3, QImage::Format_ARGB32);
    picture.fill(Qt::darkGreen);
    for (QPoint p : {QPoint(0, 0), QPoint(2, 0), QPoint(0, 2), QPoint(1, 2), QPoint(2, 2), QPoint(3, 2)})
        picture.setPixel(p, p.x() == 3 ? 0x80ff00ff : 0xffff00ff);

    const QRegion region = launcher::OutlineOfPicture(picture);

    EXPECT_EQ(region, QRegion(1, 0, 1, 1) + QRegion(3, 0, 1, 1) + QRegion(0, 1, 4, 1));
    EXPECT_TRUE(launcher::OutlineOfPicture(QImage()).isEmpty());
}

} // namespace
