#include <string>

#include "platform/win/control_constants.h"
#include "resources/dialog_templates.h"
#include "resources/curve_fit_ids.h"
#include "resources/template_items.h"

namespace {

constexpr DWORD CheckBoxStyle = Shown | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD RangeFieldStyle = Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;

DialogItemTemplate CheckBox(const char* text, int id, short x, short y, short cx, short cy) {
  return Item("BUTTON", text, id, CheckBoxStyle, x, y, cx, cy);
}

DialogItemTemplate HiddenRadio(const char* text, int id, short x, short y, short cx, short cy) {
  return RadioButton(text, id, x, y, cx, cy, id == FirstHiddenRadioId, HiddenDisabled);
}

DialogItemTemplate Field(int id, short x, short y, short cx) {
  return Item("EDIT", "", id, RangeFieldStyle, x, y, cx, 12);
}

const std::string RangeHeadings = std::string(8, ' ') + "X min" + std::string(16, ' ') + "X max" +
                                  std::string(15, ' ') + "Y min" + std::string(19, ' ') + "Y max";
const std::string TextHeadings =
    "Fig.tekst:" + std::string(10, ' ') + "Tittel" + std::string(51, ' ') + "X-akse" + std::string(38, ' ') + "Y-akse";

}  // namespace

// The curve-fit window: the grey band of texts, ranges and options across the top, the grey column
// of data, models and stored data sets at the right, and the white plot area between them.
DialogTemplate FuncplotTemplate() {
  DialogTemplate dialog = ModalDialog("KURVETILPASNING", 362, 263);
  dialog.x = 0;
  dialog.y = 34;
  dialog.items = {
      PushButton("Lukk", CurveFitCloseId, 328, 0, 34, 12),
      GroupBox("Data ( X  Y )", DataGroupId, 284, 37, 78, 54),
      Item("EDIT", "", CurveDataFieldId,
           Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 285, 46, 75,
           43),
      StaticText("Funksjon :", FunctionLabelId, 1, 2, 34, 8),
      Item("EDIT", "", FunctionFieldId, Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 37, 0, 144, 12),
      // The raised 2 lies over the gap after the R of its label.
      StaticText("2", RaisedTwoId, 188, 0, 4, 7),
      StaticText("R  :", RSquaredLabelId, 183, 2, 13, 8),
      Item("EDIT", "", RSquaredFieldId, Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 197, 0, 55, 12),
      StaticText("SSE:", SseLabelId, 253, 2, 16, 8),
      Item("EDIT", "", SseFieldId, Shown | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 270, 0, 55, 12),
      GroupBox(TextHeadings.c_str(), TextHeadingsId, 0, 13, 362, 24),
      Field(TitleFieldId, 1, 23, 138),
      Field(XAxisFieldId, 139, 23, 124),
      Field(YAxisFieldId, 263, 23, 98),
      CheckBox("Gitter", GridId, 3, 37, 29, 9),
      CheckBox("Ramme", FrameId, 3, 46, 35, 8),
      CheckBox("Skjul punkter", HidePointsId, 3, 54, 53, 8),
      GroupBox(RangeHeadings.c_str(), RangeHeadingsId, 57, 37, 227, 24),
      Field(XMinFieldId, 59, 47, 55),
      Field(XMaxFieldId, 115, 47, 55),
      Field(YMinFieldId, 171, 47, 55),
      Field(YMaxFieldId, 227, 47, 55),
      DefaultPushButton("Beregn", CalculateFitId, 119, 63, 45, 17),
      OwnerDrawButton("WMP3DBUTTON", PrintPlotId, 2, 64, 15, 14),
      GroupBox("Kurve", CurveGroupId, 284, 92, 78, 60),
      Item("LISTBOX", "", ModelListId, Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 286, 102, 74, 48),
      GroupBox("Navn (X Y data)", DataSetNameGroupId, 284, 153, 78, 23),
      Item("EDIT", "", DataSetNameId, RangeFieldStyle, 285, 162, 75, 12),
      Item("LISTBOX", "", DataSetListId, Shown | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 285, 176, 76, 38),
      GroupBox("Editere listeboks", EditListGroupId, 284, 218, 78, 44),
      GroupBox("Lagre", SaveGroupId, 285, 225, 75, 23),
      PushButton("F\xF8r", AddBeforeId, 287, 234, 34, 12),
      PushButton("Etter", AddAfterId, 324, 234, 34, 12),
      PushButton("Erstatte", ReplaceDataSetId, 287, 248, 34, 12),
      PushButton("Fjerne", DeleteDataSetId, 324, 248, 34, 12),
      HiddenRadio("Ingen funk.", 103, 254, 250, 2, 10),
      HiddenRadio("Y=A+B*X", 104, 257, 250, 2, 10),
      HiddenRadio("Y=A*exp(B*X)", 105, 261, 250, 2, 10),
      HiddenRadio("Y=A*X^B", 106, 265, 250, 2, 10),
      HiddenRadio("Y=A+B*ln(X)", 107, 269, 250, 2, 10),
      HiddenRadio("Y=A/X+B", 108, 273, 250, 2, 10),
      HiddenRadio("text", 109, 275, 215, 7, 4),
      HiddenRadio("Beste funk.", LastHiddenRadioId, 280, 250, 2, 9),
      StaticText("X min", HiddenRangeLabelId, 278, 238, 3, 4, HiddenDisabled),
      Item("BUTTON", "xy", HiddenXyCheckId, HiddenDisabled | BS_AUTOCHECKBOX, 271, 245, 10, 2),
      PushButton("filskr", FileWriteId, 276, 222, 7, 3, HiddenDisabled),
      StaticText("Text", HiddenTextLabelId, 277, 231, 5, 4, HiddenDisabled),
      PushButton("OK", CurveFitOkId, 277, 226, 5, 3, HiddenDisabled),
      GroupBox("Skriver", HiddenPrinterGroupId, 238, 250, 6, 7, HiddenDisabled),
      PushButton("skriver-valg", PrintOptionsId, 247, 249, 5, 9, HiddenDisabled),
      PushButton("Sjult funk", RepaintPlotId, 181, 65, 36, 12, HiddenDisabled),
      // The grey panels come last, under the controls that sit on them.
      StaticText("", TopPanelId, 0, 0, 362, 81),
      StaticText("", RightPanelId, 284, 81, 78, 182),
  };
  return dialog;
}

