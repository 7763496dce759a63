#pragma once

#include <functional>
#include <vector>

namespace platform {

struct ScreenSize {
    int widthPx = 0;
    int heightPx = 0;
};

// One monitor's part of the desktop, in desktop pixels.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int widthPx = 0;
    int heightPx = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    // The primary screen's full size.
    virtual ScreenSize size() const = 0;
    // Every monitor's area; the primary one first.
    virtual std::vector<ScreenArea> areas() const = 0;
    // Device pixels per desktop pixel on the primary screen: 1 on an
    // ordinary screen, 2 on a high-density one.
    virtual double devicePixelRatio() const = 0;
    // `changed` runs after monitors were added, removed, resized or moved.
    // A later call replaces the earlier handler.
    virtual void setLayoutChangedHandler(std::function<void()> changed) = 0;
};

// The screens as the window system reports them, followed as they change.
class QtScreen final : public Screen {
public:
    QtScreen();
    ~QtScreen() override;
    ScreenSize size() const override;
    std::vector<ScreenArea> areas() const override;
    double devicePixelRatio() const override;
    void setLayoutChangedHandler(std::function<void()> changed) override;

private:
    class Watcher;
    Watcher* m_watcher; // a QObject; owned here, deleted in the destructor
};

// One screen of a fixed size, or a layout a test sets and changes.
class FixedScreen final : public Screen {
public:
    explicit FixedScreen(ScreenSize size, double devicePixelRatio = 1.0)
        : m_areas{{0, 0, size.widthPx, size.heightPx}}
        , m_devicePixelRatio(devicePixelRatio)
    {
    }
    ScreenSize size() const override
    {
        return m_areas.empty() ? ScreenSize{} : ScreenSize{m_areas.front().widthPx, m_areas.front().heightPx};
    }
    std::vector<ScreenArea> areas() const override { return m_areas; }
    double devicePixelRatio() const override { return m_devicePixelRatio; }
    void setLayoutChangedHandler(std::function<void()> changed) override { m_changed = std::move(changed); }

    // Replaces the layout (primary first, at least one) and tells the handler.
    void change(std::vector<ScreenArea> areas)
    {
        m_areas = std::move(areas);
        if (m_changed)
            m_changed();
    }

private:
    std::vector<ScreenArea> m_areas;
    double m_devicePixelRatio;
    std::function<void()> m_changed;
};

} // namespace platform
