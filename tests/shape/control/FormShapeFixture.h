#pragma once

#include "platform/component/Connection.h"
#include "platform/component/Picture.h"
#include "platform/windowregion/RecordingWindowRegionSystem.h"
#include "shape/control/FormShape.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex::shape::testing {

namespace component = platform::component;

// Records the property notifications of a control; can refuse edits.
class NotifySink final : public component::IPropertyNotifySink {
public:
    HResult queryInterface(const Guid& iid, void** out) override
    {
        return component::answerQuery<component::IPropertyNotifySink>(this, iid, out);
    }
    uint32_t addRef() override { return 2; }
    uint32_t release() override { return 1; }
    HResult onChanged(DispId id) override
    {
        changed.push_back(id);
        return component::kOk;
    }
    HResult onRequestEdit(DispId id) override
    {
        requested.push_back(id);
        return refuseEdits ? component::kFalse : component::kOk;
    }

    std::vector<DispId> changed;
    std::vector<DispId> requested;
    bool refuseEdits = false;
};

// A FormShape on a recording window system with two known windows, A (200 x
// 100) and B (300 x 100), and a connected notify sink.
class FormShapeTest : public ::testing::Test {
protected:
    static constexpr platform::RegionWindowId kWindowA = 0x400001;
    static constexpr platform::RegionWindowId kWindowB = 0x400002;

    FormShapeTest();
    ~FormShapeTest() override;

    component::Ref<IFormShape> m_shape;
    platform::RecordingWindowRegionSystem m_windows;
    NotifySink m_sink;

    // The outline window `w` holds now, as rectangles (nullopt = unshaped).
    std::optional<std::vector<platform::RegionRect>> regionOf(platform::RegionWindowId w) const
    {
        return m_windows.currentRegion(w);
    }
    // Calls that reached the window system since the last reset.
    size_t windowCalls() const { return m_windows.calls().size(); }
    void resetRecords()
    {
        m_windows.clearCalls();
        m_sink.changed.clear();
        m_sink.requested.clear();
    }
    template<class I>
    component::Ref<I> as() const
    {
        return component::queryInterface<I>(m_shape);
    }
};

// A bitmap filled with `background` with the rectangle [left, right) x
// [top, bottom) painted `foreground` (0xRRGGBB colours).
component::Bitmap32 makeBitmap(int32_t width, int32_t height, uint32_t background, uint32_t foreground,
                               int32_t left, int32_t top, int32_t right, int32_t bottom);
component::Ref<IDispatch> makePicture(const component::Bitmap32& bitmap);

std::vector<platform::RegionRect> rectsOf(std::initializer_list<platform::RegionRect> rects);

} // namespace quorvex::shape::testing
