# SPDX-License-Identifier: MIT
# Writes the manual page PAGE from PAGE_IN: each of PARTS (separated by commas) printed by
# MANUAL_KEYS from the game's tables, as @STARCHASE_PART@, and the variables given. A variable
# the page names and nobody gave stops the build rather than leaving a hole in the page.
string(REPLACE "," ";" PARTS "${PARTS}")
foreach(part ${PARTS})
    execute_process(COMMAND ${MANUAL_KEYS} ${part} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${MANUAL_KEYS} ${part} failed: ${failed}")
    endif()
    string(TOUPPER "STARCHASE_${part}" variable)
    string(STRIP "${text}" ${variable})
endforeach()
file(READ ${PAGE_IN} page)
string(REGEX MATCHALL "@[A-Za-z_]+@" named "${page}")
foreach(name ${named})
    string(REPLACE "@" "" name ${name})
    if(NOT DEFINED ${name})
        message(FATAL_ERROR "${PAGE_IN} names @${name}@, which is not given")
    endif()
endforeach()
configure_file(${PAGE_IN} ${PAGE} @ONLY)
