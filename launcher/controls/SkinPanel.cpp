#include "launcher/controls/SkinPanel.h"

#include "launcher/controls/MaskColour.h"
#include "launcher/controls/MaskedPixmapCache.h"
#include "launcher/controls/PlainText.h"
#include "launcher/controls/Twips.h"

#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace controls {

namespace {

// Same pixels and same emptiness: assigning such a picture again changes
// nothing on screen, and hover handlers do that constantly.
bool samePicture(const QPixmap& a, const QPixmap& b)
{
    return a.isNull() == b.isNull() && (a.isNull() || a.cacheKey() == b.cacheKey());
}

// One cache for all panels: the 25 launch buttons of a section mostly share
// one style, so they show the very same pictures, keyed once for all of them.
// Panels live on the GUI thread only. The pictures are let go together with
// the application object, not after it.
MaskedPixmapCache& sharedMaskCache()
{
    static MaskedPixmapCache cache(64);
    static const bool releasedWithApplication = [] {
        qAddPostRoutine([] { sharedMaskCache().clear(); });
        return true;
    }();
    Q_UNUSED(releasedWithApplication);
    return cache;
}

// Tells screen readers what kind of control a panel plays.
class AccessibleSkinPanel : public QAccessibleWidget {
public:
    explicit AccessibleSkinPanel(SkinPanel* panel)
        : QAccessibleWidget(panel)
    {
    }

    // Asked each time: the interface may be made before the launcher tells
    // the panel what it is.
    QAccessible::Role role() const override { return static_cast<SkinPanel*>(widget())->accessibleRole(); }

    // The tool tip as its window shows it: the markup that keeps a name
    // literal there is no part of what a screen reader should say.
    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return toolTipText(widget()->toolTip());
        return QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() == QAccessible::PageTab) {
            state.selectable = true;
            state.selected = static_cast<SkinPanel*>(widget())->isAccessibleSelected();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        if (widget()->focusPolicy() == Qt::NoFocus)
            return QAccessibleWidget::actionNames();
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            static_cast<SkinPanel*>(widget())->pressByKeyboard();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* skinPanelAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String(SkinPanel::staticMetaObject.className()))
        return nullptr;
    auto* panel = qobject_cast<SkinPanel*>(object);
    return panel ? new AccessibleSkinPanel(panel) : nullptr;
}

void installAccessibleFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(skinPanelAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

constexpr int kFocusMarkWidth = 2;

// Set by the keys that move or use the focus, cleared by a click: the focus
// mark shows only while the user works the buttons with the keyboard. Qt
// also moves the focus by itself (a focused button hidden by the shade), and
// that must not make a mark appear for a pointer user.
bool keyboardNavigating = false;

} // namespace

SkinPanel::SkinPanel(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    installAccessibleFactoryOnce();
    connect(&m_animationTimer, &QTimer::timeout, this, &SkinPanel::advanceFrame);
}

SkinPanel::~SkinPanel() = default;

int SkinPanel::leftTwips() const
{
    return pixelsFromTwipsX(m_leftTwips) == x() ? m_leftTwips : twipsFromPixelsX(x());
}

int SkinPanel::topTwips() const
{
    return pixelsFromTwipsY(m_topTwips) == y() ? m_topTwips : twipsFromPixelsY(y());
}

int SkinPanel::widthTwips() const
{
    return pixelsFromTwipsX(m_widthTwips) == width() ? m_widthTwips : twipsFromPixelsX(width());
}

int SkinPanel::heightTwips() const
{
    return pixelsFromTwipsY(m_heightTwips) == height() ? m_heightTwips : twipsFromPixelsY(height());
}

void SkinPanel::setLeftTwips(int twips)
{
    setGeometryTwips(twips, topTwips(), widthTwips(), heightTwips());
}

void SkinPanel::setTopTwips(int twips)
{
    setGeometryTwips(leftTwips(), twips, widthTwips(), heightTwips());
}

void SkinPanel::setWidthTwips(int twips)
{
    setGeometryTwips(leftTwips(), topTwips(), twips, heightTwips());
}

void SkinPanel::setHeightTwips(int twips)
{
    setGeometryTwips(leftTwips(), topTwips(), widthTwips(), twips);
}

