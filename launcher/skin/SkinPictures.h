#pragma once

#include <QPixmap>

#include <string>

namespace launcher {

// Loads a picture of a skin folder, finding the file without regard to
// letter case. A null pixmap when it is missing or not a picture.
QPixmap LoadSkinPicture(const std::string& skinFolder, const std::string& fileName);

} // namespace launcher
