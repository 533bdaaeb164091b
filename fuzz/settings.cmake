# SPDX-License-Identifier: MIT
# The settings file's text rules under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
# They are pure (SDL's key codes are a header), so the fuzz build compiles them without the game.
set(app ${PROJECT_SOURCE_DIR}/app)
add_executable(fuzz_settings FuzzSettings.cpp ${app}/settings/SettingsText.cpp
               ${app}/settings/SettingsMerge.cpp ${app}/settings/SettingValues.cpp
               ${app}/settings/SettingRows.cpp
               ${app}/input/Bindings.cpp ${app}/input/Actions.cpp ${app}/input/KeyLabels.cpp
               ${PROJECT_SOURCE_DIR}/assets/Printable.cpp)
target_include_directories(fuzz_settings PRIVATE ${app}/settings ${app}/input ${app}/screen/modes
                           ${PROJECT_SOURCE_DIR}/game ${PROJECT_SOURCE_DIR}/assets)
target_link_options(fuzz_settings PRIVATE -fsanitize=fuzzer)
