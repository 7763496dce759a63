// Loading every picture of a bundled skin, as start-up does, at scale 1 and
// at scale 2: Ferrolume has @2x pictures to read, Slatewise has its pictures
// enlarged. Also the reduction of a doubled background to the picture its
// outline is cut from.
#include "launcher/controls/MaskColour.h"
#include "launcher/controls/PixelScale.h"
#include "launcher/skin/SkinPictures.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string skinFolder(const char* skin)
{
    return std::string(QUORVEX_SOURCE_DIR) + "/assets/skins/" + skin + "/";
}

// The pictures of the skin's folder that are not @2x partners or thumbnails.
std::vector<std::string> pictureNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".bmp" && name.find("@2x") == std::string::npos && name != "thumbnail.bmp")
            names.push_back(name);
    }
    return names;
}

void BM_LoadSkinPictures(benchmark::State& state, const char* skin)
{
    const std::string folder = skinFolder(skin);
    const std::vector<std::string> names = pictureNames(folder);
    const int scale = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (const std::string& name : names)
            benchmark::DoNotOptimize(launcher::LoadSkinPicture(folder, name, scale));
    }
    state.counters["pictures"] = static_cast<double>(names.size());
}
BENCHMARK_CAPTURE(BM_LoadSkinPictures, Ferrolume, "Ferrolume")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSkinPictures, Slatewise, "Slatewise")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_ReduceForOutline(benchmark::State& state)
{
    const QImage doubled = launcher::LoadSkinPicture(skinFolder("Ferrolume"), "Ferrolume.bmp", 2).picture.toImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(controls::reducedForOutline(doubled, 2, controls::kMaskColour));
}
BENCHMARK(BM_ReduceForOutline)->Unit(benchmark::kMicrosecond);

} // namespace
