StarchaseTest(NAME step_test
    SOURCES unit/StepWorldTest.cpp unit/UpdateShipTest.cpp unit/ProjectileTest.cpp
            unit/StepPropertyTest.cpp
    LIBS game)
# The default ship set's handling figures, as shipyard writes them into alukset.txt.
target_include_directories(step_test PRIVATE ${PROJECT_SOURCE_DIR}/tools/shipyard/content)
