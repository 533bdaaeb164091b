# SPDX-License-Identifier: MIT
# Records: the records file's text rules and columns with what the player reads about them, the
# files on disk and the ship set's hash.
StarchaseTest(NAME records_test SOURCES unit/RecordsFileTest.cpp unit/RecordsColumnsTest.cpp
                                          unit/RecordsStoreTest.cpp unit/ShipSetHashTest.cpp
              LIBS records shipyard_writers)
target_compile_definitions(records_test PRIVATE
    STARCHASE_MANUAL_PAGE="${PROJECT_BINARY_DIR}/dist/starchase.6"
    STARCHASE_TOOL_PAGE="${PROJECT_BINARY_DIR}/dist/shipyard.1")
