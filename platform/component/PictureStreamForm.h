#pragma once

#include "platform/component/HResult.h"
#include "platform/component/Picture.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quorvex::platform::component {

// The two stream forms of a picture, both little-endian:
// - Standard: the marker "lt\0\0", the byte count, then the picture's file
//   bytes (a BMP file in the picture's own depth, a placeable or plain
//   metafile, an enhanced metafile or an icon). The kind is not stored; it is
//   told from the file bytes. An empty picture is the header with count 0.
//   This is what other containers write and read.
// - Own: the tag "QPic", the kind (16 bits), two reserved zero bytes, the
//   byte count, then the file bytes. Earlier versions wrote only this form; it
//   is still written for bytes whose kind the standard form cannot carry.
enum class PictureStreamForm {
    Standard,
    Own,
};

struct PictureStreamContent {
    PictureKind kind = PictureKind::None;
    std::vector<uint8_t> data;
};

// The kind of picture file `data` holds, from its leading bytes; None when
// the bytes are no known picture file.
PictureKind pictureKindOfData(std::span<const uint8_t> data);

// The form that keeps `kind` with `data`: the standard one whenever the
// bytes themselves say their kind.
PictureStreamForm pictureStreamFormFor(PictureKind kind, std::span<const uint8_t> data);

uint32_t pictureStreamHeaderBytes(PictureStreamForm form);

// Reads either form. Refuses a count above kMaxPictureDataBytes (kTooLarge)
// and a count beyond the stream's end (kReadFault) before allocating, and
// standard-form bytes of no known kind (kInvalidData).
HResult readPictureStream(IStream& stream, PictureStreamContent& content);

// Writes one form. A count above kMaxPictureDataBytes is refused with
// kTooLarge before anything is written.
HResult writePictureStream(IStream& stream, PictureStreamForm form, PictureKind kind, std::span<const uint8_t> data);

} // namespace quorvex::platform::component
