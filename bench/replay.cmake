# SPDX-License-Identifier: MIT
# Replaying a 10-minute recording with no window; bench/replay.sh times shipyard replay itself.
add_executable(replay_bench ReplayBench.cpp)
target_include_directories(replay_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(replay_bench PRIVATE demo benchmark::benchmark)
