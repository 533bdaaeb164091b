# SPDX-License-Identifier: MIT
StarchaseTest(NAME scene_gl_test GL SOURCES gl/SceneGLTest.cpp LIBS render)
