#include "hotkey/control/PropertyCoercion.h"

#include <gtest/gtest.h>

namespace quorvex::hotkey {
namespace {

struct Int32Case {
    QVariant input;
    std::optional<std::int32_t> expected;
    const char* error;
};

TEST(PropertyCoercionTest, ToInt32)
{
    const Int32Case cases[] = {
        {QVariant(QStringLiteral("250")), 250, ""},
        {QVariant(QStringLiteral("  42 ")), 42, ""},
        {QVariant(QStringLiteral("-17")), -17, ""},
        {QVariant(QStringLiteral("2.5")), 2, ""},
        {QVariant(QStringLiteral("3.5")), 4, ""},
        {QVariant(QStringLiteral("1e3")), 1000, ""},
        {QVariant(QStringLiteral("2147483647")), 2147483647, ""},
        {QVariant(QStringLiteral("2147483648")), std::nullopt, "Overflow"},
        {QVariant(QStringLiteral("-2147483649")), std::nullopt, "Overflow"},
        {QVariant(QStringLiteral("abc")), std::nullopt, "Type mismatch"},
        {QVariant(QStringLiteral("12abc")), std::nullopt, "Type mismatch"},
        {QVariant(QString()), std::nullopt, "Type mismatch"},
        {QVariant(true), -1, ""},
        {QVariant(false), 0, ""},
        {QVariant(145), 145, ""},
        {QVariant(qlonglong(1) << 40), std::nullopt, "Overflow"},
        {QVariant(1e300), std::nullopt, "Overflow"},
        {QVariant(), std::nullopt, "Type mismatch"},
    };
    for (const Int32Case& c : cases) {
        const auto result = coerceToInt32(c.input);
        EXPECT_EQ(result.value, c.expected) << c.input.toString().toStdString();
        EXPECT_EQ(result.error, QLatin1String(c.error)) << c.input.toString().toStdString();
    }
}

TEST(PropertyCoercionTest, ToBool)
{
    EXPECT_EQ(coerceToBool(QVariant(-1)).value, true);
    EXPECT_EQ(coerceToBool(QVariant(0)).value, false);
    EXPECT_EQ(coerceToBool(QVariant(QStringLiteral("True"))).value, true);
    EXPECT_EQ(coerceToBool(QVariant(QStringLiteral(" false "))).value, false);
    EXPECT_EQ(coerceToBool(QVariant(QStringLiteral("0"))).value, false);
    EXPECT_EQ(coerceToBool(QVariant(QStringLiteral("yes"))).error, QStringLiteral("Type mismatch"));
    EXPECT_FALSE(coerceToBool(QVariant()).value.has_value());
}

} // namespace
} // namespace quorvex::hotkey
