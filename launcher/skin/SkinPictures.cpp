#include "launcher/skin/SkinPictures.h"

#include "launcher/skin/BitmapHeader.h"
#include "platform/files/BoundedFileReader.h"
#include "platform/files/CaseInsensitivePath.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

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

SkinPicture LoadSkinPicture(const std::string& skinFolder, const std::string& fileName)
{
    const std::string path = platform::resolveCaseInsensitive(skinFolder + fileName).string();
    DecodedPicture decoded = DecodePictureFile(path);
    if (decoded.image.isNull())
        return {QPixmap(), std::move(decoded.error), decoded.missing};
    return {QPixmap::fromImage(decoded.image), {}, false};
}

QPixmap LoadOptionalSkinPicture(const std::string& skinFolder, const std::string& fileName)
{
    SkinPicture loaded = LoadSkinPicture(skinFolder, fileName);
    if (!loaded.missing)
        platform::reportSkippedFile(loaded.error);
    return loaded.picture;
}

} // namespace launcher
