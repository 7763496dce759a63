// Setting a shape string on a control that shapes a 640 x 480 window: parsing,
// the outline at scale 1 and the outline installed on the window, as a
// container's property change runs them. The texts of the component's
// documentation against texts built to be as costly as possible.

#include "support/HostileShapeStrings.h"

#include "platform/windowregion/RecordingWindowRegionSystem.h"
#include "shape/control/FormShape.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace quorvex;

constexpr platform::RegionWindowId kWindow = 0x500001;

std::u16string utf16(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

void setShapeString(benchmark::State& state, const std::string& text, bool autoScale)
{
    platform::RecordingWindowRegionSystem windows;
    windows.addWindow(kWindow, platform::RegionRect{0, 0, 640, 480});
    platform::component::Ref<shape::IFormShape> control =
        platform::component::Ref<shape::IFormShape>::adopt(shape::FormShape::create(windows, nullptr));
    control->putAutoScale(autoScale ? platform::component::kVariantTrue : platform::component::kVariantFalse);
    control->putShapeType(0);
    control->putHWnd(static_cast<std::int32_t>(kWindow));
    const std::u16string shapeText = utf16(text);
    for (auto _ : state) {
        control->putShapeString(shapeText);
        windows.clearCalls();
    }
    const auto region = windows.currentRegion(kWindow);
    state.counters["rects"] = region ? double(region->size()) : -1.0; // -1: left rectangular
    state.counters["bytes"] = double(text.size());
}

struct Example {
    const char* name;
    const char* text;
};

// The worked examples of the component's documentation.
constexpr Example kExamples[] = {
    {"Square", "{(0,0)(100,0)(100,100)(0,100)}"},
    {"Disc", "{(100,50)[50,50,360]}"},
    {"SquareWithHole", "{(0,0)(200,0)(200,200)(0,200)}{(50,50)(150,50)(150,150)(50,150)}"},
    {"HalfCircleCap", "{(0,0)(100,0)[100,50,180](0,100)}"},
};

void registerAll()
{
    for (bool autoScale : {false, true}) {
        const std::string scaling = autoScale ? "/AutoScale" : "/FixedScale";
        for (const Example& example : kExamples)
            benchmark::RegisterBenchmark(("BM_Example_" + std::string(example.name) + scaling).c_str(),
                                         [example, autoScale](benchmark::State& state) {
                                             setShapeString(state, example.text, autoScale);
                                         })
                ->Unit(benchmark::kMicrosecond);
        const std::pair<const char*, std::string> hostile[] = {
            {"BM_Hostile_Stripes100", shape::hostile::diagonalStripes(100)},
            {"BM_Hostile_Circles5000", shape::hostile::overlappingCircles(5000)},
            {"BM_Hostile_ZigZag10k", shape::hostile::zigZag(10000)},
        };
        for (const auto& [name, text] : hostile)
            benchmark::RegisterBenchmark((name + scaling).c_str(), [text, autoScale](benchmark::State& state) {
                setShapeString(state, text, autoScale);
            })->Unit(benchmark::kMillisecond)->Iterations(3);
    }
}

} // namespace

int main(int argc, char** argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
