#include "runtime/resource_message.h"

#include <cstring>
#include <string>

#include "platform/win/message_box.h"
#include "platform/win/resources.h"

namespace {

// A message lives in a 200-character buffer, so it holds 199 characters and its end.
constexpr int MessageBufferSize = 200;
constexpr int MessageLimit = MessageBufferSize - 1;

}  // namespace

int ShowResourceMessage(HWND owner, UINT flags, UINT id, LPCSTR extra) {
  char buffer[MessageBufferSize] = {};
  if (id != 0 && ::LoadString(AfxGetResourceHandle(), id, buffer, MessageBufferSize) == 0) {
    ::MessageBox(owner, "Cannot load string.", MessageCaption, MB_SYSTEMMODAL | MB_ICONHAND);
    return 0;
  }
  std::string text(buffer);
  if (extra != nullptr && text.size() + 1 + std::strlen(extra) <= static_cast<size_t>(MessageLimit)) {
    text += ' ';
    text += extra;
  }
  return ::MessageBox(owner, text.c_str(), MessageCaption, flags);
}