void SkinPanel::setGeometryTwips(int leftTwips, int topTwips, int widthTwips, int heightTwips)
{
    m_leftTwips = leftTwips;
    m_topTwips = topTwips;
    // A negative size from a bad skin value would make Qt's geometry invalid.
    m_widthTwips = std::max(0, widthTwips);
    m_heightTwips = std::max(0, heightTwips);
    applyTwipsGeometry();
}

void SkinPanel::applyTwipsGeometry()
{
    setGeometry(pixelRectFromTwips(m_leftTwips, m_topTwips, m_widthTwips, m_heightTwips));
}

void SkinPanel::setBackgroundPicture(const QPixmap& picture)
{
    if (samePicture(picture, m_background))
        return;
    m_background = picture;
    rebuildBackgroundPixmap();
    update();
}

void SkinPanel::rebuildBackgroundPixmap()
{
    m_backgroundDrawn = m_maskedBackground == 0 ? sharedMaskCache().masked(m_background)
                                                : m_background;
}

void SkinPanel::setPicture(const QPixmap& picture)
{
    if (samePicture(picture, m_picture))
        return;
    m_picture = picture;
    m_currentFrame = 0;
    rebuildPicturePixmap();
    update();
    updateAnimationTimer();
}

void SkinPanel::rebuildPicturePixmap()
{
    if (m_maskTransparent && !m_picture.isNull()) {
        m_pictureDrawn = QPixmap::fromImage(withMaskColourTransparent(m_picture.toImage()));
        m_pictureDrawn.setDevicePixelRatio(m_picture.devicePixelRatio());
    } else {
        m_pictureDrawn = m_picture;
    }
}

void SkinPanel::setPictureAlignment(int placementCode)
{
    if (placementCode == m_pictureAlignment)
        return;
    m_pictureAlignment = placementCode;
    update();
}

void SkinPanel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
}

void SkinPanel::setCaptionAlignment(int placementCode)
{
    if (placementCode == m_captionAlignment)
        return;
    m_captionAlignment = placementCode;
    update();
}

void SkinPanel::setForeColor(const QColor& color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    if (!m_caption.isEmpty())
        update();
}

void SkinPanel::setBackColor(const QColor& color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    if (m_backStyle != 0)
        update();
}

void SkinPanel::setBackStyle(int backStyle)
{
    if (backStyle == m_backStyle)
        return;
    m_backStyle = backStyle;
    // An opaque panel paints every pixel itself, so Qt may skip painting the
    // window beneath it.
    setAttribute(Qt::WA_OpaquePaintEvent, m_backStyle != 0);
    update();
}

void SkinPanel::setMaskedBackground(int value)
{
    if (value == m_maskedBackground)
        return;
    m_maskedBackground = value;
    rebuildBackgroundPixmap();
    update();
}

void SkinPanel::setFontName(const QString& name)
{
    if (!name.isEmpty())
        editFont([&](QFont& font) { font.setFamily(name); });
}

void SkinPanel::setFontSize(double points)
{
    if (points > 0)
        editFont([&](QFont& font) { font.setPointSizeF(points); });
}

void SkinPanel::setFontBold(bool bold)
{
    editFont([&](QFont& font) { font.setBold(bold); });
}

void SkinPanel::setFontItalic(bool italic)
{
    editFont([&](QFont& font) { font.setItalic(italic); });
}

void SkinPanel::editFont(const std::function<void(QFont&)>& edit)
{
    QFont changed = font();
    edit(changed);
    // setFont repaints; the launcher sets every attribute on every fill, so
    // skipping unchanged fonts keeps a refill from repainting all buttons.
    if (changed != font())
        setFont(changed);
}

void SkinPanel::setAnimationEnabled(bool enabled)
{
    m_animationEnabled = enabled;
    updateAnimationTimer();
}

void SkinPanel::setFrameCount(int count)
{
    m_frameCount = std::max(1, count);
    if (m_currentFrame >= m_frameCount)
        m_currentFrame = 0;
    update();
    updateAnimationTimer();
}

void SkinPanel::setFrameRate(int framesPerSecond)
{
    m_frameRate = std::clamp(framesPerSecond, 0, kMaxFrameRate);
    updateAnimationTimer();
}

