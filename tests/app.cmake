StarchaseTest(NAME app_gl_test GL SOURCES gl/FrameGLTest.cpp LIBS app)
StarchaseTest(NAME sound_placement_test SOURCES unit/SoundPlacementTest.cpp LIBS app)
