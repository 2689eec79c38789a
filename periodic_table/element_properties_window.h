#pragma once
// The element-properties window "PERIODESYSTEMET - EGENSKAPER" / "PERIODIC TABLE - PROPERTIES", template EGENSKAPER:
// every stored property of the selected element, and below them the table of its stable isotopes with
// their NMR data or its history text. It exists at most once, owned by the periodic table window and
// destroyed with it.
#include <array>

#include "runtime/generated_dialog.h"
#include "runtime/sim_modeless_dlg.h"
#include "runtime/user_controls.h"

inline constexpr int PropertyFieldCount = 22;
inline constexpr int IsotopeHeadingCount = 18;
inline constexpr int UnitTextCount = 34;

class Cwm_EgenskaperBaseDlg : public GeneratedDialog<CSimModelessDlg> {
 protected:
  void ApplyTemplateSetup() override;

  CUserEdit m_refillField;
  std::array<CUserEdit, PropertyFieldCount> m_propertyFields;
  CUserEdit m_isotopeOrHistoryText;
  std::array<CUserEdit, IsotopeHeadingCount> m_headings;
  std::array<CUserStatic, PropertyFieldCount> m_labels;
  std::array<CUserStatic, UnitTextCount> m_unitTexts;
  CUserStatic m_muOpeningBracket;
  CUserStatic m_muClosingBracket;
  CUserButton m_isotopeViewRadio;
  CUserButton m_historyViewRadio;
  CUserButton m_lowerFrame;
  CUserGraphicButton m_muPicture;
};

class Cwm_EgenskaperDlg : public Cwm_EgenskaperBaseDlg {
 public:
  BOOL OnUserInit(int initialising) override;
  // Shows the element of SelectedElement in the view of PropertiesViewMode.
  void FillElementProperties();

 protected:
  afx_msg void OnIsotopeView();
  afx_msg void OnHistoryView();

  DECLARE_MESSAGE_MAP()

 private:
  void ShowHistory(int Z);
  void ShowIsotopeTable(int Z);
};

// The open properties window, or null.
extern ModelessInstance<Cwm_EgenskaperDlg> ElementPropertiesWindow;

// Creates the properties window owned by `owner`, or brings the open one forward, and fills it for
// the selected element; null when the window cannot be made.
Cwm_EgenskaperDlg* ShowElementPropertiesWindow(CWnd* owner);
