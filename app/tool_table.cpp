#include "app/tool_table.h"

#include <algorithm>

#include "app/omtavr1.h"
#include "app/tavrpara.h"
#include "app/usercode.h"
#include "database/kjemik1.h"
#include "database/masssp.h"
#include "periodic/periodes.h"
#include "resources/client_ids.h"
#include "resources/menu_commands.h"
#include "runtime/dialog_openers.h"
#include "solution/redoks.h"
#include "solution/soluprod.h"
#include "solution/syrebase.h"
#include "solution/termodyn.h"
#include "tools/balanser.h"
#include "tools/convert.h"
#include "tools/funcplot.h"
#include "tools/indikato.h"
#include "tools/molekylk.h"
#include "tools/ordliste.h"

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
