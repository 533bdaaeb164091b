# SPDX-License-Identifier: MIT
# Demos: recording and replaying a scripted pilot, the file format's checks, the catalogue check.
StarchaseTest(NAME demo_test SOURCES unit/DemoTest.cpp unit/ChaseClockTest.cpp LIBS demo)
