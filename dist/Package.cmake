# SPDX-License-Identifier: MIT
# The Debian package: `cpack -G DEB` in the build folder packs what the install rules put under
# /usr, with stripped programs and the dependencies dpkg-shlibdeps finds in them. Configure with
# -DCMAKE_INSTALL_BINDIR=games -DCMAKE_INSTALL_DATADIR=share/games for the games layout, and with
# -DSTARCHASE_DEBIAN_FLAGS=ON: a build without Debian's hardening flags is not packed.
set(CPACK_PACKAGE_NAME starchase)
set(CPACK_PACKAGE_VENDOR "the starchase authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "top-down 3D space game with twelve chasing ships")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "You fly one ship through a wrap-around square of space, over a huge derelict
structure and a field of ten thousand stars, while twelve computer-controlled
ships chase you and fire shots that lead your ship.

Every ship is a line in a text catalogue with a MilkShape 3D model and a TGA
texture, so adding ships needs no code; the shipyard tool checks, draws and
writes them. Games can be recorded and replayed exactly.")
# The maintainer is whoever makes the package, read when cpack starts (see Maintainer.cmake).
# Build folders configured before kept a stand-in in the cache, which no package may carry.
if(CPACK_PACKAGE_CONTACT STREQUAL "the starchase authors")
    unset(CPACK_PACKAGE_CONTACT CACHE)
endif()
configure_file(PackTime.cmake.in PackTime.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/PackTime.cmake)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL opens libGL.so.1 itself for its GLX window, so dpkg-shlibdeps cannot see that one.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libgl1)
# The heads-up display's font, found through fontconfig; without it the game plays on without it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-dejavu-core)
include(CPack)
