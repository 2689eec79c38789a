#include "platform/controls/heading_spacing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/controls/control_font.h"
#include "platform/gdi/gdi_api.h"
#include "platform/win/win_constants.h"

namespace {

// The edit's text stands this many pixels inside its client area.
constexpr int EditTextMargin = 2;
constexpr size_t GroupGap = 3;
constexpr size_t WordGap = 1;

// The parts of the text that stand `gap` blanks or more apart.
std::vector<std::string> WordGroups(const std::string& text, size_t gap) {
  std::vector<std::string> groups;
  size_t at = text.find_first_not_of(' ');
  while (at != std::string::npos) {
    size_t end = text.find(std::string(gap, ' '), at);
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

class GroupPlacer {
 public:
  explicit GroupPlacer(HWND heading) : heading_(heading), dc_(GetDC(heading)) {
    previous_ = SelectObject(dc_, reinterpret_cast<HGDIOBJ>(SendMessage(heading, WM_GETFONT, 0, 0)));
  }
  ~GroupPlacer() {
    SelectObject(dc_, previous_);
    ReleaseDC(heading_, dc_);
  }
  GroupPlacer(const GroupPlacer&) = delete;
  GroupPlacer& operator=(const GroupPlacer&) = delete;

  int Width(const std::string& text) const {
    SIZE size{};
    GetTextExtentPoint32(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  }

  // The groups joined, each after at least `gap` blanks, with blanks added before group i while
  // that brings it nearer its place: its start at or right of starts[i], or its middle at
  // centres[i] + shift. `worstMiss` is the farthest a middle ends from its place.
  std::string Join(const std::vector<std::string>& groups, size_t gap, const std::vector<int>& starts,
                   const std::vector<std::optional<int>>& centres, int shift, double& worstMiss) const {
    std::string spaced;
    worstMiss = 0;
    for (size_t index = 0; index < groups.size(); ++index) {
      if (index > 0) spaced += std::string(gap, ' ');
      if (index < starts.size()) {
        while (Width(spaced) < starts[index]) spaced += ' ';
      } else if (index < centres.size() && centres[index].has_value()) {
        const double half = Width(groups[index]) / 2.0;
        const auto miss = [&](const std::string& before) {
          return std::abs(Width(before) + half - (*centres[index] + shift));
        };
        while (miss(spaced + ' ') < miss(spaced)) spaced += ' ';
        worstMiss = std::max(worstMiss, miss(spaced));
      }
      spaced += groups[index];
    }
    return spaced;
  }

 private:
  HWND heading_;
  HDC dc_;
  HGDIOBJ previous_ = nullptr;
};

// Centres the groups, at least `gap` blanks apart, on their places; the heading moves left by the
// best shift and widens to its spaced text, so that no group wraps out of its one line.
void CentreGroups(HWND heading, size_t gap, const std::vector<std::optional<int>>& groupCentres) {
  const std::vector<std::string> groups = WordGroups(GetWindowTextString(heading), gap);
  std::string best;
  int bestShift = 0;
  int textWidth = 0;
  {
    const GroupPlacer placer(heading);
    double bestMiss = 0;
    for (int shift = 0; shift < std::max(1, placer.Width(" ")); ++shift) {
      double worstMiss = 0;
      std::string spaced = placer.Join(groups, gap, {}, groupCentres, shift, worstMiss);
      if (shift == 0 || worstMiss < bestMiss) {
        best = std::move(spaced);
        bestMiss = worstMiss;
        bestShift = shift;
      }
    }
    textWidth = placer.Width(best);
  }
  SetWindowText(heading, best.c_str());
  RECT rect{};
  GetWindowRect(heading, &rect);
  const int width = std::max<int>(rect.right - rect.left, textWidth);
  if (bestShift == 0 && width == rect.right - rect.left) return;
  POINT corner{rect.left, rect.top};
  ScreenToClient(GetParent(heading), &corner);
  MoveWindow(heading, corner.x - bestShift, corner.y, width, rect.bottom - rect.top, TRUE);
}

}  // namespace

void SpaceHeadingGroups(HWND heading, const std::vector<int>& groupStarts) {
  const std::vector<std::string> groups = WordGroups(GetWindowTextString(heading), GroupGap);
  double worstMiss = 0;
  const std::string spaced = GroupPlacer(heading).Join(groups, GroupGap, groupStarts, {}, 0, worstMiss);
  SetWindowText(heading, spaced.c_str());
}

void CentreHeadingGroups(HWND heading, const std::vector<std::optional<int>>& groupCentres) {
  CentreGroups(heading, GroupGap, groupCentres);
}

void CentreHeadingWords(HWND heading, const std::vector<std::optional<int>>& wordCentres) {
  CentreGroups(heading, WordGap, wordCentres);
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
  const int stop = 8 * FontAverageWidth(reinterpret_cast<HFONT>(SendMessage(table, WM_GETFONT, 0, 0)));
  std::vector<int> starts;
  for (int tab : tabStops) starts.push_back(left + tab * stop);
  SpaceHeadingGroups(heading, starts);
}
