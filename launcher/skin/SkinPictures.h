#pragma once

#include <QImage>
#include <QPixmap>

#include <string>

namespace launcher {

struct DecodedPicture {
    QImage image;      // null unless the whole picture was decoded
    std::string error; // names the file and what is wrong; empty when decoded
    bool missing = false; // no file of that name exists at all
};

// Reads and decodes a picture file completely: the file must be a regular
// file of bounded size, a bitmap must hold every pixel row its header
// promises and no more pixels than a skin may use, and the decoder must
// succeed. Anything less is an error, never a partly black picture.
DecodedPicture DecodePictureFile(const std::string& path);

struct SkinPicture {
    QPixmap picture;   // null when the picture cannot be used
    std::string error; // why not, naming the file; empty when loaded
    bool missing = false;
};

// Loads a picture of a skin folder, finding the file without regard to
// letter case.
SkinPicture LoadSkinPicture(const std::string& skinFolder, const std::string& fileName);

// A picture the skin can do without: one that is there but cannot be used is
// treated as missing, with a line on stderr saying why.
QPixmap LoadOptionalSkinPicture(const std::string& skinFolder, const std::string& fileName);

} // namespace launcher
