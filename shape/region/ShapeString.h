#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvex::shape {

enum class ShapeRecordKind : std::int32_t {
    Point = 0,
    Arc = 1,
};

// One token of a shape string. Every record starts where the record before it
// ended, so a figure's records form its outline in order.
struct ShapeRecord {
    ShapeRecordKind kind = ShapeRecordKind::Point;
    double startX = 0.0;
    double startY = 0.0;
    double endX = 0.0;
    double endY = 0.0;
    // Arcs only.
    double centreX = 0.0;
    double centreY = 0.0;
    double radius = 0.0;     // centre to start point
    double startAngle = 0.0; // radians, atan2(start - centre)
    double sweep = 0.0;      // radians; positive turns from +x towards +y
};

struct ParsedShape {
    std::string text; // 8-bit text, set before ParseShapeString
    std::size_t readPosition = 0;
    std::vector<ShapeRecord> records;
    std::vector<std::size_t> figureStarts; // index of each figure's first record

    std::size_t figureCount() const { return figureStarts.size(); }
    // Index range [first, last) of figure i in `records`.
    std::size_t figureBegin(std::size_t i) const { return figureStarts[i]; }
    std::size_t figureEnd(std::size_t i) const
    {
        return i + 1 < figureStarts.size() ? figureStarts[i + 1] : records.size();
    }
};

// Fills shape.records and shape.figureStarts from shape.text. Never fails:
// unreadable tokens are dropped, figures with fewer than two readable tokens
// are skipped. A figure that opens with an arc takes the arc's centre as the
// point it starts from.
void ParseShapeString(ParsedShape& shape);

// Reads a decimal number the way atof does in the "C" locale, whatever the
// process locale: leading white space skipped, optional sign, digits with an
// optional '.' fraction and exponent, also "inf"/"nan" and hexadecimal
// floats; reading stops at the first character that cannot continue the
// number, and no number at all reads as 0.
double ReadCNumber(const char* begin, const char* end);

} // namespace quorvex::shape
