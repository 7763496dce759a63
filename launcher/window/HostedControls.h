#pragma once

#include "launcher/skin/HotKeyText.h"
#include "platform/component/Container.h"
#include "platform/component/Dispatch.h"

#include <QPixmap>

#include <functional>
#include <string>

class QWidget;

namespace launcher {

// The component controls the main window carries, created by their ProgIDs
// from the window's saved design data: two window-shape controls (the full
// outline and the shaded one) and the hot-key control.
class HostedControls {
public:
    HostedControls();
    ~HostedControls();

    // Creates the three controls. Returns an empty string, or a message that
    // names the control that could not be created and how to register it.
    std::string create();

    // Gives `window` the outline of `picture` (its magenta pixels cut away)
    // through FormShape1 (normal) or FormShape2 (shaded).
    enum class Outline { Full, Shaded };
    void outline(Outline which, QWidget& window, const QPixmap& picture);
    // Gives the shape control its picture without binding it to a window
    // (the shade outline waits until the window is rolled up).
    void setPicture(Outline which, const QPixmap& picture);
    // Binds the shape control to the window, applying its outline.
    void bind(Outline which, QWidget& window);

    // Outlines another window (the splash) through a window-shape control
    // of its own, made for the purpose. The window keeps its outline after
    // the control is gone.
    void outlineOtherWindow(QWidget& window, const QPixmap& picture);

    void setHotKey(const HotKeySetting& setting);
    void setHotKeyEnabled(bool enabled);
    void setHotKeyUpHandler(std::function<void()> handler) { m_hotKeyUp = std::move(handler); }

private:
    using IDispatchRef = quorvex::platform::component::Ref<quorvex::platform::component::IDispatch>;
    IDispatchRef& shape(Outline which) { return which == Outline::Full ? m_formShape1 : m_formShape2; }
    static void setShapePicture(IDispatchRef& control, const QPixmap& picture);

    quorvex::platform::component::Ref<quorvex::platform::component::AmbientSite> m_site;
    IDispatchRef m_formShape1;
    IDispatchRef m_formShape2;
    IDispatchRef m_hotkey;
    quorvex::platform::component::Ref<quorvex::platform::component::EventSink> m_hotKeyEvents;
    uint32_t m_hotKeyCookie = 0;
    std::function<void()> m_hotKeyUp;
};

} // namespace launcher
