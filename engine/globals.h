#pragma once

// The shared data of the engine in one include: the element tables, the lookups in them, the element
// history texts and the settings values. Engine sources include the part they use.

#include "engine/elements/element_symbols.h"
#include "engine/elements/element_tables.h"
#include "engine/elements/element_text.h"
#include "engine/settings/settings.h"
