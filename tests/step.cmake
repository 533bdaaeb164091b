StarchaseTest(NAME step_test
    SOURCES unit/StepWorldTest.cpp unit/SteerShipTest.cpp unit/PlayerControlTest.cpp
            unit/ProjectileTest.cpp unit/StepPropertyTest.cpp unit/AutopilotTest.cpp
    LIBS game)
