#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quorvex::shape {

// What the library carries besides code, looked up by type and number as a
// host would look up resources: "REGISTRY" 101 (the registration script),
// "TYPELIB" 1 (the type library as text), "BITMAP" 1 (toolbox image, BMP),
// "BITMAP" 202 (design image, BMP), "ICON" 1 (icon file, 32 and 16 pixels),
// "STRING" 1 ("Shape"), "VERSION" 1 (the version block as text) and "ABOUT" 1
// (the about text).
std::span<const uint8_t> findServerResource(std::string_view type, int id);

// The registration script; "%MODULE%" stands for the library's path.
std::string_view shapeRegistryScript();
// Entries that register the type library (removed again on unregistration).
std::string_view shapeTypeLibraryScript();

} // namespace quorvex::shape
