# The Debian package, made by CPack from the install rules (packaging/): the
# same files as `cmake --install`, under /usr. scripts/package.sh builds and
# checks it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Quorvex developers <quorvex@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "skinnable application launcher for X11 desktops")
# One string: a CMake list would lose its semicolons.
set(CPACK_PACKAGE_DESCRIPTION "A small frameless window, cut to the outline of its skin, with section
buttons and launch buttons for the shortcuts of each section. Shortcuts
are added by dropping files, programs or web links on the window. A
global hot key brings it forward. Skins are INI files and bitmaps.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Run-time libraries come from the binaries; the component libraries are
# loaded through the registry, so they are looked at on their own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/quorvex)
# The X11 platform plugin is opened at run time rather than linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The Wayland platform plugin is needed only in a Wayland session without an
# X display.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/debian/compress-manuals.cmake)
include(CPack)
