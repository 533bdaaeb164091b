# SPDX-License-Identifier: MIT
StarchaseTest(NAME render_test SOURCES unit/CameraTest.cpp unit/LightSlotsTest.cpp LIBS render)
StarchaseTest(NAME render_gl_test GL SOURCES gl/LightsGLTest.cpp gl/HudGLTest.cpp LIBS render)
