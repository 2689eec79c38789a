#include "runtime/dialog_item_text.h"

std::string DialogItemText(const CWnd& dialog, int id, std::size_t limit) {
  std::string text;
  if (const CWnd* control = dialog.GetDlgItem(id)) control->GetWindowText(text);
  if (text.size() > limit) text.resize(limit);
  return text;
}
