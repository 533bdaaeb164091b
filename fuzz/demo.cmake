# SPDX-License-Identifier: MIT
# The demo file reader under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer. It is
# pure, so the fuzz build compiles its one file without the rest of the game.
add_executable(fuzz_demo FuzzDemo.cpp ${PROJECT_SOURCE_DIR}/demo/DemoFormat.cpp
               ${PROJECT_SOURCE_DIR}/assets/Printable.cpp)
target_include_directories(fuzz_demo PRIVATE ${PROJECT_SOURCE_DIR}/demo ${PROJECT_SOURCE_DIR}/game ${PROJECT_SOURCE_DIR}/catalogue
                           ${PROJECT_SOURCE_DIR}/assets ${PROJECT_SOURCE_DIR}/math)
target_link_options(fuzz_demo PRIVATE -fsanitize=fuzzer)
# Writes the seeds of both demo targets: make_demo_seeds fuzz/seeds/demo, then again into
# fuzz/seeds/demo_file
add_executable(make_demo_seeds MakeDemoSeeds.cpp ${PROJECT_SOURCE_DIR}/demo/DemoFormat.cpp
               ${PROJECT_SOURCE_DIR}/assets/Printable.cpp)
target_include_directories(make_demo_seeds PRIVATE ${PROJECT_SOURCE_DIR}/demo ${PROJECT_SOURCE_DIR}/game ${PROJECT_SOURCE_DIR}/catalogue
                           ${PROJECT_SOURCE_DIR}/assets ${PROJECT_SOURCE_DIR}/math)
target_link_libraries(make_demo_seeds PRIVATE shipyard_writers)
# The demo file read in pieces against the same bytes parsed whole.
add_executable(fuzz_demo_file FuzzDemoFile.cpp ${PROJECT_SOURCE_DIR}/demo/DemoFile.cpp
               ${PROJECT_SOURCE_DIR}/demo/DemoFormat.cpp ${PROJECT_SOURCE_DIR}/assets/FileBytes.cpp
               ${PROJECT_SOURCE_DIR}/assets/Printable.cpp)
target_include_directories(fuzz_demo_file PRIVATE ${PROJECT_SOURCE_DIR}/demo ${PROJECT_SOURCE_DIR}/game
                           ${PROJECT_SOURCE_DIR}/catalogue ${PROJECT_SOURCE_DIR}/assets
                           ${PROJECT_SOURCE_DIR}/math)
target_link_options(fuzz_demo_file PRIVATE -fsanitize=fuzzer)
