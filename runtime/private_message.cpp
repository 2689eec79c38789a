#include "runtime/private_message.h"

const UINT PrivateMessageId = RegisterWindowMessage(PrivateMessageName);

LRESULT SendPrivateMessage(HWND window, PrivateMessageCode code, LPARAM argument) {
  return ::SendMessage(window, PrivateMessageId, code, argument);
}
