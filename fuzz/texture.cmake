# SPDX-License-Identifier: MIT
# The TGA decoder under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
add_executable(fuzz_tga FuzzTga.cpp)
target_link_libraries(fuzz_tga PRIVATE assets)
target_link_options(fuzz_tga PRIVATE -fsanitize=fuzzer)