namespace {

constexpr MemberSetup FuncplotMembers[] = {
    {.id = TopPanelId, .colours = ColourKind::Gray},
    {.id = FirstHiddenRadioId, .count = LastHiddenRadioId - FirstHiddenRadioId + 1, .colours = ColourKind::Gray},
    {.id = HidePointsId, .colours = ColourKind::Gray},
    {.id = FunctionLabelId, .colours = ColourKind::Gray},
    {.id = RSquaredLabelId, .colours = ColourKind::Gray},
    {.id = HiddenRangeLabelId, .colours = ColourKind::Gray},
    {.id = RangeHeadingsId, .colours = ColourKind::Gray},
    {.id = HiddenXyCheckId, .colours = ColourKind::Gray},
    {.id = EditListGroupId, .colours = ColourKind::Gray},
    {.id = SaveGroupId, .colours = ColourKind::Gray},
    {.id = DataSetNameGroupId, .colours = ColourKind::Gray},
    {.id = PrintPlotId, .picture = {"TBPRINT", PictureLook::ButtonFace}},
    {.id = RaisedTwoId, .colours = ColourKind::Gray},
    {.id = SseLabelId, .colours = ColourKind::Gray},
    {.id = GridId, .colours = ColourKind::Gray},
    {.id = FrameId, .colours = ColourKind::Gray},
    {.id = FunctionFieldId, .colours = ColourKind::Gray},
    {.id = RSquaredFieldId, .colours = ColourKind::Gray},
    {.id = SseFieldId, .colours = ColourKind::Gray},
    {.id = HiddenTextLabelId, .colours = ColourKind::Gray},
    {.id = RightPanelId, .colours = ColourKind::Gray},
    {.id = DataGroupId, .colours = ColourKind::Gray},
    {.id = TextHeadingsId, .colours = ColourKind::Gray},
    {.id = CurveGroupId, .colours = ColourKind::Gray},
    {.id = CurveDataFieldId, .font = {-12}},
    {.id = HiddenPrinterGroupId, .colours = ColourKind::Gray},
};

constexpr const char* EnglishRangeHeadings =
    "       X min                X max                Y min               Y max";

constexpr const char* EnglishTextHeadings =
    "Fig.text:            Title                                                   X-axis                               "
    "       Y-axis";

constexpr EnglishText FuncplotEnglish[] = {
    {CurveFitCloseId, "Close"},
    {AddBeforeId, "Before"},
    {AddAfterId, "After"},
    {ReplaceDataSetId, "Replace"},
    {DeleteDataSetId, "Delete"},
    {EditListGroupId, "Edit list box"},
    {SaveGroupId, "Save"},
    {RangeHeadingsId, EnglishRangeHeadings},
    {FirstHiddenRadioId, "No function"},
    {DataSetNameGroupId, "Name (X Y data)"},
    {LastHiddenRadioId, "Best fit"},
    {HidePointsId, "Hide points"},
    {GridId, "Grid"},
    {FrameId, "Frame"},
    {FunctionLabelId, "Function:"},
    {CurveGroupId, "Curve"},
    {PrintPlotId, "Print"},
    {CalculateFitId, "Calculate"},
    {TextHeadingsId, EnglishTextHeadings},
};

}  // namespace

const WindowSetup FuncplotSetup{.backgroundBrush = WHITE_BRUSH,
                                .members = FuncplotMembers,
                                .englishCaption = "CURVE FIT",
                                .englishTexts = FuncplotEnglish};
