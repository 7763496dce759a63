#pragma once

#include <string>

namespace quorvex::hotkey {

// The classes-root entries of the library in registry-script form, with
// "%MODULE%" standing for the library's path.
const std::string& hotKeyRegistryScript();

// Writes or removes them in the classes root at its default path. False,
// with a message, when the classes root cannot be read or written.
bool registerHotKeyServer(const std::string& modulePath, std::string* error = nullptr);
bool unregisterHotKeyServer(std::string* error = nullptr);

} // namespace quorvex::hotkey
