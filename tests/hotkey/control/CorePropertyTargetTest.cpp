#include "hotkey/control/CorePropertyTarget.h"
#include "platform/keystate/FakeKeyState.h"

#include <gtest/gtest.h>

namespace quorvex::hotkey {
namespace {

TEST(CorePropertyTargetTest, ReadsAndWritesByNameIgnoringCase)
{
    platform::FakeKeyState keys;
    ManualPollTimer timer;
    HotKeyReceiverCore core(ModifierRule::Exact, keys, timer);
    CorePropertyTarget target(core);

    EXPECT_EQ(target.setProperty(QStringLiteral("interval"), QVariant(QStringLiteral("300"))),
              std::nullopt);
    EXPECT_EQ(target.setProperty(QStringLiteral("MASKKEY"), QVariant(145)), std::nullopt);
    EXPECT_EQ(target.setProperty(QStringLiteral("CtrlKey"), QVariant(true)), std::nullopt);
    EXPECT_EQ(target.setProperty(QStringLiteral("Enabled"), QVariant(0)), std::nullopt);
    EXPECT_EQ(core.interval(), 300);
    EXPECT_EQ(core.maskKey(), 145);
    EXPECT_TRUE(core.ctrlKey());
    EXPECT_FALSE(core.enabled());
    EXPECT_EQ(target.property(QStringLiteral("Interval")), QVariant(300));
    EXPECT_EQ(target.property(QStringLiteral("CtrlKey")), QVariant(true));
}

TEST(CorePropertyTargetTest, RefusedValueLeavesThePropertyAlone)
{
    platform::FakeKeyState keys;
    ManualPollTimer timer;
    HotKeyReceiverCore core(ModifierRule::Exact, keys, timer);
    CorePropertyTarget target(core);
    core.setInterval(250);
    EXPECT_EQ(target.setProperty(QStringLiteral("Interval"), QVariant(QStringLiteral("fast"))),
              QStringLiteral("Type mismatch"));
    EXPECT_EQ(target.setProperty(QStringLiteral("Interval"), QVariant(QStringLiteral("9999999999"))),
              QStringLiteral("Overflow"));
    EXPECT_EQ(core.interval(), 250);
}

TEST(CorePropertyTargetTest, KeyOnlyControlHasNoModifierProperties)
{
    platform::FakeKeyState keys;
    ManualPollTimer timer;
    HotKeyReceiverCore core(ModifierRule::Ignore, keys, timer);
    CorePropertyTarget target(core);
    for (const char* name : {"ShiftKey", "CtrlKey", "AltKey", "Visible"}) {
        EXPECT_FALSE(target.property(QLatin1String(name)).isValid()) << name;
        EXPECT_TRUE(target.setProperty(QLatin1String(name), QVariant(true)).has_value()) << name;
    }
    EXPECT_TRUE(target.property(QStringLiteral("MaskKey")).isValid());
}

} // namespace
} // namespace quorvex::hotkey
