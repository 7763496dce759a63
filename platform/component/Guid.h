#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex::platform::component {

// A 128-bit identifier of a class, an interface or a type library. Written as
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; stored in streams as 16 bytes with
// the first three fields little-endian.
struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};

    // For constants: Guid::literal("{40BD39F1-6F1E-11D1-B2DF-444553540000}").
    static consteval Guid literal(std::string_view text)
    {
        auto parsed = parseText(text);
        if (!parsed)
            throw "malformed identifier literal";
        return *parsed;
    }

    // Braces are optional; letters may be of either case.
    static constexpr std::optional<Guid> parse(std::string_view text) { return parseText(text); }

    static constexpr size_t kByteSize = 16;
    static Guid fromBytes(const uint8_t* bytes);
    void toBytes(uint8_t* bytes) const;

    // Upper case, with braces.
    std::string toString() const;
    bool isNull() const { return *this == Guid{}; }

    friend constexpr bool operator==(const Guid&, const Guid&) = default;

private:
    static constexpr int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    static constexpr std::optional<Guid> parseText(std::string_view text)
    {
        if (text.size() == 38 && text.front() == '{' && text.back() == '}')
            text = text.substr(1, 36);
        if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-')
            return std::nullopt;
        uint8_t bytes[16] = {};
        size_t at = 0;
        for (int i = 0; i < 16; ++i) {
            if (text[at] == '-')
                ++at;
            int high = hexValue(text[at]);
            int low = hexValue(text[at + 1]);
            if (high < 0 || low < 0)
                return std::nullopt;
            bytes[i] = static_cast<uint8_t>(high * 16 + low);
            at += 2;
        }
        Guid g;
        g.data1 = (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | bytes[3];
        g.data2 = static_cast<uint16_t>((bytes[4] << 8) | bytes[5]);
        g.data3 = static_cast<uint16_t>((bytes[6] << 8) | bytes[7]);
        for (int i = 0; i < 8; ++i)
            g.data4[i] = bytes[8 + i];
        return g;
    }
};

} // namespace quorvex::platform::component
