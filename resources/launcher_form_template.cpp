#include "resources/launcher_form_ids.h"
#include "resources/dialog_templates.h"
#include "resources/template_items.h"

// The launcher form: the logo and the title in the middle, framed by the picture buttons of the
// tools with their captions. The buttons' text marks them as 3D picture buttons.
DialogTemplate ClientTemplate() {
  constexpr const char* Picture = "WMP3DBUTTON";
  DialogTemplate form;
  form.style = WS_CHILD;
  form.cx = 266;
  form.cy = 224;
  form.items = {
      OwnerDrawButton("WMPGRAPHIC", LogoId, 75, 19, 114, 123, Shown, false),
      StaticText("TAVRIN", TitleId, 94, 150, 76, 23),
      OwnerDrawButton(Picture, PeriodicTableButtonId, 12, 11, 35, 23),
      StaticText("  Periodesystemet", PeriodicTableCaptionId, 4, 35, 52, 8),
      OwnerDrawButton(Picture, MolecularCalculatorButtonId, 12, 68, 35, 23),
      StaticText("  Molekylkalkulator", MolecularCalculatorCaptionId, 2, 92, 58, 8),
      OwnerDrawButton(Picture, BalanceButtonId, 12, 125, 35, 23),
      StaticText("       Balansere", BalanceCaptionId, 4, 149, 51, 8),
      OwnerDrawButton(Picture, ThermochemistryButtonId, 12, 182, 35, 23),
      StaticText("     Termokjemi", ThermochemistryCaptionId, 4, 206, 53, 8),
      OwnerDrawButton(Picture, ElectrochemistryButtonId, 79, 182, 35, 23),
      StaticText("   Elektrokjemi", ElectrochemistryCaptionId, 75, 206, 47, 8),
      OwnerDrawButton(Picture, SolubilityProductButtonId, 147, 182, 35, 23),
      StaticText("L\xF8"
                 "selighetsprodukt",
                 SolubilityProductCaptionId, 139, 206, 53, 8),
      OwnerDrawButton(Picture, WeakAcidBaseButtonId, 216, 182, 35, 23),
      StaticText("    Svak syre/base", WeakAcidBaseCaptionId, 206, 206, 59, 8),
      OwnerDrawButton(Picture, SpectroscopyButtonId, 216, 125, 35, 23),
      StaticText("Spektroskopi", SpectroscopyCaptionId, 215, 149, 45, 8),
      OwnerDrawButton(Picture, CurveFitButtonId, 216, 68, 35, 23),
      StaticText(" Kurvetilspasning", CurveFitCaptionId, 210, 92, 49, 8),
      OwnerDrawButton(Picture, DictionaryButtonId, 216, 11, 35, 23),
      StaticText("      Ordliste", DictionaryCaptionId, 213, 35, 41, 8),
      OwnerDrawButton(Picture, ChemicalsDatabaseButtonId, 57, 148, 35, 23, HiddenDisabled),
      StaticText("Kjemikaliedatabase", ChemicalsDatabaseCaptionId, 34, 172, 56, 8, HiddenDisabled),
      PushButton("Button 1", UnusedButton1Id, 87, 3, 36, 12, HiddenDisabled),
      PushButton("Button 2", UnusedButton2Id, 139, 3, 36, 12, HiddenDisabled),
  };
  return form;
}

namespace {

constexpr MemberSetup ClientMembers[] = {
    {.id = LogoId, .picture = {"TVRNLOGO", PictureLook::Stretched}},
    {.id = TitleId, .colours = ColourKind::Gray, .font = HelvTitle},
};

}  // namespace

const WindowSetup ClientSetup{.members = ClientMembers};

MemberSetup LauncherButtonSetup(int id, const char* picture) {
  return {.id = id, .picture = {picture, PictureLook::ButtonFace}};
}

MemberSetup LauncherCaptionSetup(int id) { return {.id = id, .colours = ColourKind::Gray, .font = HelvSmall}; }
