#include "hotkey/pages/DispatchPropertyTarget.h"
#include "hotkey/pages/HotKeyGeneralPage.h"
#include "hotkey/server/HotKeyControl.h"
#include "hotkey/server/SharedKeyState.h"
#include "platform/keystate/FakeKeyState.h"
#include "hotkey/support/QtTestApplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace quorvex::hotkey {
namespace {

// A control that records every property written to it, in order.
class RecordingTarget final : public PropertyTarget {
public:
    QVariant property(const QString& name) const override
    {
        auto found = values.find(name);
        return found == values.end() ? QVariant() : found->second;
    }
    std::optional<QString> setProperty(const QString& name, const QVariant& value) override
    {
        written.push_back(name);
        if (name == refuse)
            return QStringLiteral("Type mismatch");
        values[name] = value;
        return std::nullopt;
    }

    std::map<QString, QVariant> values;
    std::vector<QString> written;
    QString refuse;
};

using platform::component::IDispatch;
using platform::component::Ref;

// The pages edit a real HotKeyCoReceiver through its dispatch interface.
class HotKeyGeneralPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureQtApplication();
        setSharedKeyStateOverride(&keys);
        control = Ref<IDispatch>::adopt(static_cast<IDispatch*>(HotKeyControl::createCoReceiver()));
        target = std::make_unique<DispatchPropertyTarget>(control.get());
    }
    void TearDown() override { setSharedKeyStateOverride(nullptr); }

    HotKeyReceiverCore& core() { return static_cast<HotKeyControl*>(control.get())->core(); }

    platform::FakeKeyState keys;
    Ref<IDispatch> control;
    std::unique_ptr<DispatchPropertyTarget> target;
};

int indexOfText(const QComboBox* list, const QString& text)
{
    return list->findText(text, Qt::MatchExactly);
}

TEST_F(HotKeyGeneralPageTest, ShowsTheFirstSelectedControl)
{
    core().setAltKey(true);
    core().setShiftKey(false);
    core().setCtrlKey(true);
    core().setEnabled(false);
    core().setInterval(333);
    core().setMaskKey(145);
    RecordingTarget second;
    GeneralCo page;
    page.setSelectedControls({target.get(), &second});

    EXPECT_TRUE(page.chkAltKey()->isChecked());
    EXPECT_TRUE(page.chkCtrlKey()->isChecked());
    EXPECT_FALSE(page.chkShiftKey()->isChecked());
    EXPECT_FALSE(page.chkEnabled()->isChecked());
    EXPECT_EQ(page.txtInterval()->text(), QStringLiteral("333"));
    EXPECT_EQ(page.cboMaskKey()->currentText(), QStringLiteral("HotKeyScrolllock"));
    EXPECT_FALSE(page.isChanged()) << "showing values is not a change";
    EXPECT_EQ(page.caption(), QStringLiteral("General"));
}

TEST_F(HotKeyGeneralPageTest, ApplyWritesEditedValuesBack)
{
    core().setMaskKey(27);
    core().setInterval(250);
    GeneralCo page;
    page.setSelectedControls({target.get()});

    page.chkShiftKey()->click();
    page.chkEnabled()->click();
    page.txtInterval()->clear();
    QTest::keyClicks(page.txtInterval(), QStringLiteral("125"));
    const int f1 = indexOfText(page.cboMaskKey(), QStringLiteral("HotKeyF1 "));
    ASSERT_GE(f1, 0);
    page.cboMaskKey()->setCurrentIndex(f1);
    emit page.cboMaskKey()->activated(f1);
    ASSERT_TRUE(page.isChanged());

    EXPECT_EQ(page.applyChanges(), std::nullopt);
    EXPECT_TRUE(core().shiftKey());
    EXPECT_FALSE(core().enabled());
    EXPECT_EQ(core().interval(), 125);
    EXPECT_EQ(core().maskKey(), 112);
    EXPECT_FALSE(page.isChanged());

    GeneralCo reopened;
    reopened.setSelectedControls({target.get()});
    EXPECT_FALSE(reopened.chkEnabled()->isChecked());
    EXPECT_TRUE(reopened.chkShiftKey()->isChecked());
    EXPECT_EQ(reopened.cboMaskKey()->currentData(), QVariant(112));
}

TEST_F(HotKeyGeneralPageTest, ChoosingScrollLockAppliesItsCode)
{
    GeneralCo page;
    page.setSelectedControls({target.get()});
    const int index = indexOfText(page.cboMaskKey(), QStringLiteral("HotKeyScrolllock"));
    page.cboMaskKey()->setCurrentIndex(index);
    page.applyChanges();
    EXPECT_EQ(core().maskKey(), 145);
}

