#include "launcher/controls/DialogKeys.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace controls {

DialogKeys::DialogKeys(QWidget& window, std::function<void()> cancel, QPushButton* defaultButton)
    : QObject(&window)
    , m_window(window)
    , m_cancel(std::move(cancel))
    , m_defaultButton(defaultButton)
{
    window.installEventFilter(this);
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event)
{
    // A key the focused control left unused travels up to the window, so
    // the window sees it last, as a dialog does.
    if (watched != &m_window || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (key->key() == Qt::Key_Escape && m_cancel) {
        m_cancel();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // A push button that is not the default ignores Enter outside a
        // QDialog; the user still means that button, not the default one.
        auto* focused = qobject_cast<QPushButton*>(m_window.focusWidget());
        QPushButton* target = focused ? focused : m_defaultButton.data();
        if (target && target->isVisible() && target->isEnabled()) {
            if (!key->isAutoRepeat())
                target->click();
            return true;
        }
    }
    return false;
}

} // namespace controls
