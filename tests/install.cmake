# The command line, and the installed game: `cmake --install` of this build into a staging
# folder and into a per-user prefix, each copy started from an empty folder (classic SDL only:
# the compatibility layer adds nothing to how the game finds its data).
include(GNUInstallDirs)
add_test(NAME e2e_Options COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/Options.sh)
set_tests_properties(e2e_Options PROPERTIES TIMEOUT 120
    ENVIRONMENT
    "${STARCHASE_TEST_ENV};STARCHASE=$<TARGET_FILE:starchase>;VERSION=${PROJECT_VERSION}")

add_test(NAME e2e_Install COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/Install.sh)
set(install_env CMAKE=${CMAKE_COMMAND} BUILD=${PROJECT_BINARY_DIR} BINDIR=${CMAKE_INSTALL_BINDIR}
    DATADIR=${CMAKE_INSTALL_DATADIR} MANDIR=${CMAKE_INSTALL_MANDIR}
    README=${PROJECT_SOURCE_DIR}/README.md)
set_tests_properties(e2e_Install PROPERTIES TIMEOUT 300
    ENVIRONMENT "${STARCHASE_TEST_ENV};${install_env}")
