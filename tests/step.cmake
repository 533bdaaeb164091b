# SPDX-License-Identifier: MIT
StarchaseTest(NAME step_test
    SOURCES unit/StepWorldTest.cpp unit/UpdateShipTest.cpp unit/ProjectileTest.cpp
            unit/StepPropertyTest.cpp unit/ShotKindsTest.cpp
    LIBS game)
