# SPDX-License-Identifier: MIT
add_executable(frame_bench FrameBench.cpp)
target_link_libraries(frame_bench PRIVATE scene screen benchmark::benchmark)
