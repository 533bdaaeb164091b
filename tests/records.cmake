# SPDX-License-Identifier: MIT
# Records: the records file's text rules and the ship set's hash.
StarchaseTest(NAME records_test SOURCES unit/RecordsFileTest.cpp unit/RecordsStoreTest.cpp
                                          unit/ShipSetHashTest.cpp
              LIBS records shipyard_writers)
