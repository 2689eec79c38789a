#pragma once
// The openers of the windows: a modal dialog lives on its opener's stack while it runs; a
// modeless window is made once, shown again while it exists, and deletes itself when closed.
// A template that cannot be loaded, or a window that cannot be made, is reported as
// "Cannot create dialog box " and the template's name.
#include "platform/win/message_box.h"
#include "runtime/resource_message.h"
#include "resources/resource_strings.h"
#include "runtime/sim_modeless_dlg.h"

inline void ReportDialogNotCreated(LPCSTR templateName) {
  ShowResourceMessage(::GetActiveWindow(), MB_ICONHAND, CannotCreateDialogStringId, templateName);
}

// Runs Dialog (constructed with the template name and the parent) modally; returns DoModal's result.
template <class Dialog>
int OpenModalDialog(LPCSTR templateName, CWnd* parent) {
  Dialog dialog(templateName, parent);
  const int result = dialog.DoModal();
  if (result == -1) ReportDialogNotCreated(templateName);
  return result;
}

// Shows the open window of the kind, or makes a new one; null when it cannot be made.
template <class Window>
Window* ShowModelessWindow(ModelessInstance<Window>& instance, LPCSTR templateName, CWnd* parent) {
  if (Window* open = instance.Get(); open != nullptr && ::IsWindow(open->m_hWnd)) {
    open->ShowWindow(SW_SHOW);
    open->SetFocus();
    return open;
  }
  auto* window = new Window;  // deleted by its own destruction, or below when it cannot be made
  window->KeepIn(instance);
  instance.window = window;
  if (window->Create(templateName, parent)) {
    window->ShowWindow(SW_SHOW);
    return window;
  }
  delete window;
  ReportDialogNotCreated(templateName);
  return nullptr;
}
