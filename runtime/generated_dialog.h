#pragma once
// The base of a generated window (Cwm_NAMEBaseDlg) on its runtime base, a modal or a modeless
// dialog. When the window is made it attaches the members and applies the template's generated
// set-up, then runs the runtime base's initialisation, then the steps that place texts over the
// controls in the window's font, then the window's own initialisation (Cwm_NAMEDlg's OnUserInit).
#include <concepts>

#include "runtime/sim_dialog.h"

template <std::derived_from<CSimDialog> RuntimeBase>
class GeneratedDialog : public RuntimeBase {
 public:
  using RuntimeBase::RuntimeBase;

  BOOL OnInitDialog() override {
    ApplyTemplateSetup();
    RuntimeBase::OnInitDialog();
    ArrangeTexts();
    return OnUserInit(1);
  }

  // The window's own initialisation; FALSE when it has set the focus itself.
  virtual BOOL OnUserInit(int /*initialising*/) { return TRUE; }

 protected:
  // ApplyGeneratedSetup with the window's set-up table and its members in member order.
  virtual void ApplyTemplateSetup() = 0;
  // Texts spaced or centred over controls, which needs the controls' fonts in place.
  virtual void ArrangeTexts() {}
};
