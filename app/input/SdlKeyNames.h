// SPDX-License-Identifier: MIT
// The names the settings file takes for keys, asked of SDL, with or without a display.
#pragma once

#include "KeyLabels.h"

// Every key SDL has a name for, by the settings file's name (FileKeyName) and then, where SDL's
// own differs, by SDL's too; where two keys share a name, the first. Classic SDL names keys only
// once its video has started: then its dummy video driver, which needs no display, is started for
// the names and stopped again. Empty when SDL names no key.
KeyNames SdlKeyNames();
