#include "hotkey/pages/MaskKeyList.h"

namespace quorvex::hotkey {

namespace {

std::vector<MaskKeyItem> buildList()
{
    std::vector<MaskKeyItem> items;
    auto add = [&items](const QString& name, int virtualKey) {
        items.push_back({QStringLiteral("HotKey") + name + QLatin1Char(' '), virtualKey});
    };
    const std::pair<const char*, int> leading[] = {
        {"LButton", 1}, {"RButton", 2}, {"Cancel", 3}, {"MButton", 4}, {"Back", 8},
        {"Tab", 9}, {"Clear", 12}, {"Return", 13}, {"Shift", 16}, {"Control", 17},
        {"Menu", 18}, {"Pause", 19}, {"Capital", 20}, {"Escape", 27}, {"Space", 32},
        {"Prior", 33}, {"Next", 34}, {"End", 35}, {"Home", 36}, {"Left", 37},
        {"Up", 38}, {"Right", 39}, {"Down", 40}, {"Select", 41}, {"Print", 42},
        {"Execute", 43}, {"Snapshot", 44}, {"Insert", 45}, {"Delete", 46}, {"Help", 47},
    };
    for (const auto& [name, virtualKey] : leading)
        add(QLatin1String(name), virtualKey);
    // Letters come before digits here although their codes are higher.
    for (int letter = 0; letter < 26; ++letter)
        add(QString(QChar('A' + letter)), 'A' + letter);
    for (int digit = 0; digit < 10; ++digit)
        add(QString::number(digit), '0' + digit);
    for (int digit = 0; digit < 10; ++digit)
        add(QStringLiteral("Numpad") + QString::number(digit), 96 + digit);
    const std::pair<const char*, int> keypad[] = {
        {"Multiply", 106}, {"Add", 107}, {"Separator", 108}, {"Subtract", 109},
        {"Decimal", 110}, {"Divide", 111}, {"Numlock", 144},
    };
    for (const auto& [name, virtualKey] : keypad)
        add(QLatin1String(name), virtualKey);
    // The one item without a trailing blank.
    items.push_back({QStringLiteral("HotKeyScrolllock"), 145});
    for (int function = 1; function <= 16; ++function)
        add(QStringLiteral("F") + QString::number(function), 111 + function);
    return items;
}

} // namespace

const std::vector<MaskKeyItem>& maskKeyList()
{
    static const std::vector<MaskKeyItem> items = buildList();
    return items;
}

} // namespace quorvex::hotkey
