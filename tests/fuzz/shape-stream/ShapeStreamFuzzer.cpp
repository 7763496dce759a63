// Feeds arbitrary bytes to FormShape's stream loading. Whatever loads must
// save again, and what it saves must load back to the same bytes; nothing
// may read out of bounds or crash on the way.

#include "platform/component/MemoryStream.h"
#include "platform/windowregion/RecordingWindowRegionSystem.h"
#include "shape/control/FormShape.h"

#include <cstdlib>

using namespace quorvex::platform::component;
using quorvex::shape::FormShape;
using quorvex::shape::IFormShape;

namespace {

std::vector<uint8_t> save(IFormShape* shape)
{
    Ref<MemoryStream> out = MemoryStream::create();
    if (failed(queryInterface<IPersistStreamInit>(shape)->save(out.get(), true)))
        std::abort();
    return out->bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The classes root is never needed: only built-in pictures load.
    setenv("QUORVEX_CLASSES_ROOT", "/dev/null", 1);
    quorvex::platform::RecordingWindowRegionSystem windows;
    Ref<IFormShape> shape = Ref<IFormShape>::adopt(FormShape::create(windows, nullptr));
    Ref<MemoryStream> in = MemoryStream::create(std::span(data, size));
    if (failed(queryInterface<IPersistStreamInit>(shape)->load(in.get())))
        return 0;

    std::vector<uint8_t> first = save(shape.get());
    Ref<IFormShape> again = Ref<IFormShape>::adopt(FormShape::create(windows, nullptr));
    Ref<MemoryStream> reread = MemoryStream::create(first);
    if (failed(queryInterface<IPersistStreamInit>(again)->load(reread.get())))
        std::abort();
    if (save(again.get()) != first)
        std::abort();
    return 0;
}
