#include "platform/metafile/QtMetafileRenderer.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <emf2svg.h>

#include <cstdlib>
#include <vector>

namespace quorvex::platform {

namespace {

// Size limits keep a hostile file from asking for a gigantic image.
constexpr std::int32_t kMaxSide = 32767;
constexpr std::size_t kMinimumHeaderBytes = 88;

std::optional<QByteArray> toSvg(std::span<const std::uint8_t> metafile, std::int32_t width, std::int32_t height)
{
    if (metafile.size() < kMinimumHeaderBytes)
        return std::nullopt;
    // The converter takes a mutable buffer; it gets its own copy.
    std::vector<char> contents(metafile.begin(), metafile.end());
    char nameSpace[] = "";
    generatorOptions options{};
    options.nameSpace = nameSpace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    options.imgWidth = width;
    options.imgHeight = height;
    char* out = nullptr;
    std::size_t outLength = 0;
    const int ok = emf2svg(contents.data(), contents.size(), &out, &outLength, &options);
    if (!ok || !out) {
        std::free(out);
        return std::nullopt;
    }
    QByteArray svg(out, static_cast<qsizetype>(outLength));
    std::free(out);
    return svg;
}

} // namespace

std::optional<MonochromeImage> QtMetafileRenderer::render(std::span<const std::uint8_t> metafile,
                                                          MetafileFormat format, std::int32_t width,
                                                          std::int32_t height, MonochromeFill fill) const
{
    if (format != MetafileFormat::Enhanced || width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        return std::nullopt;
    MonochromeImage result = MonochromeImage::filled(width, height, fill);
    if (width == 0 || height == 0)
        return result;

    const std::optional<QByteArray> svg = toSvg(metafile, width, height);
    if (!svg)
        return std::nullopt;
    QSvgRenderer renderer(*svg);
    if (!renderer.isValid())
        return std::nullopt;

    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill == MonochromeFill::White ? Qt::white : Qt::black);
    {
        QPainter painter(&image);
        // Edge pixels must be painted or not; blended edges would read as
        // unpainted on one of the two backgrounds.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
    for (std::int32_t y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* out = result.bits.data() + std::size_t(y) * result.rowBytes;
        for (std::int32_t x = 0; x < width; ++x) {
            const auto mask = static_cast<std::uint8_t>(0x80u >> (x & 7));
            if (qGray(row[x]) >= 128)
                out[x >> 3] |= mask;
            else
                out[x >> 3] &= static_cast<std::uint8_t>(~mask);
        }
    }
    return result;
}

} // namespace quorvex::platform
