# SPDX-License-Identifier: MIT
# End-to-end: the real game in prepared folders on a private virtual display, driven by real
# key events; every test runs on classic SDL and again on the SDL 1.2 compatibility layer.
find_package(X11 QUIET)
if(NOT X11_FOUND)
    message(STATUS "End-to-end tests of the game skipped: X11 development files not found")
    return()
endif()
add_executable(wmclose e2e/WmClose.c)
target_link_libraries(wmclose PRIVATE X11::X11)

foreach(script StartupFailures PlayAndQuit ModeChanges RedLight FlyAndFire ShotsGlow
               RecordAndReplay HudScreenshotIcon Sound Chase Settings SharedFiles
               OptionsMenu RunningLink BestChaseProof Ghost StudyDemo)
    foreach(variant classic compat)
        add_test(NAME e2e_${script}_${variant}
                 COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/${script}.sh)
        set_tests_properties(e2e_${script}_${variant} PROPERTIES
            TIMEOUT 300
            ENVIRONMENT "${STARCHASE_TEST_ENV};STARCHASE=$<TARGET_FILE:starchase>;SHIPYARD=$<TARGET_FILE:shipyard>;WMCLOSE=$<TARGET_FILE:wmclose>;SDL_VARIANT=${variant}")
    endforeach()
endforeach()
# The pilot's demo plays its whole chase, slower than recorded on a loaded machine.
set_tests_properties(e2e_Chase_classic e2e_Chase_compat PROPERTIES TIMEOUT 600)
# The sanitizer suite plays the pilot's whole chase once, on classic SDL: the compatibility
# layer's run of it is the normal suite's, and a second 80-second run held CI past 20 minutes.
if(STARCHASE_SANITIZE)
    set_tests_properties(e2e_Chase_compat PROPERTIES DISABLED TRUE)
endif()
