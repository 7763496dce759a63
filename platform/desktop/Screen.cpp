#include "platform/desktop/Screen.h"

#include <QGuiApplication>
#include <QObject>
#include <QScreen>

namespace platform {

// Follows the screens: every screen's geometry, and screens coming and going.
class QtScreen::Watcher final : public QObject {
public:
    Watcher()
    {
        if (!qGuiApp)
            return;
        for (QScreen* screen : QGuiApplication::screens())
            follow(screen);
        connect(qGuiApp, &QGuiApplication::screenAdded, this, [this](QScreen* screen) {
            follow(screen);
            notify();
        });
        // The removed screen is still listed while the signal is delivered.
        connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this](QScreen*) { notifyLater(); });
        connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen*) { notify(); });
    }

    std::function<void()> changed;

private:
    void follow(QScreen* screen)
    {
        connect(screen, &QScreen::geometryChanged, this, [this](const QRect&) { notify(); });
    }
    void notify()
    {
        if (changed)
            changed();
    }
    void notifyLater()
    {
        QMetaObject::invokeMethod(this, [this] { notify(); }, Qt::QueuedConnection);
    }
};

QtScreen::QtScreen()
    : m_watcher(new Watcher)
{
}

QtScreen::~QtScreen()
{
    delete m_watcher;
}

ScreenSize QtScreen::size() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QRect geometry = screen->geometry();
    return {geometry.width(), geometry.height()};
}

std::vector<ScreenArea> QtScreen::areas() const
{
    std::vector<ScreenArea> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    const auto add = [&areas](const QScreen* screen) {
        const QRect geometry = screen->geometry();
        areas.push_back({geometry.x(), geometry.y(), geometry.width(), geometry.height()});
    };
    if (primary)
        add(primary);
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            add(screen);
    return areas;
}

double QtScreen::devicePixelRatio() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

void QtScreen::setLayoutChangedHandler(std::function<void()> changed)
{
    m_watcher->changed = std::move(changed);
}

} // namespace platform
