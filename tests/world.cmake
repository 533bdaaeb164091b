StarchaseTest(NAME world_test SOURCES unit/RandomGeneratorTest.cpp unit/SetUpWorldTest.cpp
              unit/WorldTest.cpp LIBS game)
