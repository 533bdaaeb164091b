// Placeholder until the command is built.
#include "Shipyard.h"

int TextureCommand(int, char**) { return Refuse("texture", "not built yet"); }
