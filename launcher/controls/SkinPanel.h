#pragma once

#include "launcher/controls/DragData.h"
#include "launcher/controls/Placement.h"
#include "launcher/controls/PointerCodes.h"

#include <QAccessible>
#include <QColor>
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace controls {

// The skinned element of the launcher window: action, section and launch
// buttons, the shade strip and the film loops are all SkinPanels.
//
// Drawing, bottom to top:
//  1. the back fill: with BackStyle 0 the panel has none and whatever lies
//     beneath it (the window's background) shows; any other BackStyle fills
//     the panel with backColor();
//  2. the background picture, stretched over the whole panel. While
//     maskedBackground() is 0 its magenta pixels are see-through; any other
//     value draws them as they are. The launcher sets BackStyle and this value
//     to the same skin "Transparency" number, so 0 means "see-through where
//     the skin leaves it".
//  3. the picture (a shortcut icon, or the frame strip of a film loop): one
//     frame of it, placed by pictureAlignment(); with maskTransparent() on its
//     magenta pixels are see-through;
//  4. the caption in foreColor() and the panel's font, placed by
//     captionAlignment() (see Placement.h for the codes).
//
// Film loop: the picture is a horizontal strip of frameCount() equal frames.
// While animation is on, the panel steps to the next frame frameRate() times
// a second by itself. The step timer only runs while it has something to do:
// animation on, a rate above 0, more than one frame, a picture, and the panel
// visible. An idle or hidden panel costs nothing.
//
// Events report pointer positions in twips relative to the panel, buttons and
// modifier keys in the codes of PointerCodes.h. Pressing a button captures the
// pointer: moves and the release reach this panel even outside it. A left
// double click arrives as mouseDown, mouseUp, dblClick, mouseUp.
// Visibility and the tool tip are QWidget's own (setVisible, setToolTip).
// Drops are off by default, as for any QWidget: call setAcceptDrops(true) on
// panels that take files. Such a panel accepts every drag, also one without
// files, so that its drop handler can tell the user what it cannot take.
class SkinPanel : public QWidget {
    Q_OBJECT

public:
    explicit SkinPanel(QWidget* parent = nullptr);
    ~SkinPanel() override;

    // Position and size in twips. Reading back gives the twips last set, as
    // long as the widget has not been moved or resized by other means since.
    int leftTwips() const;
    int topTwips() const;
    int widthTwips() const;
    int heightTwips() const;
    void setLeftTwips(int twips);
    void setTopTwips(int twips);
    void setWidthTwips(int twips);
    void setHeightTwips(int twips);
    void setGeometryTwips(int leftTwips, int topTwips, int widthTwips, int heightTwips);

    // A null pixmap removes the picture.
    const QPixmap& backgroundPicture() const { return m_background; }
    void setBackgroundPicture(const QPixmap& picture);

    const QPixmap& picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

    int pictureAlignment() const { return m_pictureAlignment; }
    void setPictureAlignment(int placementCode);

    const QString& caption() const { return m_caption; }
    void setCaption(const QString& caption);

    int captionAlignment() const { return m_captionAlignment; }
    void setCaptionAlignment(int placementCode);

    const QColor& foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& color);

    const QColor& backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);

    int backStyle() const { return m_backStyle; }
    void setBackStyle(int backStyle);

    int maskedBackground() const { return m_maskedBackground; }
    void setMaskedBackground(int value);

    // The caption font, one attribute at a time. An empty name or a size of 0
    // or less keeps the current one.
    void setFontName(const QString& name);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);

    bool isAnimationEnabled() const { return m_animationEnabled; }
    void setAnimationEnabled(bool enabled);

    // At least 1: a count below 1 is taken as 1, so that callers dividing a
    // strip's width by the count read back never divide by zero.
    int frameCount() const { return m_frameCount; }
    void setFrameCount(int count);

    // Frames per second, 0 .. kMaxFrameRate; 0 holds the current frame.
    int frameRate() const { return m_frameRate; }
    void setFrameRate(int framesPerSecond);
    static constexpr int kMaxFrameRate = 100;

    bool maskTransparent() const { return m_maskTransparent; }
    void setMaskTransparent(bool on);

    // The frame shown, 0 .. frameCount() - 1.
    int currentFrame() const { return m_currentFrame; }
    // Shows the next frame, wrapping round; the animation timer calls it.
    void advanceFrame();
    // True while the animation timer is armed.
    bool isAnimationRunning() const;

    // Paints the panel now, without waiting for the event loop.
    void refresh();

    // Makes the panel a button of the keyboard: it takes focus by Tab or
    // click, shows a focus mark while focused, and Enter or Space press it
    // with the very events of a left click at its centre, so the keyboard
    // goes through the pointer's own logic. `role` is what screen readers
    // are told it is; its name is accessibleName(), its description the
    // tool tip. Other keys go on to the parent, as QWidget's do.
    void setKeyboardButton(QAccessible::Role role);
    QAccessible::Role accessibleRole() const { return m_accessibleRole; }
    // A left click at the centre: press and release.
    void pressByKeyboard();

    // Page tabs only: whether this is the section on show, which screen
    // readers are told as the tab's "selected" state.
    bool isAccessibleSelected() const { return m_accessibleSelected; }
    void setAccessibleSelected(bool selected);

    // The colour of the 2-pixel focus outline drawn over the skin.
    const QColor& focusMarkColor() const { return m_focusMarkColor; }
    void setFocusMarkColor(const QColor& color);

signals:
    void mouseDown(int button, int shift, double xTwips, double yTwips);
    void mouseMove(int button, int shift, double xTwips, double yTwips);
    void mouseUp(int button, int shift, double xTwips, double yTwips);
    void dblClick();
    void mouseEnter(int button, int shift, double xTwips, double yTwips);
    void mouseExit(int button, int shift, double xTwips, double yTwips);
    // `state` is a DragState value; `effect` the DropEffectCode mask the source
    // allows.
    void oleDragOver(const controls::DragData& data, int effect, int button, int shift,
                     double xTwips, double yTwips, int state);
    void oleDragDrop(const controls::DragData& data, int effect, int button, int shift,
                     double xTwips, double yTwips);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void updateAnimationTimer();
    void rebuildBackgroundPixmap();
    void rebuildPicturePixmap();
    QRect currentFrameSource() const;
    QPointF pointerTwips() const;
    void applyTwipsGeometry();
    void editFont(const std::function<void(QFont&)>& edit);
    void showFocusMark();

    int m_leftTwips = 0;
    int m_topTwips = 0;
    int m_widthTwips = 0;
    int m_heightTwips = 0;

    QPixmap m_background;
    QPixmap m_backgroundDrawn; // m_background with its mask applied when asked
    QPixmap m_picture;
    QPixmap m_pictureDrawn;
    int m_pictureAlignment = kPlacementCentreMiddle;

    QString m_caption;
    int m_captionAlignment = kPlacementCentreMiddle;
    QColor m_foreColor = Qt::black;
    QColor m_backColor = QColor(0xC0, 0xC0, 0xC0);
    int m_backStyle = 0;
    int m_maskedBackground = 0;

    bool m_animationEnabled = false;
    int m_frameCount = 1;
    int m_frameRate = 0;
    bool m_maskTransparent = false;
    int m_currentFrame = 0;
    QTimer m_animationTimer;

    DragData m_dragData; // the data of the drag in progress over the panel

    QAccessible::Role m_accessibleRole = QAccessible::Client;
    bool m_accessibleSelected = false;
    QColor m_focusMarkColor = Qt::white;
    bool m_focusMarkShown = false;
};

} // namespace controls
