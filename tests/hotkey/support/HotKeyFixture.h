#pragma once

#include "hotkey/HotKeyClasses.h"
#include "hotkey/server/HotKeyControl.h"
#include "hotkey/server/SharedKeyState.h"
#include "platform/component/Container.h"
#include "platform/keystate/FakeKeyState.h"

#include <gtest/gtest.h>

namespace quorvex::hotkey {

// A hot-key control over a scripted keyboard, hosted by a site whose user
// mode the test chooses.
class HotKeyFixture : public ::testing::Test {
protected:
    void SetUp() override { setSharedKeyStateOverride(&keys); }
    void TearDown() override
    {
        for (auto& object : created)
            static_cast<HotKeyControl*>(object.get())->close();
        created.clear();
        setSharedKeyStateOverride(nullptr);
    }

    pc::Ref<pc::IDispatch> make(ModifierRule rule = ModifierRule::Exact, bool userMode = true)
    {
        auto object = pc::Ref<pc::IDispatch>::adopt(static_cast<pc::IDispatch*>(
            rule == ModifierRule::Exact ? HotKeyControl::createCoReceiver() : HotKeyControl::createReciver()));
        site = pc::AmbientSite::create(userMode);
        control(object).setClientSite(site.get());
        created.push_back(object);
        return object;
    }

    static HotKeyControl& control(const pc::Ref<pc::IDispatch>& object)
    {
        return *static_cast<HotKeyControl*>(object.get());
    }

    platform::FakeKeyState keys;
    pc::Ref<pc::AmbientSite> site;
    std::vector<pc::Ref<pc::IDispatch>> created;
};

} // namespace quorvex::hotkey
