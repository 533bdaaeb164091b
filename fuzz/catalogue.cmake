# SPDX-License-Identifier: MIT
# The catalogue text reader under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
add_executable(fuzz_catalogue FuzzCatalogue.cpp)
target_link_libraries(fuzz_catalogue PRIVATE catalogue)
target_link_options(fuzz_catalogue PRIVATE -fsanitize=fuzzer)
