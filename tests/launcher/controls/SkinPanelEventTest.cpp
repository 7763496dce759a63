#include "launcher/controls/PanelTestHelpers.h"
#include "launcher/controls/SkinPanel.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace controls {
namespace {

struct ShownPanel {
    testing::FilledWindow window{Qt::black, {200, 100}};
    SkinPanel* panel = new SkinPanel(&window);

    ShownPanel()
    {
        panel->setGeometryTwips(300, 150, 900, 600); // (20, 10), 60 x 40 pixels
        window.show();
    }
};

struct PointerCall {
    int button;
    int shift;
    double x;
    double y;
    bool operator==(const PointerCall&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PointerCall& c)
{
    return out << "{" << c.button << ", " << c.shift << ", " << c.x << ", " << c.y << "}";
}

PointerCall pointerCall(const QList<QVariant>& arguments)
{
    return {arguments.at(0).toInt(), arguments.at(1).toInt(), arguments.at(2).toDouble(),
            arguments.at(3).toDouble()};
}

void sendMouse(SkinPanel* panel, QEvent::Type type, QPointF at, Qt::MouseButton button,
               Qt::MouseButtons held, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, at, panel->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(panel, &event);
}

TEST(SkinPanelEvents, PressMoveAndReleaseReportButtonsModifiersAndTwips)
{
    ShownPanel fixture;
    SkinPanel* panel = fixture.panel;
    QSignalSpy downs(panel, &SkinPanel::mouseDown);
    QSignalSpy moves(panel, &SkinPanel::mouseMove);
    QSignalSpy ups(panel, &SkinPanel::mouseUp);

    sendMouse(panel, QEvent::MouseMove, {1.5, 2}, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    sendMouse(panel, QEvent::MouseButtonPress, {2, 3}, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    sendMouse(panel, QEvent::MouseMove, {70, -5}, Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    sendMouse(panel, QEvent::MouseButtonRelease, {70, -5}, Qt::LeftButton, Qt::NoButton,
              Qt::AltModifier | Qt::ShiftModifier);
    sendMouse(panel, QEvent::MouseButtonPress, {0, 0}, Qt::RightButton, Qt::RightButton, Qt::AltModifier);
    sendMouse(panel, QEvent::MouseButtonRelease, {0, 0}, Qt::RightButton, Qt::NoButton, Qt::NoModifier);

    ASSERT_EQ(downs.count(), 2);
    EXPECT_EQ(pointerCall(downs.at(0)), (PointerCall{1, 0, 30, 45}));
    EXPECT_EQ(pointerCall(downs.at(1)), (PointerCall{2, 4, 0, 0}));
    ASSERT_EQ(moves.count(), 2);
    EXPECT_EQ(pointerCall(moves.at(0)), (PointerCall{0, 0, 22.5, 30}));
    EXPECT_EQ(pointerCall(moves.at(1)), (PointerCall{1, 2, 1050, -75}));
    ASSERT_EQ(ups.count(), 2);
    EXPECT_EQ(pointerCall(ups.at(0)), (PointerCall{1, 5, 1050, -75}));
    EXPECT_EQ(pointerCall(ups.at(1)), (PointerCall{2, 0, 0, 0}));
}

// Double clicks go through the window, as the window system delivers them, so
// that Qt turns the second press into the double-click event.
void doubleClickThroughWindow(ShownPanel& fixture, Qt::MouseButton button)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fixture.window));
    const QPoint inWindow = fixture.panel->mapTo(&fixture.window, QPoint(5, 5));
    QTest::mouseDClick(fixture.window.windowHandle(), button, Qt::NoModifier, inWindow);
}

TEST(SkinPanelEvents, DoubleClickReplacesTheSecondPress)
{
    ShownPanel fixture;
    QSignalSpy downs(fixture.panel, &SkinPanel::mouseDown);
    QSignalSpy ups(fixture.panel, &SkinPanel::mouseUp);
    QSignalSpy doubles(fixture.panel, &SkinPanel::dblClick);

    doubleClickThroughWindow(fixture, Qt::LeftButton);

    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(ups.count(), 2);
}

TEST(SkinPanelEvents, RightDoubleClickIsTwoPresses)
{
    ShownPanel fixture;
    QSignalSpy downs(fixture.panel, &SkinPanel::mouseDown);
    QSignalSpy doubles(fixture.panel, &SkinPanel::dblClick);

    doubleClickThroughWindow(fixture, Qt::RightButton);

    EXPECT_EQ(doubles.count(), 0);
    ASSERT_EQ(downs.count(), 2);
    EXPECT_EQ(downs.at(1).at(0).toInt(), 2);
}

TEST(SkinPanelEvents, EnterAndExitAreReported)
{
    ShownPanel fixture;
    QSignalSpy enters(fixture.panel, &SkinPanel::mouseEnter);
    QSignalSpy exits(fixture.panel, &SkinPanel::mouseExit);

    QEnterEvent enter(QPointF(4, 6), QPointF(24, 16), fixture.panel->mapToGlobal(QPointF(4, 6)));
    QApplication::sendEvent(fixture.panel, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(fixture.panel, &leave);

    ASSERT_EQ(enters.count(), 1);
    EXPECT_EQ(pointerCall(enters.at(0)), (PointerCall{0, 0, 60, 90}));
    EXPECT_EQ(exits.count(), 1);
}

TEST(SkinPanelEvents, RepaintsOnlyWhenTheShownPictureChanges)
{
    // A hover handler assigns the same picture on every entry; that must not
    // schedule a repaint of the panel (and of the window under it).
    ShownPanel fixture;
    const QPixmap up = testing::solidPixmap(60, 40, Qt::red);
    fixture.panel->setBackgroundPicture(up);
    QApplication::processEvents();

    int paints = 0;
    struct PaintCounter : QObject {
        int* count;
        explicit PaintCounter(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                ++*count;
            return false;
        }
    } counter(&paints);
    fixture.panel->installEventFilter(&counter);

    fixture.panel->setBackgroundPicture(QPixmap(up));
    QApplication::processEvents();
    EXPECT_EQ(paints, 0);

    fixture.panel->setBackgroundPicture(testing::solidPixmap(60, 40, Qt::green));
    fixture.panel->refresh();
    EXPECT_GE(paints, 1);
}

struct DragCall {
    DragData data;
    int effect = -1;
    int button = -1;
    int shift = -1;
    double x = 0;
    double y = 0;
    int state = -1;
};

// A shown panel that takes drops and records what it reports.
struct DropTarget : ShownPanel {
    std::vector<DragCall> overs;
    std::vector<DragCall> drops;

    DropTarget()
    {
        panel->setAcceptDrops(true);
        QObject::connect(panel, &SkinPanel::oleDragOver, panel,
                         [this](const DragData& d, int effect, int button, int shift, double x, double y,
                                int state) { overs.push_back({d, effect, button, shift, x, y, state}); });
        QObject::connect(panel, &SkinPanel::oleDragDrop, panel,
                         [this](const DragData& d, int effect, int button, int shift, double x, double y) {
                             drops.push_back({d, effect, button, shift, x, y, -1});
                         });
    }

    // The drop action the panel answered.
    template <typename Event>
    Qt::DropAction send(QPointF at, Qt::DropActions offered, const QMimeData* mime,
                        Qt::MouseButtons buttons = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Event event(at.toPoint(), offered, mime, buttons, modifiers);
        QApplication::sendEvent(panel, &event);
        EXPECT_TRUE(event.isAccepted());
        return event.dropAction();
    }
};

QMimeData* filesMime()
{
    auto* mime = new QMimeData;
    mime->setUrls({QUrl::fromLocalFile("/home/user/Editor.lnk"), QUrl::fromLocalFile("/home/user/Notes.url")});
    return mime;
}

TEST(SkinPanelEvents, FileDragIsReportedEnteringMovingAndDropping)
{
    DropTarget target;
    std::unique_ptr<QMimeData> mime(filesMime());
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;

    EXPECT_EQ(target.send<QDragEnterEvent>({1, 2}, offered, mime.get()), Qt::CopyAction);
    target.send<QDragMoveEvent>({3, 4}, offered, mime.get(), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(target.send<QDropEvent>({5, 6}, offered, mime.get(), Qt::NoButton, Qt::AltModifier),
              Qt::CopyAction);

    ASSERT_EQ(target.overs.size(), 2u);
    const DragCall& first = target.overs[0];
    EXPECT_EQ(first.state, int(DragState::Enter));
    EXPECT_EQ(first.effect, DropEffectCode::kCopy | DropEffectCode::kMove);
    EXPECT_EQ(first.button, 1);
    EXPECT_EQ(first.x, 15);
    EXPECT_EQ(first.y, 30);
    EXPECT_TRUE(first.data.getFormat(DragData::kFormatFiles));
    EXPECT_EQ(first.data.fileCount(), 2);

    const DragCall& second = target.overs[1];
    EXPECT_EQ(second.state, int(DragState::Over));
    EXPECT_EQ(second.shift, 1);
    EXPECT_EQ(second.data.file(2), "/home/user/Notes.url");

    ASSERT_EQ(target.drops.size(), 1u);
    const DragCall& dropped = target.drops[0];
    EXPECT_EQ(dropped.shift, 4);
    EXPECT_EQ(dropped.x, 75);
    EXPECT_EQ(dropped.y, 90);
    EXPECT_EQ(dropped.data.file(1), "/home/user/Editor.lnk");
}

TEST(SkinPanelEvents, LeavingDragStillCarriesItsData)
{
    DropTarget target;
    std::unique_ptr<QMimeData> mime(filesMime());

    target.send<QDragEnterEvent>({1, 2}, Qt::CopyAction, mime.get());
    QDragLeaveEvent leave;
    QApplication::sendEvent(target.panel, &leave);

    ASSERT_EQ(target.overs.size(), 2u);
    EXPECT_EQ(target.overs[1].state, int(DragState::Leave));
    EXPECT_EQ(target.overs[1].data.fileCount(), 2);
}

TEST(SkinPanelEvents, DragWithoutFilesIsAcceptedSoTheDropCanBeAnswered)
{
    DropTarget target;
    QMimeData text;
    text.setText("some selected text");

    target.send<QDragEnterEvent>({1, 1}, Qt::CopyAction, &text);
    target.send<QDropEvent>({1, 1}, Qt::CopyAction, &text, Qt::NoButton);

    ASSERT_EQ(target.drops.size(), 1u);
    EXPECT_FALSE(target.drops[0].data.getFormat(DragData::kFormatFiles));
    EXPECT_EQ(target.drops[0].data.fileCount(), 0);
}

TEST(SkinPanelEvents, DropOfferingOnlyMoveLeavesTheSourceFilesAlone)
{
    DropTarget target;
    std::unique_ptr<QMimeData> mime(filesMime());

    EXPECT_EQ(target.send<QDragEnterEvent>({1, 1}, Qt::MoveAction, mime.get()), Qt::IgnoreAction);
    EXPECT_EQ(target.send<QDropEvent>({1, 1}, Qt::MoveAction, mime.get(), Qt::NoButton),
              Qt::IgnoreAction);

    ASSERT_EQ(target.drops.size(), 1u);
    EXPECT_EQ(target.drops[0].effect, DropEffectCode::kMove);
}

TEST(SkinPanelGeometry, TwipsAreKeptAndPixelsAreTheirWholePart)
{
    testing::FilledWindow window(Qt::black);
    SkinPanel* panel = new SkinPanel(&window);
    panel->setGeometryTwips(1234, 150, 750, 749);
    EXPECT_EQ(panel->geometry(), QRect(82, 10, 50, 49));
    EXPECT_EQ(panel->leftTwips(), 1234);
    EXPECT_EQ(panel->heightTwips(), 749);

    panel->setTopTwips(300); // the other edges stay as set
    EXPECT_EQ(panel->leftTwips(), 1234);
    EXPECT_EQ(panel->geometry(), QRect(82, 20, 50, 49));

    panel->move(5, 6); // moved by other means: read back from the pixels
    EXPECT_EQ(panel->leftTwips(), 75);
    EXPECT_EQ(panel->topTwips(), 90);
    EXPECT_EQ(panel->widthTwips(), 750);

    panel->setWidthTwips(-30);
    EXPECT_EQ(panel->width(), 0);
    EXPECT_EQ(panel->widthTwips(), 0);
}

} // namespace
} // namespace controls
