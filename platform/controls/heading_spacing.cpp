#include "platform/controls/heading_spacing.h"

#include <string>

#include "platform/gdi/gdi_api.h"
#include "platform/win/win_constants.h"

namespace {

// The edit's text stands this many pixels inside its client area.
constexpr int EditTextMargin = 2;
constexpr size_t GroupGap = 3;

std::vector<std::string> WordGroups(const std::string& text) {
  std::vector<std::string> groups;
  size_t at = text.find_first_not_of(' ');
  while (at != std::string::npos) {
    size_t end = text.find(std::string(GroupGap, ' '), at);
    if (end == std::string::npos) end = text.find_last_not_of(' ') + 1;
    groups.push_back(text.substr(at, end - at));
    at = text.find_first_not_of(' ', end);
  }
  return groups;
}

int ClientLeftIn(HWND heading, HWND control) {
  POINT corner{0, 0};
  ClientToScreen(control, &corner);
  ScreenToClient(heading, &corner);
  return corner.x;
}

int AverageCharacterWidth(HWND control) {
  const HDC dc = GetDC(control);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(control, WM_GETFONT, 0, 0)));
  TEXTMETRIC metrics{};
  GetTextMetrics(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return metrics.tmAveCharWidth;
}

}  // namespace

void SpaceHeadingGroups(HWND heading, const std::vector<int>& groupStarts) {
  const std::vector<std::string> groups = WordGroups(GetWindowTextString(heading));
  if (groups.empty()) return;
  const HDC dc = GetDC(heading);
  const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(heading, WM_GETFONT, 0, 0)));
  const auto width = [dc](const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  std::string spaced;
  for (size_t index = 0; index < groups.size(); ++index) {
    if (index > 0) spaced += std::string(GroupGap, ' ');
    if (index < groupStarts.size()) {
      while (width(spaced) < groupStarts[index]) spaced += ' ';
    }
    spaced += groups[index];
  }
  SelectObject(dc, previous);
  ReleaseDC(heading, dc);
  SetWindowText(heading, spaced.c_str());
}

void SpaceHeadingOverFields(HWND dialog, int headingId, const std::vector<int>& fieldIds) {
  const HWND heading = GetDlgItem(dialog, headingId);
  std::vector<int> starts;
  for (int id : fieldIds) starts.push_back(ClientLeftIn(heading, GetDlgItem(dialog, id)) + EditTextMargin);
  SpaceHeadingGroups(heading, starts);
}

void SpaceHeadingOverTabStops(HWND dialog, int headingId, int tableId, const std::vector<int>& tabStops) {
  const HWND heading = GetDlgItem(dialog, headingId);
  const HWND table = GetDlgItem(dialog, tableId);
  const int left = ClientLeftIn(heading, table) + EditTextMargin;
  const int stop = 8 * AverageCharacterWidth(table);
  std::vector<int> starts;
  for (int tab : tabStops) starts.push_back(left + tab * stop);
  SpaceHeadingGroups(heading, starts);
}
