# Demos: recording and replaying a scripted pilot, the file format's checks, the catalogue check.
StarchaseTest(NAME demo_test SOURCES unit/DemoTest.cpp LIBS demo)
# The default ship set's handling figures, as shipyard writes them into alukset.txt.
target_include_directories(demo_test PRIVATE ${CMAKE_SOURCE_DIR}/tools/shipyard/content)
