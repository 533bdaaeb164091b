# SPDX-License-Identifier: MIT
# The PNG decoder (libpng under our interface) under libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, each picture it accepts written and read back.
add_executable(fuzz_png FuzzPng.cpp)
target_link_libraries(fuzz_png PRIVATE assets)
target_link_options(fuzz_png PRIVATE -fsanitize=fuzzer)
# Writes fuzz/seeds/png/: make_png_seeds fuzz/seeds/png
add_executable(make_png_seeds MakePngSeeds.cpp)
target_link_libraries(make_png_seeds PRIVATE assets)
