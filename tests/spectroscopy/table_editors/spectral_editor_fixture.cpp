#include "tests/spectroscopy/table_editors/spectral_editor_fixture.h"

#include "platform/win/control_constants.h"

std::string RecordTable(const std::vector<std::vector<std::string>>& records) {
  std::string text = "\\\n";
  for (const auto& record : records) {
    for (const std::string& line : record) text += line + "\n";
    text += "\\\n";
  }
  return text;
}

std::vector<std::string> MsRecord(const std::string& formula, const std::string& mass, const std::string& assignment) {
  return {formula, mass, "", assignment, "", "", "", "", ""};
}

std::vector<std::string> NmrRecord(const std::string& assignment, const std::string& comment,
                                   const std::string& tolerance, const std::vector<std::string>& shifts) {
  std::vector<std::string> lines{assignment, comment, tolerance};
  lines.insert(lines.end(), shifts.begin(), shifts.end());
  lines.resize(49);
  return lines;
}

std::vector<std::string> IrRecord(const std::string& assignment, const std::string& comment,
                                  const std::vector<std::string>& rangeEnds) {
  std::vector<std::string> lines{assignment, "", comment};
  lines.insert(lines.end(), rangeEnds.begin(), rangeEnds.end());
  lines.resize(19);
  return lines;
}

Steps Join(std::initializer_list<Steps> parts) {
  Steps joined;
  for (const Steps& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

Steps SpectralEditorTest::Choose(int listId, int index) {
  return {
      [this, listId, index] { SendMessage(driver.FindControl(listId), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }};
}

Steps SpectralEditorTest::Show(int listId, int index) {
  return {[this, listId, index] { driver.Select(listId, index); },
          [this, listId] {
            const HWND list = driver.FindControl(listId);
            SendMessage(GetParent(list), WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
          }};
}

Steps SpectralEditorTest::Enter(std::initializer_list<std::pair<int, std::string>> fields) {
  Steps steps;
  for (const auto& [id, text] : fields) steps.push_back([this, id, text] { driver.Type(id, text); });
  return steps;
}

Steps SpectralEditorTest::Clicks(std::initializer_list<int> buttons) {
  Steps steps;
  for (int button : buttons) steps.push_back([this, button] { driver.Click(button); });
  return steps;
}

std::vector<std::string> SpectralEditorTest::BoxesFrom(std::size_t first) const {
  std::vector<std::string> texts;
  const auto& boxes = driver.MessageBoxes();
  for (std::size_t i = first; i < boxes.size(); ++i) texts.push_back(boxes[i].caption + ": " + boxes[i].text);
  return texts;
}
