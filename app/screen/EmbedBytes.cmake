# SPDX-License-Identifier: MIT
# cmake -DIN=FILE -DOUT=SOURCE -DNAME=SYMBOL -P EmbedBytes.cmake: writes a C++ source defining
# NAME (the bytes of FILE) and NAMESize, so a program carries the file in itself.
file(READ ${IN} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x..," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUT}.new "// Made by the build from ${IN}.
#include <cstddef>
extern const unsigned char ${NAME}[] = {
    ${bytes}};
extern const size_t ${NAME}Size = ${size};
")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
