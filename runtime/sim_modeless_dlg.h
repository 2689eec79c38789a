#pragma once
// The base of the modeless dialogs: allocated by its opener, made with Create, closed by OK,
// Cancel or its close box, and deleted when its window is destroyed. Each kind exists at most
// once; the opener keeps it in a ModelessInstance, which the window clears when it goes.
#include "runtime/sim_dialog.h"

class CSimModelessDlg;

// Where the one open window of a modeless kind is kept; null while none is open.
class ModelessSlot {
 public:
  CSimModelessDlg* window = nullptr;
};

template <class Window>
class ModelessInstance : public ModelessSlot {
 public:
  Window* Get() const { return static_cast<Window*>(window); }
};

class CSimModelessDlg : public CSimDialog {
  DECLARE_DYNCREATE(CSimModelessDlg)

 public:
  CSimModelessDlg() = default;
  ~CSimModelessDlg() override;

  // Makes the window from the template, owned by the parent. A window that cannot be made (or is
  // destroyed while it is being made) leaves the object alive for the caller to delete.
  BOOL Create(LPCSTR templateName, CWnd* parent);
  // The slot that names this window while it exists.
  void KeepIn(ModelessSlot& slot) { slot_ = &slot; }
  void OnOK() override;
  void OnCancel() override;

 protected:
  void PostNcDestroy() override;

 private:
  ModelessSlot* slot_ = nullptr;
  bool creating_ = false;
};