void SkinPanel::setMaskTransparent(bool on)
{
    if (on == m_maskTransparent)
        return;
    m_maskTransparent = on;
    rebuildPicturePixmap();
    update();
}

void SkinPanel::advanceFrame()
{
    m_currentFrame = (m_currentFrame + 1) % m_frameCount;
    update();
}

bool SkinPanel::isAnimationRunning() const
{
    return m_animationTimer.isActive();
}

void SkinPanel::updateAnimationTimer()
{
    const bool wanted = m_animationEnabled && m_frameRate > 0 && m_frameCount > 1
                        && !m_picture.isNull() && isVisible();
    if (!wanted) {
        m_animationTimer.stop();
        return;
    }
    const int intervalMs = static_cast<int>(std::lround(1000.0 / m_frameRate));
    if (!m_animationTimer.isActive() || m_animationTimer.interval() != intervalMs)
        m_animationTimer.start(intervalMs);
}

QRect SkinPanel::currentFrameSource() const
{
    // In the strip's own pixels. Frames are whole logical pixels wide, so a
    // high-density strip cuts its frames where the ordinary one does. A strip
    // narrower than its frame count has frames of width 0 and shows nothing.
    const int ratio = std::max(1, static_cast<int>(m_pictureDrawn.devicePixelRatio()));
    const int frameWidth = m_pictureDrawn.width() / ratio / m_frameCount * ratio;
    if (frameWidth <= 0)
        return {};
    return {m_currentFrame * frameWidth, 0, frameWidth, m_pictureDrawn.height()};
}

void SkinPanel::refresh()
{
    repaint();
}

void SkinPanel::setKeyboardButton(QAccessible::Role role)
{
    m_accessibleRole = role;
    setFocusPolicy(Qt::StrongFocus);
}

void SkinPanel::setAccessibleSelected(bool selected)
{
    if (selected == m_accessibleSelected)
        return;
    m_accessibleSelected = selected;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void SkinPanel::pressByKeyboard()
{
    const QPointF centre = twipsFromPixels(QPointF(rect().center()));
    const int left = mouseButtonCode(Qt::LeftButton);
    emit mouseDown(left, 0, centre.x(), centre.y());
    emit mouseUp(left, 0, centre.x(), centre.y());
}

void SkinPanel::setFocusMarkColor(const QColor& color)
{
    if (color == m_focusMarkColor)
        return;
    m_focusMarkColor = color;
    if (hasFocus() && m_focusMarkShown)
        update();
}

void SkinPanel::showFocusMark()
{
    keyboardNavigating = true;
    if (m_focusMarkShown)
        return;
    m_focusMarkShown = true;
    update();
}

bool SkinPanel::event(QEvent* event)
{
    // Tab never reaches keyPressEvent: QWidget moves the focus in event().
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            keyboardNavigating = true;
    }
    return QWidget::event(event);
}

void SkinPanel::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (focusPolicy() != Qt::NoFocus && plain) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!event->isAutoRepeat())
                pressByKeyboard();
            showFocusMark();
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            keyboardNavigating = true;
            focusNextChild();
            return;
        case Qt::Key_Left:
        case Qt::Key_Up:
            keyboardNavigating = true;
            focusPreviousChild();
            return;
        default:
            break;
        }
    }
    QWidget::keyPressEvent(event);
}

void SkinPanel::focusInEvent(QFocusEvent* event)
{
    // Only focus the keyboard moved shows: a click, or the window coming to
    // the front, leaves the skin's look untouched.
    const Qt::FocusReason reason = event->reason();
    m_focusMarkShown = keyboardNavigating && reason != Qt::MouseFocusReason
                       && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    update();
    QWidget::focusInEvent(event);
}

