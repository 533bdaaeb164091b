# SPDX-License-Identifier: MIT
# The sound reader under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, with the
# game's loading for the mixer (SDL's silent driver) beside it: the check's verdict against the
# game's.
find_package(SDL REQUIRED)
find_library(SDL_MIXER_LIBRARY SDL_mixer REQUIRED)
add_executable(fuzz_sound FuzzSound.cpp ${PROJECT_SOURCE_DIR}/app/sound/SoundLoad.cpp)
target_include_directories(fuzz_sound PRIVATE ${PROJECT_SOURCE_DIR}/app/sound ${SDL_INCLUDE_DIR})
target_link_libraries(fuzz_sound PRIVATE assets ${SDL_MIXER_LIBRARY} ${SDL_LIBRARY})
target_link_options(fuzz_sound PRIVATE -fsanitize=fuzzer)
