#pragma once
// The steps of a scripted session and the lines its reading steps print, written from the named
// ids of the resources, so that a script says which control or command it acts on.
#include <string>
#include <string_view>

namespace steps {

inline std::string Step(std::string_view verb, long long id) {
  return std::string(verb) + " " + std::to_string(id) + "\n";
}

inline std::string Menu(long long command) { return Step("menu", command); }
inline std::string Click(long long id) { return Step("click", id); }
inline std::string DoubleClick(long long id) { return Step("dblclick", id); }
// Everything after the blank that follows the id is typed, blanks at its start included.
inline std::string Type(long long id, std::string_view text) {
  return "type " + std::to_string(id) + " " + std::string(text) + "\n";
}
inline std::string Select(long long id, int index) {
  return "select " + std::to_string(id) + " " + std::to_string(index) + "\n";
}
inline std::string Text(long long id) { return Step("text", id); }
inline std::string Items(long long id) { return Step("items", id); }
inline std::string Checked(long long id) { return Step("checked", id); }

// The line a reading step prints: "text 10003: 2H2 + O2 = 2H2O".
inline std::string Printed(std::string_view verb, long long id, std::string_view value) {
  return std::string(verb) + " " + std::to_string(id) + ": " + std::string(value);
}
inline std::string TextLine(long long id, std::string_view value) { return Printed("text", id, value); }
inline std::string ItemsLine(long long id, std::string_view value) { return Printed("items", id, value); }
inline std::string CheckedLine(long long id, std::string_view value) { return Printed("checked", id, value); }

}  // namespace steps
