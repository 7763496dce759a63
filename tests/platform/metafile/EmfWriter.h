#pragma once

#include <cstdint>
#include <vector>

namespace quorvex::platform::testing {

// Writes small enhanced metafiles record by record, for feeding renderers
// pictures whose painted pixels are known.
class EmfWriter {
public:
    // The picture's bounds in device pixels (inclusive, as the format has it).
    EmfWriter(std::int32_t width, std::int32_t height);

    void selectStockObject(std::uint32_t stockObject);
    void rectangle(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);
    void ellipse(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

    std::vector<std::uint8_t> finish();

    static constexpr std::uint32_t kWhiteBrush = 0x80000000;
    static constexpr std::uint32_t kBlackBrush = 0x80000004;
    static constexpr std::uint32_t kNullPen = 0x80000008;

private:
    void put32(std::uint32_t value);
    void record(std::uint32_t type, std::initializer_list<std::uint32_t> fields);

    std::int32_t m_width;
    std::int32_t m_height;
    std::vector<std::uint8_t> m_body;
    std::uint32_t m_records = 0;
};

} // namespace quorvex::platform::testing
