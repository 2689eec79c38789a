#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/spectroscopy_ids.h"
#include "resources/template_items.h"

namespace {

constexpr DWORD PeakFieldStyle = Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

DialogItemTemplate CheckBox(const char* text, int id, short x, short y, short cx, short cy) {
  return Item("BUTTON", text, id, Shown | WS_TABSTOP | BS_AUTOCHECKBOX, x, y, cx, cy);
}

DialogItemTemplate PeakField(int id, short y, short cx) { return Item("EDIT", "", id, PeakFieldStyle, 2, y, cx, 12); }

// The IR and NMR rows with the minimum counts, hit percentages and list buttons beside them: a band
// below the MS group, which holds three rows; the report fills the window below the band. The peak
// rows scroll sideways, so they give the frames beside them the width of their captions.
constexpr short BandY = 50;
constexpr short ReportY = BandY + 69;
constexpr short PeakGroupWidth = 169;

DialogItemTemplate NumberField(int id, short x, short y, short cx) {
  return Item("EDIT", "", id, PeakFieldStyle, x, y, cx, 12);
}

}  // namespace

// The spectroscopy window: the four peak rows with the parent formula and the MS options down the
// left, the minimum counts, hit percentages and table buttons beside them, the stored experiments
// at the right, and the report across the bottom.
DialogTemplate MassspTemplate() {
  DialogTemplate dialog = ModalDialog("SPEKTROSKOPI", 363, 261);
  dialog.y = 1;
  dialog.items = {
      GroupBox("MS (fragmentmasser)", MsGroupId, 0, 1, 243, 48),
      PeakField(MsPeaksId, 11, 175),
      StaticText("+/-", ToleranceLabelId, 178, 13, 10, 8),
      NumberField(MsToleranceId, 190, 11, 34),
      StaticText("m", ElectronMassLabelId, 226, 13, 6, 8),
      StaticText("e", ElectronSubscriptLabelId, 232, 15, 5, 8),
      StaticText("-", ElectronChargeLabelId, 237, 12, 5, 8),
      CheckBox("Iterere ->", IterateId, 1, 26, 46, 8),
      Item("EDIT", "", ParentFormulaId, Shown | WS_BORDER | WS_TABSTOP, 50, 24, 175, 12),
      CheckBox("Vis isotopformel", ShowIsoFormulaId, 1, 38, 67, 8),
      GroupBox("IR (cm-1)", IrGroupId, 0, BandY, PeakGroupWidth, 23),
      PeakField(IrPeaksId, BandY + 9, PeakGroupWidth - 4),
      GroupBox("NMR H[1] (ppm)", H1GroupId, 0, BandY + 23, PeakGroupWidth, 22),
      PeakField(H1PeaksId, BandY + 32, PeakGroupWidth - 4),
      GroupBox("NMR C[13] (ppm)", C13GroupId, 0, BandY + 45, PeakGroupWidth, 23),
      PeakField(C13PeaksId, BandY + 55, PeakGroupWidth - 4),
      GroupBox("LPTV", MinimumCountGroupId, 170, BandY, 26, 69),
      NumberField(MinimumCountIrId, 177, BandY + 9, 12),
      NumberField(MinimumCountH1Id, 177, BandY + 32, 12),
      NumberField(MinimumCountC13Id, 177, BandY + 55, 12),
      GroupBox("Treff%", HitPercentGroupId, 197, BandY, 30, 69),
      RadioButton("100", Hit100Id, 200, BandY + 10, 22, 8, true),
      RadioButton("75", Hit75Id, 200, BandY + 22, 20, 8, false),
      RadioButton("50", Hit50Id, 200, BandY + 34, 21, 8, false),
      RadioButton("25", Hit25Id, 200, BandY + 46, 21, 8, false),
      RadioButton(">0", HitAnyId, 200, BandY + 58, 20, 8, false),
      GroupBox("Data", DataGroupId, 228, BandY, 65, 22),
      PushButton("MS", MsTableButtonId, 230, BandY + 9, 14, 11),
      PushButton("IR", IrTableButtonId, 245, BandY + 9, 14, 11),
      PushButton("H1", H1TableButtonId, 260, BandY + 9, 14, 11),
      PushButton("C13", C13TableButtonId, 275, BandY + 9, 16, 11),
      PushButton("UV", UvTableButtonId, 302, 14, 6, 3, HiddenDisabled),
      EditField(UnusedHiddenFieldId, 341, 14, 9, 3, HiddenDisabled),
      DefaultPushButton("Beregne", CalculateId, 245, 17, 40, 21),
      PushButton("Fjerne spektraldata", ClearPeaksId, 245, 0, 71, 12),
      PushButton("Lukk", SpectroscopyCloseId, 325, 0, 36, 12),
      PushButton("OK", SpectroscopyOkId, 331, 14, 7, 4, HiddenDisabled),
      PushButton("filskr", RewriteExperimentsId, 319, 1, 5, 9, HiddenDisabled),
      GroupBox("Navn (eksperiment)", ExperimentNameGroupId, 287, 18, 75, 23),
      EditField(ExperimentNameId, 290, 27, 70, 12),
      Item("LISTBOX", "", ExperimentListId, Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 294, 42, 68,
           ReportY - 43),
      GroupBox("Editere listeboks", EditListGroupId, 228, BandY + 24, 65, 45),
      GroupBox("Lagre", SaveGroupId, 229, BandY + 32, 63, 23),
      PushButton("F\xF8r", ExperimentBeforeId, 230, BandY + 41, 30, 12),
      PushButton("Etter", ExperimentAfterId, 261, BandY + 41, 30, 12),
      PushButton("Erstatte", ReplaceExperimentId, 230, BandY + 56, 30, 12),
      PushButton("Fjerne", DeleteExperimentId, 261, BandY + 56, 30, 12),
      Item("EDIT", "", ReportFieldId,
           Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
               ES_READONLY,
           1, ReportY, 361, 260 - ReportY),
  };
  return dialog;
}

