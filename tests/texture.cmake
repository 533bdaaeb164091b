# SPDX-License-Identifier: MIT
# TGA decoding (pure), texture upload (GL), and the shipyard texture command run over the samples.
StarchaseTest(NAME texture_test SOURCES unit/TgaDecodeTest.cpp LIBS assets shipyard_writers)
StarchaseTest(NAME texture_gl_test SOURCES gl/TextureGLTest.cpp LIBS assets shipyard_writers GL)
StarchaseTest(NAME shipyard_texture_test SOURCES shipyard/TextureCommandTest.cpp
              LIBS shipyard_writers)
add_dependencies(shipyard_texture_test shipyard)
set_property(TEST shipyard_texture_test APPEND PROPERTY ENVIRONMENT
             "SHIPYARD=$<TARGET_FILE:shipyard>")
