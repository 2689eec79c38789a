#include "resources/main_menu.h"

#include "resources/menu_commands.h"

namespace {

MenuTemplateItem Command(const char* text, UINT id) {
  MenuTemplateItem item;
  item.text = text;
  item.id = id;
  return item;
}

MenuTemplateItem Separator() {
  MenuTemplateItem item;
  item.flags = MF_SEPARATOR;
  return item;
}

MenuTemplateItem Popup(const char* text, std::vector<MenuTemplateItem> items) {
  MenuTemplateItem popup;
  popup.text = text;
  popup.flags = MF_POPUP;
  popup.children = std::move(items);
  return popup;
}

}  // namespace

std::vector<MenuTemplateItem> MainMenu() {
  return {
      Popup("File", {Command("Setup", SetupCommand), Separator(), Command("Exit", ExitCommand)}),
      Popup("Calculate",
            {Command("Molecular Calculator", MolecularCalculatorCommand), Command("Balance", BalanceCommand),
             Command("Thermochemistry", ThermochemistryCommand), Command("Electrochemistry", ElectrochemistryCommand),
             Command("Solubility Product", SolubilityProductCommand), Command("Weak acid/base", WeakAcidBaseCommand)}),
      Popup("Analyse", {Command("Spectroscopy", SpectroscopyCommand)}),
      Popup("Plot", {Command("Curve Fit", CurveFitCommand)}),
      Popup("Search", {Command("Dictionary", DictionaryCommand)}),
      Popup("Table", {Command("Periodic Table", PeriodicTableCommand), Command("Indicators", IndicatorsCommand),
                      Command("Conversion", ConversionCommand)}),
      Popup("Information", {Command("About TAVRIN", AboutCommand)}),
  };
}
