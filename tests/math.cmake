# SPDX-License-Identifier: MIT
StarchaseTest(NAME math_test SOURCES unit/VectorTest.cpp unit/SteeringTest.cpp LIBS math)
