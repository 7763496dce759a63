#include "EmfWriter.h"

namespace quorvex::platform::testing {

namespace {

constexpr std::uint32_t kHeader = 1;
constexpr std::uint32_t kEof = 14;
constexpr std::uint32_t kSelectObject = 37;
constexpr std::uint32_t kEllipse = 42;
constexpr std::uint32_t kRectangle = 43;
constexpr std::uint32_t kHeaderSize = 88;

void append32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace

EmfWriter::EmfWriter(std::int32_t width, std::int32_t height)
    : m_width(width)
    , m_height(height)
{
}

void EmfWriter::put32(std::uint32_t value)
{
    append32(m_body, value);
}

void EmfWriter::record(std::uint32_t type, std::initializer_list<std::uint32_t> fields)
{
    put32(type);
    put32(static_cast<std::uint32_t>(8 + 4 * fields.size()));
    for (std::uint32_t field : fields)
        put32(field);
    ++m_records;
}

void EmfWriter::selectStockObject(std::uint32_t stockObject)
{
    record(kSelectObject, {stockObject});
}

void EmfWriter::rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    record(kRectangle, {std::uint32_t(left), std::uint32_t(top), std::uint32_t(right), std::uint32_t(bottom)});
}

void EmfWriter::ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    record(kEllipse, {std::uint32_t(left), std::uint32_t(top), std::uint32_t(right), std::uint32_t(bottom)});
}

std::vector<std::uint8_t> EmfWriter::finish()
{
    std::vector<std::uint8_t> body = m_body;
    // End of file: no palette, the palette offset, and this record's size.
    append32(body, kEof);
    append32(body, 20);
    append32(body, 0);
    append32(body, 16);
    append32(body, 20);

    std::vector<std::uint8_t> out;
    const auto total = static_cast<std::uint32_t>(kHeaderSize + body.size());
    append32(out, kHeader);
    append32(out, kHeaderSize);
    for (std::uint32_t v : {0u, 0u, std::uint32_t(m_width - 1), std::uint32_t(m_height - 1)})
        append32(out, v); // bounds, device pixels
    // Frame in 0.01 mm, for a 96 dpi reference device (1 pixel = 26.46 units).
    for (std::uint32_t v : {0u, 0u, std::uint32_t(m_width * 2646 / 100), std::uint32_t(m_height * 2646 / 100)})
        append32(out, v);
    append32(out, 0x464D4520); // " EMF"
    append32(out, 0x00010000);
    append32(out, total);
    append32(out, m_records + 2);
    append32(out, 1); // handles (index 0 is reserved) + reserved 16 bits
    append32(out, 0); // description length
    append32(out, 0); // description offset
    append32(out, 0); // palette entries
    append32(out, 1024); // reference device, pixels
    append32(out, 768);
    append32(out, 271); // reference device, millimetres (96 dpi)
    append32(out, 203);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

} // namespace quorvex::platform::testing
