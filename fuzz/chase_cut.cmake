# SPDX-License-Identifier: MIT
# A best chase cut out of a demo, its proof's walk and its ghost's run under libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, checked against the whole demo's replay. The
# fuzz build compiles the step and the demo files into it, without the rest of the game.
set(chase_cut_sources ChaseClock.cpp DemoFormat.cpp DemoFile.cpp GhostRun.cpp PausedFrames.cpp
                      Replay.cpp ReplayFile.cpp)
list(TRANSFORM chase_cut_sources PREPEND ${PROJECT_SOURCE_DIR}/demo/)
set(step_sources World.cpp RandomGenerator.cpp SetUpWorld.cpp StepWorld.cpp PlayerControl.cpp
                 Projectile.cpp)
list(TRANSFORM step_sources PREPEND ${PROJECT_SOURCE_DIR}/game/)
add_executable(fuzz_chase_cut FuzzChaseCut.cpp ${chase_cut_sources} ${step_sources})
target_include_directories(fuzz_chase_cut PRIVATE ${PROJECT_SOURCE_DIR}/demo
                           ${PROJECT_SOURCE_DIR}/game)
target_link_libraries(fuzz_chase_cut PRIVATE catalogue math assets)
target_link_options(fuzz_chase_cut PRIVATE -fsanitize=fuzzer)
# Writes fuzz/seeds/chase_cut/ from the pilot's demo:
# make_chase_cut_seeds tests/data/pilot.demo fuzz/seeds/chase_cut
add_executable(make_chase_cut_seeds MakeChaseCutSeeds.cpp ${PROJECT_SOURCE_DIR}/demo/DemoFormat.cpp)
target_include_directories(make_chase_cut_seeds PRIVATE ${PROJECT_SOURCE_DIR}/demo
                           ${PROJECT_SOURCE_DIR}/game)
target_link_libraries(make_chase_cut_seeds PRIVATE catalogue shipyard_writers)
