#pragma once
// The four buttons with which an editor window extends, edits and shortens its list.
#include <optional>

#include "engine/records/record_rewrite.h"

struct ListButtons {
  int beforeId;
  int afterId;
  int replaceId;
  int deleteId;

  // The operation of the button with this id; none for another control.
  std::optional<EditOperation> Operation(int id) const {
    if (id == beforeId) return EditOperation::Before;
    if (id == afterId) return EditOperation::After;
    if (id == replaceId) return EditOperation::Replace;
    if (id == deleteId) return EditOperation::Delete;
    return std::nullopt;
  }
};
