#include "runtime/sim_dialog_fields.h"

#include "platform/gdi/gdi_objects.h"

SimDialogFields::~SimDialogFields() { SetBackgroundBrush(nullptr, false); }

void SimDialogFields::SetBackgroundBrush(HBRUSH brush, bool owned) {
  if (brushOwned_ && backgroundBrush_ != nullptr && backgroundBrush_ != brush) ::DeleteObject(backgroundBrush_);
  backgroundBrush_ = brush;
  brushOwned_ = owned;
}
