# shipyard generate: the default data set as the game's own readers see it, and the file writers
# and mesh helpers behind it.
StarchaseTest(NAME generate_test SOURCES shipyard/GenerateCommandTest.cpp LIBS assets catalogue)
add_dependencies(generate_test shipyard)
set_property(TEST generate_test APPEND PROPERTY ENVIRONMENT "SHIPYARD=$<TARGET_FILE:shipyard>")

set(SHIPYARD_SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/shipyard)
StarchaseTest(NAME shipyard_writers_test
              SOURCES unit/ShipyardWritersTest.cpp ${SHIPYARD_SOURCE_DIR}/Ms3dWriter.cpp
                      ${SHIPYARD_SOURCE_DIR}/TgaWriter.cpp ${SHIPYARD_SOURCE_DIR}/MeshBuilder.cpp
              LIBS assets)
target_include_directories(shipyard_writers_test PRIVATE ${SHIPYARD_SOURCE_DIR})
