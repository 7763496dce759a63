#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QPushButton;
class QWidget;

namespace controls {

// The keys of a dialog for a window that is not a QDialog: Escape runs the
// window's cancel action, Enter or Return presses the push button that has
// the focus, or else the window's default button. Keys a control uses
// itself (Enter in the hot-key question, Escape in an open list) never get
// here. The object belongs to the window.
class DialogKeys : public QObject {
    Q_OBJECT

public:
    // `cancel` may be empty (Escape does nothing); so may `defaultButton`.
    DialogKeys(QWidget& window, std::function<void()> cancel, QPushButton* defaultButton = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void()> m_cancel;
    QPointer<QPushButton> m_defaultButton;
};

} // namespace controls