namespace {

constexpr MemberSetup MassspMembers[] = {
    {.id = ToleranceLabelId, .colours = ColourKind::Gray},
    {.id = ReportFieldId, .font = FixedsysTable},
    {.id = ElectronMassLabelId, .colours = ColourKind::Gray},
    {.id = ElectronSubscriptLabelId, .colours = ColourKind::Gray},
    {.id = MsGroupId, .colours = ColourKind::Gray},
    {.id = ElectronChargeLabelId, .colours = ColourKind::Gray},
    {.id = IrGroupId, .colours = ColourKind::Gray},
    {.id = H1GroupId, .colours = ColourKind::Gray},
    {.id = IterateId, .colours = ColourKind::Gray},
    {.id = EditListGroupId, .colours = ColourKind::Gray},
    {.id = SaveGroupId, .colours = ColourKind::Gray},
    {.id = ExperimentNameGroupId, .colours = ColourKind::Gray},
    {.id = DataGroupId, .colours = ColourKind::Gray},
    {.id = C13GroupId, .colours = ColourKind::Gray},
    {.id = ShowIsoFormulaId, .colours = ColourKind::Gray},
    {.id = Hit100Id, .colours = ColourKind::Gray},
    {.id = Hit75Id, .colours = ColourKind::Gray},
    {.id = Hit50Id, .colours = ColourKind::Gray},
    {.id = Hit25Id, .colours = ColourKind::Gray},
    {.id = HitAnyId, .colours = ColourKind::Gray},
    {.id = HitPercentGroupId, .colours = ColourKind::Gray},
    {.id = MinimumCountGroupId, .colours = ColourKind::Gray},
};

constexpr EnglishText MassspEnglish[] = {
    {SpectroscopyCloseId, "Close"},
    {ExperimentBeforeId, "Before"},
    {ExperimentAfterId, "After"},
    {ReplaceExperimentId, "Replace"},
    {DeleteExperimentId, "Delete"},
    {EditListGroupId, "Edit list box"},
    {SaveGroupId, "Add experiment"},
    {MsGroupId, "MS (fragment mass)"},
    {IterateId, "Iterate ->"},
    {ShowIsoFormulaId, "Show iso.formula"},
    {ExperimentNameGroupId, "Name (experiment)"},
    {MinimumCountGroupId, "LPHV"},
    {ClearPeaksId, "Remove spect.data"},
    {CalculateId, "Calculate"},
    {HitPercentGroupId, "Hit%"},
};

}  // namespace

const WindowSetup MassspSetup{
    .members = MassspMembers, .englishCaption = "SPECTROSCOPY", .englishTexts = MassspEnglish};
