#pragma once
// The main menu, resource 2: English texts, no mnemonics.
#include <vector>

#include "platform/win/resources.h"

std::vector<MenuTemplateItem> MainMenu();
