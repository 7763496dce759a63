#include "launcher/controls/WindowRole.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QWidget>

namespace controls {

namespace {

QAccessibleInterface* windowAccessible(const QString& className, QObject* object)
{
    // Answer once, for the class the window is, and only for direct QWidget
    // subclasses: Qt's own window classes have interfaces of their own.
    if (!object || !object->isWidgetType())
        return nullptr;
    const QMetaObject* meta = object->metaObject();
    if (className != QLatin1String(meta->className()) || meta->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow() || qobject_cast<QDialog*>(widget))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void giveWindowsTheirRole()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace controls
