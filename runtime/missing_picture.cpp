#include "runtime/missing_picture.h"

#include <set>
#include <utility>

#include "platform/win/message_box.h"
#include "runtime/resource_message.h"

void ReportMissingPicture(UINT stringId, const std::string& name) {
  static std::set<std::pair<UINT, std::string>> reported;
  if (!reported.emplace(stringId, name).second) return;
  ShowResourceMessage(::GetActiveWindow(), MB_ICONINFORMATION, stringId, name.c_str());
}
