# SPDX-License-Identifier: MIT
# The shipyard's file writers as a library of their own: the tool writes the default data with
# them, and tests, fuzz seeds and benchmarks make their files, good and broken, with them too.
add_library(shipyard_writers STATIC ${CMAKE_CURRENT_LIST_DIR}/Ms3dWriter.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/TgaWriter.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/PngWriter.cpp
                                    ${CMAKE_CURRENT_LIST_DIR}/WavWriter.cpp)
target_include_directories(shipyard_writers PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(shipyard_writers PUBLIC math assets)
