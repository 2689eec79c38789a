#pragma once
// The main menu, resource 2: English texts, no mnemonics.
#include <vector>

#include "resources.h"

std::vector<MenuTemplateItem> MainMenu();
