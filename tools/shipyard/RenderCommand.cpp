// Placeholder until the command is built.
#include "Shipyard.h"

int RenderCommand(int, char**) { return Refuse("render", "not built yet"); }
