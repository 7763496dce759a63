#pragma once

#include <cstdint>

namespace quorvex::platform::component {

// Every interface method returns a 32-bit status: 0 is success, 1 is a
// success that answers "no" (a refused edit, a short read, a clean object),
// negative values are failures.
using HResult = int32_t;

inline constexpr HResult kOk = 0;
inline constexpr HResult kFalse = 1;
inline constexpr HResult kNotImplemented = static_cast<HResult>(0x80004001u);
inline constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kPointer = static_cast<HResult>(0x80004003u);
inline constexpr HResult kFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kUnexpected = static_cast<HResult>(0x8000FFFFu);
inline constexpr HResult kOutOfMemory = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult kInvalidArg = static_cast<HResult>(0x80070057u);
inline constexpr HResult kFileNotFound = static_cast<HResult>(0x80070002u);
inline constexpr HResult kMemberNotFound = static_cast<HResult>(0x80020003u);
inline constexpr HResult kTypeMismatch = static_cast<HResult>(0x80020005u);
inline constexpr HResult kUnknownName = static_cast<HResult>(0x80020006u);
inline constexpr HResult kOverflow = static_cast<HResult>(0x8002000Au);
inline constexpr HResult kBadParamCount = static_cast<HResult>(0x8002000Eu);
inline constexpr HResult kNoAggregation = static_cast<HResult>(0x80040110u);
inline constexpr HResult kClassNotAvailable = static_cast<HResult>(0x80040111u);
inline constexpr HResult kClassNotRegistered = static_cast<HResult>(0x80040154u);
inline constexpr HResult kNoConnection = static_cast<HResult>(0x80040200u);
inline constexpr HResult kAdviseLimit = static_cast<HResult>(0x80040201u);
inline constexpr HResult kNotLoaded = static_cast<HResult>(0x8007007Eu);
inline constexpr HResult kReadFault = static_cast<HResult>(0x8003001Eu);
inline constexpr HResult kInvalidData = static_cast<HResult>(0x8003001Du);
// The data is larger than the format's limit allows.
inline constexpr HResult kTooLarge = static_cast<HResult>(0x80030111u);

inline constexpr bool succeeded(HResult hr) { return hr >= 0; }
inline constexpr bool failed(HResult hr) { return hr < 0; }

} // namespace quorvex::platform::component
