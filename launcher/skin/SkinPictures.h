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

// How many device pixels wide a skin pixel is drawn on a screen of the given
// device-pixel ratio: 1 up to 1.5; above that the ratio rounded, at least 2
// and at most kMaxPictureScale (Qt enlarges further by itself).
inline constexpr int kMaxPictureScale = 4;
int PictureScaleForRatio(double devicePixelRatio);

// Why a double-size picture of `doubleSize` cannot stand in for a picture of
// `base` (it must be exactly twice as wide and twice as high); empty when it
// can.
std::string DoubleSizeMismatch(QSize base, QSize doubleSize);

struct ScaledPicture {
    QImage image;        // its devicePixelRatio() says how it was scaled
    std::string warning; // why a double-size picture was not used; empty if none
};

// A skin picture ready for a screen of `scale` (PictureScaleForRatio). For an
// even scale the skin's double-size picture `doubleSize` (null when the skin
// has none) is the source, but only when it is exactly twice `base` in both
// directions; otherwise it is ignored with a warning naming
// `doubleSizePath`. The source is then enlarged pixel by pixel to the scale.
// A result beyond the pixel limit of skin pictures is not made: `base` comes
// back unscaled and Qt enlarges it while drawing.
ScaledPicture PictureForScale(const QImage& base, const QImage& doubleSize, int scale,
                              const std::string& doubleSizePath);

struct SkinPicture {
    QPixmap picture;   // null when the picture cannot be used
    std::string error; // why not, naming the file; empty when loaded
    bool missing = false;
};

// Loads a picture of a skin folder, finding the file without regard to
// letter case, for a screen of `scale` (see PictureForScale). The file
// `fileName` itself is what the skin must have; its "@2x" partner is looked
// for only at even scales, and one that cannot be used is skipped with a line
// on stderr.
SkinPicture LoadSkinPicture(const std::string& skinFolder, const std::string& fileName, int scale = 1);

// A picture the skin can do without: one that is there but cannot be used is
// treated as missing, with a line on stderr saying why.
QPixmap LoadOptionalSkinPicture(const std::string& skinFolder, const std::string& fileName, int scale = 1);

} // namespace launcher
