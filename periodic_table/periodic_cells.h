#pragma once
// What the value box of each element shows in the periodic table for the chosen property.
#include <string>

#include "engine/globals.h"

// True for the ids of the property radio buttons: 604 to 625 without 624, and 696.
bool IsPropertyRadio(int id);
// The value box text of element Z for the property of the radio button; numbers as "%f".
std::string PeriodicCellText(int propertyRadioId, int Z);
// Gas, liquid or solid at 20 degrees C from the melting and boiling points; empty without either.
std::string PhaseAt20Degrees(const ElementRecord& element);
