StarchaseTest(NAME app_gl_test GL SOURCES gl/FrameGLTest.cpp LIBS app)
