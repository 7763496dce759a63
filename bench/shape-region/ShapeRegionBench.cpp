// Mask scan against Qt's bitmap-to-region conversion, and polygon scan
// conversion against X11's, on the same inputs.

#include "shape/region/BitmapRegion.h"
#include "shape/region/Region.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <vector>

namespace {

using quorvex::shape::BitmapView;
using quorvex::shape::BuildMaskRegion;
using quorvex::shape::FillRule;
using quorvex::shape::Point;

constexpr QRgb kMaskColour = 0xFFFF00FF;

// A 4K skin background: a textured plate with rounded corners, a round
// window, two slots and a notch, everything else magenta.
const QImage& skinImage()
{
    static const QImage image = [] {
        const int width = 3840, height = 2160;
        QImage img(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < width; ++x)
                row[x] = qRgb((x * 7 + y) & 0xFF, (y * 3) & 0x7F, (x ^ y) & 0xFF);
        }
        QImage mask(width, height, QImage::Format_RGB32);
        mask.fill(kMaskColour);
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPainterPath outline;
        outline.setFillRule(Qt::OddEvenFill);
        outline.addRoundedRect(QRectF(40, 40, width - 80, height - 80), 160, 160);
        outline.addEllipse(QPointF(900, 1000), 420, 420);
        outline.addRect(QRectF(2000, 400, 1400, 120));
        outline.addRect(QRectF(2000, 700, 1400, 120));
        outline.addRoundedRect(QRectF(1800, 1500, 1600, 400), 60, 60);
        painter.fillPath(outline, Qt::black);
        painter.end();
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
            const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
            for (int x = 0; x < width; ++x)
                if (m[x] == kMaskColour)
                    row[x] = kMaskColour;
        }
        return img;
    }();
    return image;
}

BitmapView view(const QImage& image)
{
    return BitmapView{reinterpret_cast<const std::uint32_t*>(image.constBits()), image.width(), image.height(),
                      static_cast<std::size_t>(image.bytesPerLine())};
}

quorvex::shape::Region toRegion(const QRegion& region)
{
    std::vector<quorvex::shape::Rect> rects;
    for (const QRect& r : region)
        rects.push_back(quorvex::shape::Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    return quorvex::shape::Region::fromRects(rects);
}

void BM_MaskRegion_Ours(benchmark::State& state)
{
    const QImage& image = skinImage();
    std::size_t rects = 0;
    for (auto _ : state) {
        std::optional<quorvex::shape::Region> region = BuildMaskRegion(view(image), kMaskColour & 0xFFFFFF);
        rects = region->rectCount();
        benchmark::DoNotOptimize(region);
    }
    state.counters["rects"] = double(rects);
}
BENCHMARK(BM_MaskRegion_Ours)->Unit(benchmark::kMillisecond);

void BM_MaskRegion_QtBitmap(benchmark::State& state)
{
    const QImage& image = skinImage();
    std::size_t rects = 0;
    for (auto _ : state) {
        const QBitmap bitmap = QBitmap::fromImage(image.createMaskFromColor(kMaskColour, Qt::MaskInColor));
        const QRegion region(bitmap);
        rects = std::size_t(region.rectCount());
        benchmark::DoNotOptimize(region);
    }
    state.counters["rects"] = double(rects);
}
BENCHMARK(BM_MaskRegion_QtBitmap)->Unit(benchmark::kMillisecond);

// A star-shaped outline: vertices at sorted angles with random radii.
std::vector<Point> starPolygon(int vertices)
{
    std::mt19937 random(1234u + unsigned(vertices));
    std::uniform_real_distribution<double> radius(300.0, 1000.0);
    std::vector<Point> points;
    for (int i = 0; i < vertices; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / vertices;
        const double r = radius(random);
        points.push_back(Point{int(1000 + r * std::cos(angle)), int(1000 + r * std::sin(angle))});
    }
    return points;
}

void BM_Polygon_Ours(benchmark::State& state)
{
    const std::vector<Point> points = starPolygon(int(state.range(0)));
    for (auto _ : state) {
        quorvex::shape::Region region = quorvex::shape::Region::polygon(points, FillRule::Alternate);
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_Polygon_Ours)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_Polygon_X11(benchmark::State& state)
{
    std::vector<XPoint> points;
    for (const Point& p : starPolygon(int(state.range(0))))
        points.push_back(XPoint{short(p.x), short(p.y)});
    for (auto _ : state) {
        ::Region region = XPolygonRegion(points.data(), int(points.size()), EvenOddRule);
        benchmark::DoNotOptimize(region);
        XDestroyRegion(region);
    }
}
BENCHMARK(BM_Polygon_X11)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // QBitmap needs a GUI application

    // Both conversions must give the same pixels before their speed means anything.
    const std::optional<quorvex::shape::Region> ours = BuildMaskRegion(view(skinImage()), kMaskColour & 0xFFFFFF);
    const QRegion qt(QBitmap::fromImage(skinImage().createMaskFromColor(kMaskColour, Qt::MaskInColor)));
    if (!ours || *ours != toRegion(qt)) {
        std::fprintf(stderr, "mask regions disagree: ours %llu pixels, Qt %llu\n",
                     ours ? static_cast<unsigned long long>(ours->area()) : 0ull,
                     static_cast<unsigned long long>(toRegion(qt).area()));
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
