#include "chemicals_database/model/datasheet_html.h"

namespace {

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsCountCharacter(char c) { return (c >= '0' && c <= '9') || c == '.'; }

void AppendEscaped(std::string& out, char c) {
  switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    case '\'': out += "&#39;"; break;
    default: out += c;
  }
}

}  // namespace

std::string HtmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "<BR>";
    } else if (c == '\n') {
      out += "<BR>";
    } else {
      AppendEscaped(out, c);
    }
  }
  return out;
}

std::string FormulaMarkup(std::string_view formula) {
  std::string out;
  size_t i = 0;
  while (i < formula.size()) {
    const char c = formula[i];
    AppendEscaped(out, c);
    ++i;
    const bool countFollows = i < formula.size() && IsCountCharacter(formula[i]);
    if ((IsAsciiLetter(c) || c == ')' || c == ']') && countFollows) {
      out += "</BIG><SUB>";
      while (i < formula.size() && IsCountCharacter(formula[i])) out += formula[i++];
      out += "</SUB><BIG>";
    }
  }
  return out;
}

std::string_view SafetySection(std::string_view safetyText, int number) {
  size_t start = 0;
  for (int bar = 1; bar < number; ++bar) {
    const size_t next = safetyText.find('|', start);
    if (next == std::string_view::npos) return {};
    start = next + 1;
  }
  const size_t end = safetyText.find('|', start);
  return safetyText.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}
