#pragma once
// How many device pixels a pixel of the program's windows takes on the screen in each direction:
// 1 at 96 dots per inch, 2 at 192. Set once, before the first window is made.
#include <optional>

int DisplayScale();
void SetDisplayScale(int scale);

// The scale TAVRIN_SCALE asks for (a whole number from 1 to 4); nothing when it is unset or not one.
std::optional<int> ScaleFromEnvironment();
