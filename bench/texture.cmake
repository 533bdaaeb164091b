# SPDX-License-Identifier: MIT
# TGA decoding speed beside stb_image; stb is compiled into this benchmark only.
find_path(STB_INCLUDE_DIR stb/stb_image.h)
if(NOT STB_INCLUDE_DIR)
    message(STATUS "TGA benchmark skipped: stb_image.h not found")
    return()
endif()
add_executable(tga_bench TgaBench.cpp)
target_include_directories(tga_bench PRIVATE ${STB_INCLUDE_DIR})
target_link_libraries(tga_bench PRIVATE assets benchmark::benchmark)
