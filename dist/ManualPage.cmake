# SPDX-License-Identifier: MIT
# Writes the game's manual page PAGE from PAGE_IN: the project's version, and the key list and
# pad buttons and the settings printed by MANUAL_KEYS from the actions and settings tables.
foreach(part keys pad settings)
    execute_process(COMMAND ${MANUAL_KEYS} ${part} OUTPUT_VARIABLE text RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${MANUAL_KEYS} ${part} failed: ${failed}")
    endif()
    string(TOUPPER "STARCHASE_${part}" variable)
    string(STRIP "${text}" ${variable})
endforeach()
configure_file(${PAGE_IN} ${PAGE} @ONLY)
