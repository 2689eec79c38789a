#include "resources/program_resources.h"

#include <string_view>

#include "resources/dialog_templates.h"
#include "resources/embedded_pictures.h"
#include "resources/main_menu.h"
#include "resources/menu_commands.h"
#include "resources/string_table.h"

void RegisterProgramResources() {
  ResourceRegistry& registry = Resources();
  registry.AddDialogSource(ClientTemplateName, ClientTemplate);
  registry.AddDialogSource(TavrparaTemplateName, TavrparaTemplate);
  registry.AddDialogSource(PrintoptTemplateName, PrintoptTemplate);
  registry.AddDialogSource(OmtavrinTemplateName, OmtavrinTemplate);
  registry.AddDialogSource(PersysgrafTemplateName, PersysgrafTemplate);
  registry.AddDialogSource(BalansereTemplateName, BalansereTemplate);
  registry.AddDialogSource(PeriodesystemetTemplateName, PeriodesystemetTemplate);
  registry.AddDialogSource(EgenskaperTemplateName, EgenskaperTemplate);
  registry.AddDialogSource(MolekylkalkulatorTemplateName, MolekylkalkulatorTemplate);
  registry.AddDialogSource(Molclc2TemplateName, Molclc2Template);
  registry.AddDialogSource(FuncplotTemplateName, FuncplotTemplate);
  registry.AddDialogSource(ConvertTemplateName, ConvertTemplate);
  registry.AddDialogSource(OrdlisteTemplateName, OrdlisteTemplate);
  registry.AddDialogSource(IndikatorerTemplateName, IndikatorerTemplate);
  registry.AddDialogSource(TermodynamikkTemplateName, TermodynamikkTemplate);
  registry.AddDialogSource(TermodataTemplateName, TermodataTemplate);
  registry.AddDialogSource(RedoksTemplateName, RedoksTemplate);
  registry.AddDialogSource(RedoxdatTemplateName, RedoxdatTemplate);
  registry.AddDialogSource(SoluprodTemplateName, SoluprodTemplate);
  registry.AddDialogSource(SoludataTemplateName, SoludataTemplate);
  registry.AddDialogSource(SyrebaseTemplateName, SyrebaseTemplate);
  registry.AddDialogSource(SyrekonstTemplateName, SyrekonstTemplate);
  registry.AddDialogSource(KjemikaliedatabaseTemplateName, KjemikaliedatabaseTemplate);
  registry.AddDialogSource(FormelinfoTemplateName, FormelinfoTemplate);
  registry.AddDialogSource(DatabladTemplateName, DatabladTemplate);
  registry.AddDialogSource(PlakatTemplateName, PlakatTemplate);
  registry.AddDialogSource(MassmsdatTemplateName, MassmsdatTemplate);
  registry.AddDialogSource(MassnmrTemplateName, MassnmrTemplate);
  registry.AddDialogSource(MassirdatTemplateName, MassirdatTemplate);
  registry.AddDialogSource(MassspTemplateName, MassspTemplate);
  registry.AddMenu(MainMenuId, MainMenu());
  for (auto& [id, text] : StringTable()) registry.AddString(id, std::move(text));
  for (const EmbeddedPicture& picture : EmbeddedPictures()) {
    if (std::string_view(picture.name) == ProgramIconName) {
      registry.AddIconText(picture.name, picture.text);
    } else {
      registry.AddBitmapSource(picture.name, picture.text);
    }
  }
}
