#include "app/tool_table.h"

#include <algorithm>

#include "app/about_box.h"
#include "app/settings_dialog.h"
#include "app/exit_command.h"
#include "chemicals_database/chemicals_database_window.h"
#include "spectroscopy/spectroscopy_window.h"
#include "periodic_table/periodic_table_window.h"
#include "resources/launcher_form_ids.h"
#include "resources/menu_commands.h"
#include "runtime/dialog_openers.h"
#include "thermo_electrochemistry/electrochemistry_window.h"
#include "solution_chemistry/solubility_window.h"
#include "solution_chemistry/acid_base_window.h"
#include "thermo_electrochemistry/thermochemistry_window.h"
#include "calculators/balancing_window.h"
#include "calculators/unit_conversion_window.h"
#include "calculators/curve_fit_window.h"
#include "calculators/indicator_chart_window.h"
#include "calculators/molecular_calculator_window.h"
#include "calculators/dictionary_window.h"

namespace {

constexpr ShellTool ToolTable[] = {
    {.menuCommand = SetupCommand, .open = OpenSetupDialog, .templateName = TavrparaTemplateName},
    {.menuCommand = ExitCommand, .open = ExitActiveWindow},
    {.menuCommand = MolecularCalculatorCommand,
     .launcherButton = MolecularCalculatorButtonId,
     .launcherCaption = MolecularCalculatorCaptionId,
     .launcherPicture = "KALKSYMB",
     .englishCaption = "Molecular Calculator",
     .startupCode = 4,
     .open = OpenMolecularCalculatorDialog,
     .templateName = MolekylkalkulatorTemplateName},
    {.menuCommand = BalanceCommand,
     .launcherButton = BalanceButtonId,
     .launcherCaption = BalanceCaptionId,
     .launcherPicture = "BALSYMB",
     .englishCaption = "       Balance",
     .startupCode = 3,
     .open = OpenBalanceDialog,
     .templateName = BalansereTemplateName},
    {.menuCommand = ThermochemistryCommand,
     .launcherButton = ThermochemistryButtonId,
     .launcherCaption = ThermochemistryCaptionId,
     .launcherPicture = "TERMSYMB",
     .englishCaption = "  Thermochemistry",
     .startupCode = 10,
     .open = OpenThermochemistryDialog,
     .templateName = TermodynamikkTemplateName},
    {.menuCommand = ElectrochemistryCommand,
     .launcherButton = ElectrochemistryButtonId,
     .launcherCaption = ElectrochemistryCaptionId,
     .launcherPicture = "REOXSYMB",
     .englishCaption = "Electrochemistry",
     .open = OpenElectrochemistryDialog,
     .templateName = RedoksTemplateName},
    {.menuCommand = SolubilityProductCommand,
     .launcherButton = SolubilityProductButtonId,
     .launcherCaption = SolubilityProductCaptionId,
     .launcherPicture = "SOLPROD",
     .englishCaption = "  Solubility Product",
     .startupCode = 11,
     .open = OpenSolubilityProductDialog,
     .templateName = SoluprodTemplateName},
    {.menuCommand = WeakAcidBaseCommand,
     .launcherButton = WeakAcidBaseButtonId,
     .launcherCaption = WeakAcidBaseCaptionId,
     .launcherPicture = "PHSYMB",
     .englishCaption = "   Weak acid/base",
     .startupCode = 12,
     .open = OpenWeakAcidBaseDialog,
     .templateName = SyrebaseTemplateName},
    {.menuCommand = SpectroscopyCommand,
     .launcherButton = SpectroscopyButtonId,
     .launcherCaption = SpectroscopyCaptionId,
     .launcherPicture = "MSSYMB",
     .englishCaption = "Spectroscopy",
     .open = OpenSpectroscopyDialog,
     .templateName = MassspTemplateName},
    {.menuCommand = CurveFitCommand,
     .launcherButton = CurveFitButtonId,
     .launcherCaption = CurveFitCaptionId,
     .launcherPicture = "PLOTSYMB",
     .englishCaption = "      Curve Fit",
     .open = OpenCurveFitDialog,
     .templateName = FuncplotTemplateName},
    // Hidden on the launcher and without a menu item: only the start-up setting opens it.
    {.menuCommand = ChemicalsDatabaseCommand,
     .launcherButton = ChemicalsDatabaseButtonId,
     .launcherCaption = ChemicalsDatabaseCaptionId,
     .launcherPicture = "DBSYMB",
     .startupCode = 2,
     .open = OpenChemicalsDatabaseDialog,
     .templateName = KjemikaliedatabaseTemplateName},
    {.menuCommand = DictionaryCommand,
     .launcherButton = DictionaryButtonId,
     .launcherCaption = DictionaryCaptionId,
     .launcherPicture = "ORDLISTE",
     .englishCaption = "    Dictionary",
     .startupCode = 13,
     .open = OpenDictionaryDialog,
     .templateName = OrdlisteTemplateName},
    {.menuCommand = PeriodicTableCommand,
     .launcherButton = PeriodicTableButtonId,
     .launcherCaption = PeriodicTableCaptionId,
     .launcherPicture = "PSYS",
     .englishCaption = "   Periodic Table",
     .startupCode = 1,
     .open = OpenPeriodicTableDialog,
     .templateName = PeriodesystemetTemplateName},
    {.menuCommand = IndicatorsCommand, .open = OpenIndicatorsDialog, .templateName = IndikatorerTemplateName},
    {.menuCommand = ConversionCommand, .open = OpenConversionDialog, .templateName = ConvertTemplateName},
    {.menuCommand = AboutCommand, .open = OpenAboutDialog, .templateName = OmtavrinTemplateName},
};

static_assert(std::ranges::count_if(ToolTable, [](const ShellTool& tool) { return tool.launcherButton != 0; }) ==
                  LauncherToolCount,
              "every picture button of the launcher form belongs to one tool");

}  // namespace

std::span<const ShellTool> ShellTools() { return ToolTable; }

int OpenTool(const ShellTool& tool, CWnd* parent) { return tool.open(parent); }