void SkinPanel::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void SkinPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Pictures enlarged while drawing (a stretched background, a picture
    // with no high-density version) keep hard pixel edges: blending would
    // smear pixel art and mix magenta into edges the outline cuts exactly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (m_backStyle != 0)
        painter.fillRect(rect(), m_backColor);
    if (!m_backgroundDrawn.isNull())
        painter.drawPixmap(rect(), m_backgroundDrawn);
    if (!m_pictureDrawn.isNull()) {
        const QRect source = currentFrameSource();
        if (!source.isEmpty()) {
            const QSize logicalSize = (QSizeF(source.size()) / m_pictureDrawn.devicePixelRatio()).toSize();
            painter.drawPixmap(placeRect(logicalSize, rect(), m_pictureAlignment), m_pictureDrawn,
                               source);
        }
    }
    if (!m_caption.isEmpty()) {
        painter.setPen(m_foreColor);
        painter.setFont(font());
        painter.drawText(rect(), int(alignmentFromPlacement(m_captionAlignment)) | Qt::TextWordWrap,
                         m_caption);
    }
    if (hasFocus() && m_focusMarkShown) {
        // Inside the panel, so that the outline of the window never cuts it.
        QPen pen(m_focusMarkColor, kFocusMarkWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const qreal inset = kFocusMarkWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    }
}

QPointF SkinPanel::pointerTwips() const
{
    return twipsFromPixels(QPointF(mapFromGlobal(QCursor::pos())));
}

void SkinPanel::mousePressEvent(QMouseEvent* event)
{
    keyboardNavigating = false;
    const QPointF at = twipsFromPixels(event->position());
    emit mouseDown(mouseButtonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void SkinPanel::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = twipsFromPixels(event->position());
    emit mouseMove(mouseButtonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y());
}

void SkinPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = twipsFromPixels(event->position());
    emit mouseUp(mouseButtonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void SkinPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a left double click is reported as the double
    // click alone (down, up, double click, up); the shade strip relies on not
    // seeing a second press that would start a window drag. Other buttons have
    // no double click and report a plain press.
    if (event->button() == Qt::LeftButton)
        emit dblClick();
    else
        mousePressEvent(event);
}

void SkinPanel::enterEvent(QEnterEvent* event)
{
    const QPointF at = twipsFromPixels(event->position());
    emit mouseEnter(mouseButtonCode(QGuiApplication::mouseButtons()),
                    shiftCode(QGuiApplication::keyboardModifiers()), at.x(), at.y());
}

void SkinPanel::leaveEvent(QEvent*)
{
    const QPointF at = pointerTwips();
    emit mouseExit(mouseButtonCode(QGuiApplication::mouseButtons()),
                   shiftCode(QGuiApplication::keyboardModifiers()), at.x(), at.y());
}

void SkinPanel::dragEnterEvent(QDragEnterEvent* event)
{
    m_dragData = DragData(event->mimeData());
    event->setDropAction(safeDropAction(event->possibleActions()));
    event->accept();
    const QPointF at = twipsFromPixels(event->position());
    emit oleDragOver(m_dragData, dropEffectCode(event->possibleActions()),
                     mouseButtonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y(),
                     static_cast<int>(DragState::Enter));
}

void SkinPanel::dragMoveEvent(QDragMoveEvent* event)
{
    event->setDropAction(safeDropAction(event->possibleActions()));
    event->accept();
    const QPointF at = twipsFromPixels(event->position());
    emit oleDragOver(m_dragData, dropEffectCode(event->possibleActions()),
                     mouseButtonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y(),
                     static_cast<int>(DragState::Over));
}

void SkinPanel::dragLeaveEvent(QDragLeaveEvent*)
{
    const QPointF at = pointerTwips();
    const DragData leaving = std::exchange(m_dragData, DragData());
    emit oleDragOver(leaving, DropEffectCode::kNone, mouseButtonCode(QGuiApplication::mouseButtons()),
                     shiftCode(QGuiApplication::keyboardModifiers()), at.x(), at.y(),
                     static_cast<int>(DragState::Leave));
}

void SkinPanel::dropEvent(QDropEvent* event)
{
    m_dragData = DragData();
    const DragData dropped(event->mimeData());
    event->setDropAction(safeDropAction(event->possibleActions()));
    event->accept();
    const QPointF at = twipsFromPixels(event->position());
    emit oleDragDrop(dropped, dropEffectCode(event->possibleActions()),
                     mouseButtonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y());
}

void SkinPanel::showEvent(QShowEvent*)
{
    updateAnimationTimer();
}

void SkinPanel::hideEvent(QHideEvent*)
{
    updateAnimationTimer();
}

} // namespace controls
