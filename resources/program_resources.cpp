#include "resources/program_resources.h"

#include <string>

#include "resources/dialog_templates.h"
#include "resources/embedded_pictures.h"
#include "resources/main_menu.h"
#include "resources/menu_commands.h"
#include "resources/string_table.h"

void RegisterProgramResources() {
  ResourceRegistry& registry = Resources();
  registry.AddDialog(ClientTemplateName, ClientTemplate());
  registry.AddDialog(TavrparaTemplateName, TavrparaTemplate());
  registry.AddDialog(PrintoptTemplateName, PrintoptTemplate());
  registry.AddDialog(OmtavrinTemplateName, OmtavrinTemplate());
  registry.AddDialog(PersysgrafTemplateName, PersysgrafTemplate());
  registry.AddDialog(BalansereTemplateName, BalansereTemplate());
  registry.AddDialog(PeriodesystemetTemplateName, PeriodesystemetTemplate());
  registry.AddDialog(EgenskaperTemplateName, EgenskaperTemplate());
  registry.AddDialog(MolekylkalkulatorTemplateName, MolekylkalkulatorTemplate());
  registry.AddDialog(Molclc2TemplateName, Molclc2Template());
  registry.AddDialog(FuncplotTemplateName, FuncplotTemplate());
  registry.AddDialog(ConvertTemplateName, ConvertTemplate());
  registry.AddDialog(OrdlisteTemplateName, OrdlisteTemplate());
  registry.AddDialog(IndikatorerTemplateName, IndikatorerTemplate());
  registry.AddDialog(TermodynamikkTemplateName, TermodynamikkTemplate());
  registry.AddDialog(TermodataTemplateName, TermodataTemplate());
  registry.AddDialog(RedoksTemplateName, RedoksTemplate());
  registry.AddDialog(RedoxdatTemplateName, RedoxdatTemplate());
  registry.AddDialog(SoluprodTemplateName, SoluprodTemplate());
  registry.AddDialog(SoludataTemplateName, SoludataTemplate());
  registry.AddDialog(SyrebaseTemplateName, SyrebaseTemplate());
  registry.AddDialog(SyrekonstTemplateName, SyrekonstTemplate());
  registry.AddDialog(KjemikaliedatabaseTemplateName, KjemikaliedatabaseTemplate());
  registry.AddDialog(FormelinfoTemplateName, FormelinfoTemplate());
  registry.AddDialog(DatabladTemplateName, DatabladTemplate());
  registry.AddDialog(PlakatTemplateName, PlakatTemplate());
  registry.AddDialog(MassmsdatTemplateName, MassmsdatTemplate());
  registry.AddDialog(MassnmrTemplateName, MassnmrTemplate());
  registry.AddDialog(MassirdatTemplateName, MassirdatTemplate());
  registry.AddDialog(MassspTemplateName, MassspTemplate());
  registry.AddMenu(MainMenuId, MainMenu());
  for (auto& [id, text] : StringTable()) registry.AddString(id, std::move(text));
  for (const EmbeddedPicture& picture : EmbeddedPictures()) {
    if (std::string(picture.name) == ProgramIconName) {
      registry.AddIconText(picture.name, picture.text);
    } else {
      registry.AddBitmapSource(picture.name, picture.text);
    }
  }
}
