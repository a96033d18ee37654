#pragma once
// The settings file Corvan.xml beside the program: the last configuration,
// the last device address, the language and the four options. UTF-8, no
// declaration, every value as element text.
#include "platform/sys/String.h"

class TProgramState;

String Settings_File_Name(const TProgramState& State);

// Sets Project_Name, Last_IP_Address, Language and the four option flags
// from the file (Project_Path is left to the caller). A missing file or a
// missing or unreadable value gives defaults, silently. A file that cannot
// be read or parsed, or that holds no settings, is moved aside (".bad") so
// that the next save loses nothing; the defaults are then set and
// EInOutError says what happened, naming both files.
void Load_Setting(TProgramState& State);
// Writes the whole file from the current state; a failure raises EInOutError
// and leaves an existing file as it was.
void Save_Setting(TProgramState& State);
