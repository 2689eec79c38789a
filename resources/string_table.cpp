#include "resources/string_table.h"

#include "resources/resource_strings.h"

std::vector<std::pair<UINT, std::string>> StringTable() {
  return {
      {CannotRunStringId, "Cannot run "},
      {CannotCreateDialogStringId, "Cannot create dialog box "},
      {CannotLoadMenuStringId, "Cannot load menu "},
      {CannotLoadIconStringId, "Cannot load icon "},
      {CannotLoadBitmapStringId, "Cannot load bitmap "},
      {CannotCreateWindowStringId, "Cannot create window "},
  };
}
