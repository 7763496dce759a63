#include "launcher/skin/SkinPictures.h"

#include "platform/files/CaseInsensitivePath.h"

#include <QImageReader>

namespace launcher {

QPixmap LoadSkinPicture(const std::string& skinFolder, const std::string& fileName)
{
    const std::string path = platform::resolveCaseInsensitive(skinFolder + fileName).string();
    QImageReader reader(QString::fromStdString(path));
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

} // namespace launcher
