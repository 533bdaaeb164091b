# SPDX-License-Identifier: MIT
StarchaseTest(NAME world_test SOURCES unit/RandomGeneratorTest.cpp unit/WorldTest.cpp LIBS game)
