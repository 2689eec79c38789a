#pragma once
// How many device pixels a pixel of the program's windows takes on the screen in each direction:
// 1 at 96 dots per inch, 2 at 192. Set once, before the first window is made.
#include <optional>
#include <string_view>

int DisplayScale();
void SetDisplayScale(int scale);

// The scale TAVRIN_SCALE asks for (a whole number from 1 to 4); nothing when it is unset or not one.
std::optional<int> ScaleFromEnvironment();

// The whole scale nearest to a screen's dots per inch over 96, from 1 to 4. Half-way (144 dpi, as
// a desktop set to 150 % gives) goes up: the user asked for larger text, and a 96-dpi layout at
// two thirds of its size is harder to read than one a third too large.
int ScaleForDpi(double dotsPerInch);

// The value of Xft.dpi in the X resources, as `xrdb -query` lists them ("Xft.dpi:\t192"); nothing
// when the resource is missing or not a positive number.
std::optional<double> XftDpiFromResources(std::string_view resources);
