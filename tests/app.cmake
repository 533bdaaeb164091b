# SPDX-License-Identifier: MIT
StarchaseTest(NAME app_gl_test GL SOURCES gl/FrameGLTest.cpp LIBS scene screen)
# The pure parts of the game's edges: the pad mapping, the heads-up display's and the chase's
# text, the player's folders, the actions table with what is made from it, and the frame cap.
StarchaseTest(NAME app_test SOURCES unit/PadKeysTest.cpp unit/HudTextTest.cpp unit/ChaseTextTest.cpp
              unit/PlayerFoldersTest.cpp unit/ActionsTest.cpp unit/DemoSessionTest.cpp
              unit/FramePaceTest.cpp unit/PlayPaceTest.cpp unit/ChildVerdictTest.cpp
              LIBS input screen session loop)
# The settings file: its text rules, bindings and conflicts, the keys' names as SDL gives them,
# and the file on disk.
StarchaseTest(NAME settings_test SOURCES unit/SettingsTextTest.cpp unit/SettingsFileTest.cpp
              unit/KeyNamesTest.cpp LIBS settings)
target_compile_definitions(settings_test PRIVATE
    STARCHASE_MANUAL_PAGE="${PROJECT_BINARY_DIR}/dist/starchase.6")
# The command line's table, and the help, README and manual made from it.
StarchaseTest(NAME command_line_test SOURCES unit/CommandLineTest.cpp LIBS cmdline)
target_compile_definitions(command_line_test PRIVATE
    STARCHASE_MANUAL_PAGE="${PROJECT_BINARY_DIR}/dist/starchase.6")
# The options on screen as plain data.
StarchaseTest(NAME options_menu_test SOURCES unit/OptionsMenuTest.cpp LIBS options)
target_compile_definitions(app_test PRIVATE
    STARCHASE_MANUAL_PAGE="${PROJECT_BINARY_DIR}/dist/starchase.6")
StarchaseTest(NAME sound_placement_test SOURCES unit/SoundPlacementTest.cpp LIBS sound)
# The sound files: their table, the WAV reader and what the game hands the mixer.
StarchaseTest(NAME sound_file_test SOURCES unit/SoundFileTest.cpp LIBS assets shipyard_writers)
target_compile_definitions(sound_file_test PRIVATE
    STARCHASE_MANUAL_PAGE="${PROJECT_BINARY_DIR}/dist/starchase.6"
    STARCHASE_TOOL_PAGE="${PROJECT_BINARY_DIR}/dist/shipyard.1")
# A new chase on the default ships, written by the built shipyard.
StarchaseTest(NAME restart_gl_test GL SOURCES gl/RestartGLTest.cpp LIBS session)
add_dependencies(restart_gl_test shipyard)
set_property(TEST restart_gl_test APPEND PROPERTY ENVIRONMENT "SHIPYARD=$<TARGET_FILE:shipyard>")
