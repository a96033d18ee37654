#pragma once
// The registry of class names that stored layouts may name. Registering a
// name again is harmless; registration lasts until unregistered.
#include "platform/sys/String.h"

void RegisterClass(const String& ClassName);
void UnRegisterClass(const String& ClassName);
bool IsClassRegistered(const String& ClassName);
