# SPDX-License-Identifier: MIT
StarchaseTest(NAME app_gl_test GL SOURCES gl/FrameGLTest.cpp LIBS app)
# The pure parts of the game's edges: the pad mapping and the heads-up display's text.
StarchaseTest(NAME app_test SOURCES unit/PadKeysTest.cpp unit/HudTextTest.cpp
                                unit/PlayerFoldersTest.cpp LIBS app)
StarchaseTest(NAME sound_placement_test SOURCES unit/SoundPlacementTest.cpp LIBS app)
