#pragma once
// Starting another program of the product (the update program) and waiting
// for it, as the update step does.
#include "platform/sys/String.h"

// Starts NomeSW (its window hidden when tipo is true) and waits, without
// processing window messages, until it ends or 150,000 ms have passed; the
// program is never stopped by us. A start failure shows an error box with
// the program's path and the system's reason and answers false.
bool Start_Program(const String& NomeSW, bool tipo);
