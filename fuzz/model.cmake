# SPDX-License-Identifier: MIT
# The MilkShape 3D parser under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
add_executable(fuzz_ms3d FuzzMs3d.cpp)
target_link_libraries(fuzz_ms3d PRIVATE assets)
target_link_options(fuzz_ms3d PRIVATE -fsanitize=fuzzer)
# Writes fuzz/seeds/ms3d/: make_ms3d_seeds fuzz/seeds/ms3d
add_executable(make_ms3d_seeds MakeMs3dSeeds.cpp)
target_include_directories(make_ms3d_seeds PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(make_ms3d_seeds PRIVATE shipyard_writers)
