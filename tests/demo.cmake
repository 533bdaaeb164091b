# SPDX-License-Identifier: MIT
# Demos: recording and replaying a scripted pilot, the file format's checks, the catalogue check.
StarchaseTest(NAME demo_test SOURCES unit/DemoTest.cpp unit/ChaseClockTest.cpp unit/GhostRunTest.cpp
              LIBS demo)
StarchaseTest(NAME demo_restart_test SOURCES unit/DemoRestartTest.cpp LIBS demo)
# Writes the pilot's demo kept in data/ (see README): built with the tests, run by hand.
add_executable(pilot_demo support/PilotDemo.cpp)
target_include_directories(pilot_demo PRIVATE support)
target_link_libraries(pilot_demo PRIVATE demo)
