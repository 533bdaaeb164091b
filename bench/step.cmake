# SPDX-License-Identifier: MIT
# The simulation step with 13 ships and growing numbers of projectiles.
add_executable(step_bench StepBench.cpp)
target_include_directories(step_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(step_bench PRIVATE game benchmark::benchmark)
