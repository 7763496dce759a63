#pragma once

#include <QRegion>
#include <QWidget>

namespace quorvex::platform {

// Paints a translucent window fully transparent outside its outline. A shape
// alone is not enough everywhere: a compositor that ignores X shapes shows
// the pixels beneath it, and a mask on Wayland only sets where input goes.
// It lies above every other child, lets the pointer and drops through, and
// paints last, so whatever the children drew there is wiped.
class CutAwayEraser final : public QWidget {
public:
    // The window's eraser, made on first use.
    static CutAwayEraser& of(QWidget& window);
    // Removes the window's eraser, if it has one: every pixel shows again.
    static void removeFrom(QWidget& window);

    // Keeps the pixels of `outline` (the window's own coordinates) and
    // erases the rest of the window.
    void keepOnly(const QRegion& outline);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CutAwayEraser(QWidget& window);
    void followWindow();

    QRegion m_outline;
    QRegion m_erased;
};

} // namespace quorvex::platform
