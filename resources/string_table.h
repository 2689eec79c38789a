#pragma once
// The program's string table: the starts of the resource-failure messages.
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/wintypes.h"

std::vector<std::pair<UINT, std::string>> StringTable();
