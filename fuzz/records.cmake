# SPDX-License-Identifier: MIT
# The records file's text rules under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
# They are pure, so the fuzz build compiles their files with the assets' text helpers alone,
# without the rest of the game.
add_executable(fuzz_records FuzzRecords.cpp ${PROJECT_SOURCE_DIR}/records/RecordsColumns.cpp
               ${PROJECT_SOURCE_DIR}/records/RecordsFile.cpp)
target_include_directories(fuzz_records PRIVATE ${PROJECT_SOURCE_DIR}/records)
target_link_libraries(fuzz_records PRIVATE assets)
target_link_options(fuzz_records PRIVATE -fsanitize=fuzzer)
