# SPDX-License-Identifier: MIT
# shipyard generate and check: the default data set as the game's own readers see it, the check
# of a folder over that data with one fault made per case, and the file writers and mesh helpers
# behind them.
StarchaseTest(NAME generate_test SOURCES shipyard/GenerateCommandTest.cpp LIBS assets catalogue)
add_dependencies(generate_test shipyard)
set_property(TEST generate_test APPEND PROPERTY ENVIRONMENT "SHIPYARD=$<TARGET_FILE:shipyard>")

StarchaseTest(NAME shipyard_check_test SOURCES shipyard/CheckCommandTest.cpp
              LIBS shipyard_writers)
add_dependencies(shipyard_check_test shipyard)
set_property(TEST shipyard_check_test APPEND PROPERTY ENVIRONMENT
             "SHIPYARD=$<TARGET_FILE:shipyard>")
target_compile_definitions(shipyard_check_test PRIVATE STARCHASE_VERSION="${PROJECT_VERSION}")

StarchaseTest(NAME whole_file_test SOURCES unit/WholeFileTest.cpp LIBS assets)

StarchaseTest(NAME shipyard_writers_test
              SOURCES unit/ShipyardWritersTest.cpp
              LIBS assets shipyard_content)

# The catalogue example the documents show works when copied.
add_test(NAME documented_catalogue
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/shipyard/DocumentedCatalogue.sh
                 ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_BINARY_DIR}/dist/starchase.6)
set_tests_properties(documented_catalogue PROPERTIES ENVIRONMENT
                     "${STARCHASE_TEST_ENV};SHIPYARD=$<TARGET_FILE:shipyard>")
