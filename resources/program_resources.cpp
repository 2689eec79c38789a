#include "program_resources.h"

#include "client_ids.h"
#include "dialog_templates.h"
#include "embedded_pictures.h"
#include "main_menu.h"
#include "menu_commands.h"
#include "omtavrin_ids.h"
#include "persysgraf_ids.h"
#include "printopt_ids.h"
#include "string_table.h"
#include "tavrpara_ids.h"

std::vector<std::string> RegisterProgramResources() {
  ResourceRegistry& registry = Resources();
  registry.AddDialog(ClientTemplateName, ClientTemplate());
  registry.AddDialog(TavrparaTemplateName, TavrparaTemplate());
  registry.AddDialog(PrintoptTemplateName, PrintoptTemplate());
  registry.AddDialog(OmtavrinTemplateName, OmtavrinTemplate());
  registry.AddDialog(PersysgrafTemplateName, PersysgrafTemplate());
  registry.AddMenu(MainMenuId, MainMenu());
  for (auto& [id, text] : StringTable()) registry.AddString(id, std::move(text));
  std::vector<std::string> faults;
  for (const EmbeddedPicture& picture : EmbeddedPictures()) {
    std::string error;
    const bool added = std::string(picture.name) == ProgramIconName
                           ? registry.AddIconText(picture.name, picture.text, &error)
                           : registry.AddBitmapText(picture.name, picture.text, &error);
    if (!added) faults.push_back(error);
  }
  return faults;
}
