#include "runtime/generated_setup.h"

void PrepareGeneratedWindow(SimDialogFields& fields, int stockBrush) {
  fields.helpContextId = GeneratedHelpContextId;
  fields.SetBackgroundBrush(::GetStockObject(stockBrush), false);
  fields.scrollingOn = false;
}

void AttachMembers(CWnd& dialog, std::initializer_list<MemberBinding> members) {
  for (const MemberBinding& binding : members) binding.member.SubclassDlgItem(static_cast<UINT>(binding.id), &dialog);
}

void UseDefaultColours(SimControlStyle& member) {
  member.SetColors(FALSE, 0, TRUE, DialogGray, TransparentBackground);
  member.SetBkBrushColor(DialogGray);
}

void UseWhiteField(SimControlStyle& member) {
  member.SetColors(FALSE, 0, TRUE, FieldWhite, TransparentBackground);
  member.SetBkBrushColor(FieldWhite);
}

void UseTextColour(SimControlStyle& member, COLORREF textColour) {
  member.SetColors(TRUE, textColour, TRUE, DialogGray, TransparentBackground);
  member.SetBkBrushColor(DialogGray);
}

void UseFont(SimControlStyle& member, int height, int weight, bool underline, LPCSTR face) {
  member.SetFont(height, 0, 0, 0, weight, 0, underline ? 1 : 0, 0, 0, 0, 0, 0, 0, face);
}
