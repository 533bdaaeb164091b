// SPDX-License-Identifier: MIT
// The game from its command line to its exit status.
#pragma once

// Answers the command line, or starts the game, plays until it is quit (or its demo ends) and
// shuts it down. 0 when all went well; 1 when the game could not start, lost its window or could
// not write its recording; 2 for a command line it cannot read.
int RunGame(int argc, char** argv);
