#pragma once
// A file dialog's filter as the program gives it ("Text (*.txt)|*.txt|All|*.*":
// name and patterns in turn) in the toolkit's form, one entry a filter with
// its patterns in the name: {"Text (*.txt)", "All (*.*)"}.
#include <vector>

#include "platform/sys/String.h"

std::vector<String> FileFilterNames(const String& Filter);
