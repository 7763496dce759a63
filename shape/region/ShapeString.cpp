#include "shape/region/ShapeString.h"

#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <numbers>
#include <optional>
#include <string>

namespace quorvex::shape {

namespace {

// Degrees to radians in two steps, times pi then times the double nearest
// 1/180, so that sweeps come out bit for bit the same on every build.
constexpr double kOneOver180 = 0.005555555555555556;

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

struct TokenText {
    std::size_t begin; // the opening bracket
    std::size_t end;   // the closing bracket, or the end of the text
};

std::optional<TokenText> readToken(ParsedShape& shape)
{
    const std::string& text = shape.text;
    std::size_t pos = shape.readPosition;
    while (pos < text.size() && text[pos] != '(' && text[pos] != '[' && text[pos] != '}')
        ++pos;
    if (pos >= text.size() || text[pos] == '}') {
        shape.readPosition = pos;
        return std::nullopt;
    }
    const char closing = text[pos] == '(' ? ')' : ']';
    std::size_t close = text.find(closing, pos + 1);
    if (close == std::string::npos) {
        shape.readPosition = text.size();
        return TokenText{pos, text.size()};
    }
    shape.readPosition = close + 1;
    return TokenText{pos, close};
}

// The token's numbers: each runs from after the previous comma to the next
// comma or the end of the token; missing ones read as 0.
void readNumbers(const char* begin, const char* end, double* numbers, int count)
{
    const char* field = begin;
    bool exhausted = false;
    for (int i = 0; i < count; ++i) {
        if (exhausted) {
            numbers[i] = 0.0;
            continue;
        }
        const char* comma = field;
        while (comma < end && *comma != ',')
            ++comma;
        numbers[i] = ReadCNumber(field, comma);
        exhausted = comma == end;
        field = exhausted ? end : comma + 1;
    }
}

std::optional<ShapeRecord> makeRecord(const ParsedShape& shape, const TokenText& token,
                                      const ShapeRecord* previous)
{
    if (token.end - token.begin < 2)
        return std::nullopt;
    const char* begin = shape.text.data() + token.begin;
    const char* end = shape.text.data() + token.end;

    ShapeRecord record;
    if (*begin == '(') {
        double numbers[2];
        readNumbers(begin + 1, end, numbers, 2);
        record.kind = ShapeRecordKind::Point;
        record.endX = numbers[0];
        record.endY = numbers[1];
        if (previous) {
            record.startX = previous->endX;
            record.startY = previous->endY;
        } else {
            record.startX = record.endX;
            record.startY = record.endY;
        }
        return record;
    }

    double numbers[3];
    readNumbers(begin + 1, end, numbers, 3);
    record.kind = ShapeRecordKind::Arc;
    record.centreX = numbers[0];
    record.centreY = numbers[1];
    // A figure that opens with an arc has no point before it; its first
    // reading starts (and, with radius 0, ends) at the arc's centre. The
    // closing record re-reads it from the figure's last vertex.
    record.startX = previous ? previous->endX : record.centreX;
    record.startY = previous ? previous->endY : record.centreY;
    record.sweep = numbers[2] * std::numbers::pi * kOneOver180;
    const double dx = record.startX - record.centreX;
    const double dy = record.startY - record.centreY;
    record.radius = std::sqrt(dx * dx + dy * dy);
    record.startAngle = std::atan2(dy, dx);
    record.endX = record.centreX + record.radius * std::cos(record.startAngle + record.sweep);
    record.endY = record.centreY + record.radius * std::sin(record.startAngle + record.sweep);
    return record;
}

} // namespace

double ReadCNumber(const char* begin, const char* end)
{
    // strtod needs a terminated string, and the token must not be read past.
    const std::string field(begin, end);
    return strtod_l(field.c_str(), nullptr, cLocale());
}

void ParseShapeString(ParsedShape& shape)
{
    shape.records.clear();
    shape.figureStarts.clear();
    shape.readPosition = 0;
    const std::string& text = shape.text;

    while (true) {
        const std::size_t brace = text.find('{', shape.readPosition);
        if (brace == std::string::npos)
            break;
        shape.readPosition = brace + 1;

        const std::optional<TokenText> first = readToken(shape);
        if (!first)
            continue;
        const std::optional<ShapeRecord> holding = makeRecord(shape, *first, nullptr);
        if (!holding)
            continue;
        const std::optional<TokenText> second = readToken(shape);
        if (!second)
            continue;
        const std::optional<ShapeRecord> secondRecord = makeRecord(shape, *second, &*holding);
        if (!secondRecord)
            continue;

        shape.figureStarts.push_back(shape.records.size());
        shape.records.push_back(*secondRecord);
        while (const std::optional<TokenText> token = readToken(shape)) {
            if (std::optional<ShapeRecord> record = makeRecord(shape, *token, &shape.records.back()))
                shape.records.push_back(*record);
        }
        // Closing the outline: the first token again, now from the last vertex.
        const ShapeRecord closing = *makeRecord(shape, *first, &shape.records.back());
        shape.records.push_back(closing);
    }
}

} // namespace quorvex::shape
