#pragma once

#include "platform/keystate/KeyStateService.h"

namespace quorvex::hotkey {

// The key-state service every hot-key control of this process polls: one
// X11 connection, opened when the first control needs it.
platform::KeyStateService& sharedKeyState();

// Lets a test host put a scripted keyboard in its place; null restores the
// real one. Affects controls created afterwards.
void setSharedKeyStateOverride(platform::KeyStateService* keyState);

} // namespace quorvex::hotkey
