# SPDX-License-Identifier: MIT
# The package's maintainer, read when packing and installing, never kept from a configure:
# CPACK_PACKAGE_CONTACT when given, else DEBFULLNAME and DEBEMAIL as Debian's own tools read them
# (DEBEMAIL may also hold both, as "Name <address>"). Empty when none is given.
function(StarchaseMaintainer out)
    set(maintainer "${CPACK_PACKAGE_CONTACT}")
    if(maintainer STREQUAL "" AND "$ENV{DEBEMAIL}" MATCHES "<")
        set(maintainer "$ENV{DEBEMAIL}")
    elseif(maintainer STREQUAL "" AND NOT "$ENV{DEBEMAIL}" STREQUAL "")
        set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
    endif()
    set(${out} "${maintainer}" PARENT_SCOPE)
endfunction()

# True in `out` when `maintainer` has the form Debian asks for: "Name <user@host>".
function(StarchaseMaintainerValid maintainer out)
    if(maintainer MATCHES "^[^<>]*[^<> ] <[^<>@ ]+@[^<>@ ]+>$")
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()
