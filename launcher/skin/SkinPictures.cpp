#include "launcher/skin/SkinPictures.h"

#include "launcher/controls/PixelScale.h"
#include "launcher/skin/BitmapHeader.h"
#include "launcher/skin/SkinFileNames.h"
#include "platform/files/BoundedFileReader.h"
#include "platform/files/CaseInsensitivePath.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace launcher {

namespace {

DecodedPicture failed(const std::string& path, const std::string& problem)
{
    return {QImage(), "cannot use the picture " + path + ": " + problem, false};
}

} // namespace

DecodedPicture DecodePictureFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return {QImage(), "missing picture " + path, true};
    std::string bytes;
    if (std::string problem = platform::BoundedFileReader(platform::readLimits::kBitmapBytes).read(path, bytes);
        !problem.empty())
        return {QImage(), problem, false};

    const BitmapHeaderCheck header = checkBitmapHeader(bytes);
    if (!header.problem.empty())
        return failed(path, header.problem);

    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!header.isBitmap) {
        // Other formats are capped by the size their own header gives.
        const QSize size = reader.size();
        if (size.isValid() && static_cast<uint64_t>(size.width()) * static_cast<uint64_t>(size.height()) >
                                  kMaxSkinPicturePixels)
            return failed(path, "the picture has more pixels than a skin may use");
    }
    QImage image = reader.read();
    if (image.isNull())
        return failed(path, reader.errorString().toStdString());
    return {std::move(image), {}, false};
}

int PictureScaleForRatio(double devicePixelRatio)
{
    if (!(devicePixelRatio > 1.5))
        return 1;
    return static_cast<int>(std::clamp(std::lround(devicePixelRatio), 2L, static_cast<long>(kMaxPictureScale)));
}

std::string DoubleSizeMismatch(QSize base, QSize doubleSize)
{
    if (doubleSize == base * 2)
        return {};
    return "it is " + std::to_string(doubleSize.width()) + " x " + std::to_string(doubleSize.height()) +
           " pixels, not twice the " + std::to_string(base.width()) + " x " + std::to_string(base.height()) +
           " of the picture it doubles";
}

ScaledPicture PictureForScale(const QImage& base, const QImage& doubleSize, int scale,
                              const std::string& doubleSizePath)
{
    ScaledPicture result;
    if (scale < 2 || base.isNull()) {
        result.image = base;
        return result;
    }
    QImage source = base;
    int sourceScale = 1;
    if (!doubleSize.isNull() && scale % 2 == 0) {
        if (const std::string mismatch = DoubleSizeMismatch(base.size(), doubleSize.size()); mismatch.empty()) {
            source = doubleSize;
            sourceScale = 2;
        } else {
            result.warning = "ignoring " + doubleSizePath + ": " + mismatch;
        }
    }
    const uint64_t scaledPixels = static_cast<uint64_t>(base.width()) * static_cast<uint64_t>(base.height()) *
                                  static_cast<uint64_t>(scale) * static_cast<uint64_t>(scale);
    if (scaledPixels > kMaxSkinPicturePixels) {
        result.image = base;
        return result;
    }
    result.image = controls::scaledNearest(source, scale / sourceScale);
    result.image.setDevicePixelRatio(scale);
    return result;
}

SkinPicture LoadSkinPicture(const std::string& skinFolder, const std::string& fileName, int scale)
{
    const std::string path = platform::resolveCaseInsensitive(skinFolder + fileName).string();
    DecodedPicture decoded = DecodePictureFile(path);
    if (decoded.image.isNull())
        return {QPixmap(), std::move(decoded.error), decoded.missing};
    if (scale < 2)
        return {QPixmap::fromImage(decoded.image), {}, false};

    QImage doubleSize;
    std::string doubleSizePath;
    if (scale % 2 == 0) {
        doubleSizePath = platform::resolveCaseInsensitive(skinFolder + DoubleSizeFileName(fileName)).string();
        DecodedPicture doubled = DecodePictureFile(doubleSizePath);
        if (!doubled.missing)
            platform::reportSkippedFile(doubled.error);
        doubleSize = std::move(doubled.image);
    }
    const ScaledPicture scaled = PictureForScale(decoded.image, doubleSize, scale, doubleSizePath);
    platform::reportSkippedFile(scaled.warning);
    QPixmap picture = QPixmap::fromImage(scaled.image);
    picture.setDevicePixelRatio(scaled.image.devicePixelRatio());
    return {std::move(picture), {}, false};
}

QPixmap LoadOptionalSkinPicture(const std::string& skinFolder, const std::string& fileName, int scale)
{
    SkinPicture loaded = LoadSkinPicture(skinFolder, fileName, scale);
    if (!loaded.missing)
        platform::reportSkippedFile(loaded.error);
    return loaded.picture;
}

} // namespace launcher
