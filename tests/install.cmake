# SPDX-License-Identifier: MIT
# The command line, and the installed game: a build of its own in the games layout installed
# into a staging folder and into a per-user prefix, packed and unpacked, each copy started from
# an empty folder (classic SDL only: the compatibility layer adds nothing to how the game finds
# its data).
include(GNUInstallDirs)

# README's copies of the Debian package lists.
add_test(NAME documented_packages
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/unit/DocumentedPackages.sh
                 ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/tools/install-deps.sh)
add_test(NAME e2e_CommandLine COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/CommandLine.sh)
set_tests_properties(e2e_CommandLine PROPERTIES TIMEOUT 120
    ENVIRONMENT
    "${STARCHASE_TEST_ENV};STARCHASE=$<TARGET_FILE:starchase>;VERSION=${PROJECT_VERSION}")

# The sanitizer suite leaves it out: the install itself runs no code of ours, and building the
# sanitized game a second time would double the suite's time.
if(NOT STARCHASE_SANITIZE)
    add_test(NAME e2e_Install COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/Install.sh)
    set(install_env CMAKE=${CMAKE_COMMAND} CPACK=${CMAKE_CPACK_COMMAND} SOURCE=${PROJECT_SOURCE_DIR}
        VERSION=${PROJECT_VERSION} BUILD_TYPE=${CMAKE_BUILD_TYPE} SANITIZE=${STARCHASE_SANITIZE})
    # It builds the game again in a folder of its own, with both cores.
    set_tests_properties(e2e_Install PROPERTIES TIMEOUT 900 PROCESSORS 2
        ENVIRONMENT "${STARCHASE_TEST_ENV};${install_env}")
endif()
