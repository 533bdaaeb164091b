# SPDX-License-Identifier: MIT
# Debian's build flags as dpkg-buildflags gives them with every hardening feature on (fortified
# functions, the stack protector, relocations read-only and bound at start), added to every
# program's and library's compile and link lines: the Debian package is built with them. CMake
# reads no CPPFLAGS, so the preprocessor's flags go with each compiler's.
foreach(kind CPPFLAGS CFLAGS CXXFLAGS LDFLAGS)
    # Run in the source folder, whose path the flags map away in the debugging information.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            dpkg-buildflags --get ${kind}
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "dpkg-buildflags --get ${kind}: ${status} (it is in dpkg-dev)")
    endif()
endforeach()
string(APPEND CMAKE_C_FLAGS " ${debian_CPPFLAGS} ${debian_CFLAGS}")
string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
foreach(kind EXE SHARED MODULE)
    string(APPEND CMAKE_${kind}_LINKER_FLAGS " ${debian_LDFLAGS}")
endforeach()
message(STATUS "Debian's flags: ${debian_CPPFLAGS} ${debian_CXXFLAGS} ${debian_LDFLAGS}")
