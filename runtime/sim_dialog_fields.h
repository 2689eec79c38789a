#pragma once
// What every dialog of the runtime adds to the library's dialog or form: its background brush, an
// optional background bitmap, menu-item enabling, its help context and its scroll position.
#include <string>

#include "runtime/bitmap_drawing.h"

class SimDialogFields {
 public:
  SimDialogFields() = default;
  ~SimDialogFields();
  SimDialogFields(const SimDialogFields&) = delete;
  SimDialogFields& operator=(const SimDialogFields&) = delete;

  // The brush of the dialog's own background; an owned brush is deleted with the dialog.
  void SetBackgroundBrush(HBRUSH brush, bool owned);
  HBRUSH BackgroundBrush() const { return backgroundBrush_; }

  std::string backgroundBitmapName;  // empty: no background bitmap
  int backgroundBitmapMode = NaturalSizeDrawMode;
  bool autoEnableMenus = true;  // menu items without a handler are disabled
  UINT helpContextId = 0;       // 0: none
  bool scrollingOn = false;
  int horizontalPosition = 0;  // pixels
  int verticalPosition = 0;

 private:
  HBRUSH backgroundBrush_ = nullptr;
  bool brushOwned_ = false;
};