TEST_F(HotKeyGeneralPageTest, EveryUserEditMarksThePageChanged)
{
    struct Edit {
        const char* name;
        std::function<void(GeneralCo&)> act;
    };
    const Edit edits[] = {
        {"alt", [](GeneralCo& p) { p.chkAltKey()->click(); }},
        {"ctrl", [](GeneralCo& p) { p.chkCtrlKey()->click(); }},
        {"shift", [](GeneralCo& p) { p.chkShiftKey()->click(); }},
        {"enabled", [](GeneralCo& p) { p.chkEnabled()->click(); }},
        {"interval", [](GeneralCo& p) { QTest::keyClick(p.txtInterval(), Qt::Key_5); }},
        {"mask key", [](GeneralCo& p) { emit p.cboMaskKey()->activated(3); }},
    };
    for (const Edit& edit : edits) {
        GeneralCo page;
        page.setSelectedControls({target.get()});
        QSignalSpy spy(&page, &PropertyPage::changedStateChanged);
        ASSERT_FALSE(page.isChanged()) << edit.name;
        edit.act(page);
        EXPECT_TRUE(page.isChanged()) << edit.name;
        EXPECT_EQ(spy.count(), 1) << edit.name;
    }
}

TEST_F(HotKeyGeneralPageTest, MaskKeyNotInTheListLeavesTheSelection)
{
    core().setMaskKey(145);
    GeneralCo page;
    page.setSelectedControls({target.get()});
    ASSERT_EQ(page.cboMaskKey()->currentData(), QVariant(145));

    core().setMaskKey(146);
    page.setSelectedControls({target.get()});
    EXPECT_EQ(page.cboMaskKey()->currentData(), QVariant(145));

    GeneralCo fresh;
    fresh.setSelectedControls({target.get()});
    EXPECT_EQ(fresh.cboMaskKey()->currentIndex(), -1);
    fresh.applyChanges();
    EXPECT_EQ(core().maskKey(), 146) << "no selection must leave MaskKey as it is";
}

TEST_F(HotKeyGeneralPageTest, AppliesInOrderAndStopsAtARefusedValue)
{
    RecordingTarget control;
    control.values[QStringLiteral("MaskKey")] = QVariant(65);
    control.values[QStringLiteral("Interval")] = QVariant(250);
    GeneralCo page;
    page.setSelectedControls({&control});
    EXPECT_EQ(page.applyChanges(), std::nullopt);
    EXPECT_EQ(control.written, (std::vector<QString>{"AltKey", "CtrlKey", "ShiftKey", "Enabled",
                                                      "Interval", "MaskKey"}));
    EXPECT_EQ(control.values[QStringLiteral("Interval")], QVariant(QStringLiteral("250")));

    control.written.clear();
    control.refuse = QStringLiteral("Interval");
    page.chkAltKey()->click();
    EXPECT_EQ(page.applyChanges(), QStringLiteral("Type mismatch"));
    EXPECT_EQ(control.written.back(), QStringLiteral("Interval"));
    EXPECT_EQ(control.values[QStringLiteral("AltKey")], QVariant(true));
    EXPECT_TRUE(page.isChanged()) << "a failed apply keeps the page changed";
}

TEST_F(HotKeyGeneralPageTest, BadIntervalTextKeepsEarlierProperties)
{
    core().setInterval(250);
    GeneralCo page;
    page.setSelectedControls({target.get()});
    page.chkCtrlKey()->click();
    page.txtInterval()->setText(QStringLiteral("soon"));
    EXPECT_EQ(page.applyChanges(), QStringLiteral("Type mismatch"));
    EXPECT_TRUE(core().ctrlKey());
    EXPECT_EQ(core().interval(), 250);
}

TEST_F(HotKeyGeneralPageTest, KeyOnlyPageHasNoModifiersAndWritesNone)
{
    RecordingTarget control;
    control.values[QStringLiteral("MaskKey")] = QVariant(9);
    General page;
    EXPECT_FALSE(page.hasModifiers());
    EXPECT_EQ(page.findChild<QCheckBox*>(QStringLiteral("chkAltKey")), nullptr);
    EXPECT_NE(page.findChild<QComboBox*>(QStringLiteral("cboMaskKey")), nullptr);
    page.setSelectedControls({&control});
    page.applyChanges();
    EXPECT_EQ(control.written, (std::vector<QString>{"Enabled", "Interval", "MaskKey"}));
}

} // namespace
} // namespace quorvex::hotkey
