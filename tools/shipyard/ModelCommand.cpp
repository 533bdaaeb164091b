// Placeholder until the command is built.
#include "Shipyard.h"

int ModelCommand(int, char**) { return Refuse("model", "not built yet"); }
