#include "tests/app/template_windows.h"

#include <algorithm>

#include "app/tool_table.h"
#include "calculators/names_formulas_editor.h"
#include "chemicals_database/database_group.h"
#include "periodic_table/element_properties_window.h"
#include "periodic_table/property_graph_window.h"
#include "resources/dialog_templates.h"
#include "runtime/dialog_openers.h"
#include "runtime/shell_dialogs.h"
#include "runtime/sim_modal_dlg.h"
#include "solution_chemistry/acid_base_constants_editor.h"
#include "solution_chemistry/solubility_data_editor.h"
#include "spectroscopy/spectral_editor_tables.h"

namespace {

// Windows that other windows open, with their openers; the shell's tool table gives the others.
struct ChildWindow {
  const char* templateName;
  std::function<void(CWnd* parent)> open;
  bool modeless = false;
};

const std::vector<ChildWindow>& ChildWindows() {
  static const std::vector<ChildWindow> windows = {
      {EgenskaperTemplateName, [](CWnd* parent) { ShowElementPropertiesWindow(parent); }, true},
      {PersysgrafTemplateName, [](CWnd* parent) { OpenPeriodicGraphDialog(parent); }},
      {Molclc2TemplateName, [](CWnd* parent) { OpenMoleculeNamesDialog(parent); }},
      {PrintoptTemplateName, [](CWnd* parent) { OpenPrintOptionsDialog(parent); }},
      {MassmsdatTemplateName, [](CWnd* parent) { OpenMsFragmentDataDialog(parent); }},
      {MassirdatTemplateName,
       [](CWnd* parent) {
         SpectralKind = IrSpectralKind;
         OpenIrDataDialog(parent);
       }},
      {MassnmrTemplateName,
       [](CWnd* parent) {
         SpectralKind = H1SpectralKind;
         OpenNmrDataDialog(parent);
       }},
      {FormelinfoTemplateName, [](CWnd* parent) { ShowFormulaInfoWindow(parent); }, true},
      {SoludataTemplateName, [](CWnd* parent) { OpenSolubilityDataDialog(parent); }},
      {SyrekonstTemplateName, [](CWnd* parent) { OpenAcidBaseDataDialog(parent); }},
  };
  return windows;
}

}  // namespace

void WithTemplateWindow(TestDriver& driver, CWnd* frame, const std::string& templateName,
                        const std::vector<std::function<void()>>& steps) {
  const auto child =
      std::ranges::find_if(ChildWindows(), [&](const ChildWindow& row) { return templateName == row.templateName; });
  if (child != ChildWindows().end() && child->modeless) {
    child->open(frame);
    driver.Pump();
    for (const std::function<void()>& step : steps) {
      step();
      driver.Pump();
    }
    DestroyWindow(GetActiveWindow());
    driver.Pump();
    return;
  }
  for (const std::function<void()>& step : steps) driver.Then(step);
  driver.Then([&driver] { driver.Key("Escape"); });
  if (child != ChildWindows().end()) {
    child->open(frame);
    return;
  }
  const auto tool = std::ranges::find_if(ShellTools(), [&](const ShellTool& row) {
    return row.templateName != nullptr && templateName == row.templateName;
  });
  if (tool != ShellTools().end()) {
    OpenTool(*tool, frame);
  } else {
    OpenModalDialog<CSimModalDlg>(templateName.c_str(), frame);
  }
}
