# SPDX-License-Identifier: MIT
# Records: the records file's text rules and columns with what the player reads about them, the
# files on disk, the ship set's hash and the records' proof.
StarchaseTest(NAME records_test SOURCES unit/RecordsFileTest.cpp unit/RecordsColumnsTest.cpp
                                          unit/RecordsStoreTest.cpp unit/ShipSetHashTest.cpp
                                          unit/RecordProofTest.cpp unit/RunningChaseTest.cpp
              LIBS records shipyard_writers)
target_compile_definitions(records_test PRIVATE
    STARCHASE_MANUAL_PAGE="${PROJECT_BINARY_DIR}/dist/starchase.6"
    STARCHASE_TOOL_PAGE="${PROJECT_BINARY_DIR}/dist/shipyard.1")
# The set's hash within a bound of memory: a program of its own, as it counts every allocation.
StarchaseTest(NAME records_hash_memory_test SOURCES unit/ShipSetHashMemoryTest.cpp
              LIBS records shipyard_writers)

# shipyard records over the generated default ships: where the ships are found, the verdicts and
# the exit statuses.
StarchaseTest(NAME shipyard_records_test SOURCES shipyard/RecordsCommandTest.cpp LIBS demo)
add_dependencies(shipyard_records_test shipyard)
set_property(TEST shipyard_records_test APPEND PROPERTY ENVIRONMENT
             "SHIPYARD=$<TARGET_FILE:shipyard>")
