#pragma once

#include "platform/component/Control.h"

namespace quorvex::shape {

// The type information of FormShape: its interface's members with their
// dispids, types and help strings, and the type library it belongs to.
const platform::component::ClassInfo& formShapeClassInfo();

} // namespace quorvex::shape
