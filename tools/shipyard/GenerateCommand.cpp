// Placeholder until the command is built.
#include "Shipyard.h"

int GenerateCommand(int, char**) { return Refuse("generate", "not built yet"); }
