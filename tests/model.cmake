# SPDX-License-Identifier: MIT
# MilkShape 3D models: the pure parser and paths, loading, the display list in a real context,
# and the shipyard model and render commands.
StarchaseTest(NAME model_test
              SOURCES unit/MilkshapeParseTest.cpp unit/ModelPathTest.cpp unit/MilkshapeLoadTest.cpp
                      unit/MilkshapeTexturesTest.cpp unit/PieceReaderTest.cpp
              LIBS assets shipyard_writers)
StarchaseTest(NAME model_gl_test SOURCES gl/ModelGLTest.cpp LIBS assets shipyard_writers GL)
StarchaseTest(NAME shipyard_model_test SOURCES shipyard/ModelCommandTest.cpp LIBS shipyard_writers)
StarchaseTest(NAME shipyard_render_test SOURCES shipyard/RenderCommandTest.cpp
              LIBS shipyard_writers)
foreach(test shipyard_model_test shipyard_render_test)
    add_dependencies(${test} shipyard)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT "SHIPYARD=$<TARGET_FILE:shipyard>")
endforeach()
