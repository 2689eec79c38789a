#pragma once
// The dialog templates of the shell, in dialog units with Windows-1252 texts.
#include "resources.h"

DialogTemplate ClientTemplate();
DialogTemplate TavrparaTemplate();
DialogTemplate PrintoptTemplate();
DialogTemplate OmtavrinTemplate();
DialogTemplate PersysgrafTemplate();
