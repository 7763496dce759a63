#pragma once

#include "platform/component/Control.h"

namespace quorvex::hotkey {

// The type information of the two controls, as IProvideClassInfo hands it
// out and as registration describes them.
const quorvex::platform::component::ClassInfo& hotKeyCoReceiverClassInfo();
const quorvex::platform::component::ClassInfo& hotKeyReciverClassInfo();

} // namespace quorvex::hotkey
