#include "launcher/window/HostedControls.h"

#include "hotkey/HotKeyClasses.h"
#include "launcher/controls/MaskColour.h"
#include "launcher/controls/PixelScale.h"
#include "platform/component/DesignData.h"
#include "platform/component/Picture.h"

#include <QImage>
#include <QWidget>

namespace launcher {

namespace pc = quorvex::platform::component;
namespace hk = quorvex::hotkey;

namespace {

// The outline is cut in the window's own pixels, which Qt and the window
// system multiply by the screen's ratio; a high-density picture is brought
// back to one pixel per window pixel for it.
pc::Bitmap32 toBitmap(const QPixmap& picture)
{
    const int ratio = static_cast<int>(picture.devicePixelRatio());
    const QImage image =
        controls::reducedForOutline(picture.toImage(), ratio, controls::kMaskColour).convertToFormat(QImage::Format_ARGB32);
    pc::Bitmap32 bitmap(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
        std::copy(row, row + image.width(), bitmap.pixels.begin() + static_cast<ptrdiff_t>(y) * image.width());
    }
    return bitmap;
}

// Window handles cross component interfaces as 32-bit integers.
pc::Variant windowHandle(QWidget& window)
{
    return pc::Variant(static_cast<int32_t>(window.winId()));
}

} // namespace

HostedControls::HostedControls()
    : m_site(pc::AmbientSite::create(/*userMode=*/true))
{
}

HostedControls::~HostedControls()
{
    if (m_hotkey && m_hotKeyCookie)
        pc::disconnectEvents(m_hotkey.get(), hk::kHotKeyCoReceiverEventsIid, m_hotKeyCookie);
}

std::string HostedControls::create()
{
    const std::vector<uint8_t> shapeDesign = pc::formShapeLauncherDesignData();
    for (IDispatchRef* target : {&m_formShape1, &m_formShape2}) {
        pc::Created<pc::IDispatch> created = pc::createControl(pc::kFormShapeProgId, shapeDesign, m_site.get());
        if (!created)
            return created.error;
        *target = created.object;
    }
    pc::Created<pc::IDispatch> hotkey = hk::createLauncherHotKey(m_site.get());
    if (!hotkey)
        return hotkey.error;
    m_hotkey = hotkey.object;
    m_hotKeyEvents = pc::EventSink::create(hk::kHotKeyCoReceiverEventsIid, [this](pc::DispId event, auto) {
        if (event == hk::kHotKeyUpEvent && m_hotKeyUp)
            m_hotKeyUp();
    });
    pc::connectEvents(m_hotkey.get(), hk::kHotKeyCoReceiverEventsIid, m_hotKeyEvents.get(), &m_hotKeyCookie);
    return {};
}

void HostedControls::bind(Outline which, QWidget& window)
{
    if (IDispatchRef& control = shape(which))
        pc::setProperty(control.get(), "hWnd", windowHandle(window));
}

void HostedControls::outline(Outline which, QWidget& window, const QPixmap& picture)
{
    bind(which, window);
    setPicture(which, picture);
}

void HostedControls::setPicture(Outline which, const QPixmap& picture)
{
    if (IDispatchRef& control = shape(which))
        setShapePicture(control, picture);
}

void HostedControls::setShapePicture(IDispatchRef& control, const QPixmap& picture)
{
    pc::Ref<pc::IPicture> shapePicture = pc::createPictureFromBitmap(toBitmap(picture));
    pc::Ref<pc::IDispatch> pictureDispatch = pc::queryInterface<pc::IDispatch>(shapePicture);
    pc::setPropertyByRef(control.get(), "ShapePicture", pc::Variant(pictureDispatch));
}

void HostedControls::outlineOtherWindow(QWidget& window, const QPixmap& picture)
{
    pc::Created<pc::IDispatch> created =
        pc::createControl(pc::kFormShapeProgId, pc::formShapeLauncherDesignData(), m_site.get());
    if (!created)
        return;
    pc::setProperty(created.object.get(), "hWnd", windowHandle(window));
    setShapePicture(created.object, picture);
}

void HostedControls::setHotKey(const HotKeySetting& setting)
{
    if (!m_hotkey)
        return;
    pc::setProperty(m_hotkey.get(), "CtrlKey", pc::Variant::boolean(setting.ctrlKey));
    pc::setProperty(m_hotkey.get(), "ShiftKey", pc::Variant::boolean(setting.shiftKey));
    pc::setProperty(m_hotkey.get(), "AltKey", pc::Variant::boolean(setting.altKey));
    pc::setProperty(m_hotkey.get(), "MaskKey", pc::Variant(static_cast<int32_t>(setting.maskKey)));
}

void HostedControls::setHotKeyEnabled(bool enabled)
{
    if (m_hotkey)
        pc::setProperty(m_hotkey.get(), "Enabled", pc::Variant::boolean(enabled));
}

} // namespace launcher
