#include "platform/session/script_session.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/gdi/charset.h"
#include "platform/services/text_file.h"

namespace {

// One value on one line: line breaks written as \n and tabs as \t.
std::string Escape(const std::string& value) {
  std::string out;
  for (size_t index = 0; index < value.size(); ++index) {
    const char c = value[index];
    if (c == '\r' && index + 1 < value.size() && value[index + 1] == '\n') {
      out += "\\n";
      ++index;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      out += c;
    }
  }
  return Utf8FromCp1252(out);
}

// Another session running beside this one says by this file that it got to a step; a session that
// waits longer than this has lost its partner.
constexpr auto LongestWait = std::chrono::seconds(60);
constexpr auto WaitPoll = std::chrono::milliseconds(5);

bool WaitForFile(const std::string& path) {
  const auto until = std::chrono::steady_clock::now() + LongestWait;
  std::error_code error;
  while (!std::filesystem::exists(path, error)) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(WaitPoll);
  }
  return true;
}

bool ParseInteger(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  size_t start = text[0] == '-' ? 1 : 0;
  if (start == text.size()) return false;
  for (size_t index = start; index < text.size(); ++index) {
    if (text[index] < '0' || text[index] > '9') return false;
  }
  value = std::stoi(text);
  return true;
}

}  // namespace

ScriptSession::ScriptSession(std::ostream& out) : out_(out) {
  driver_.OnMessageBox([this](const MessageBoxRecord& box) {
    Print("messagebox", box.caption + ": " + box.text);
    if (!box.problem.empty()) StepFailed(0, box.problem);
  });
  driver_.OnShellCall([this](const ShellRequest& call) {
    Print("shell", (call.verb.empty() ? std::string("open") : call.verb) + ": " + call.file);
  });
}

bool ScriptSession::Load(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    out_ << "error: cannot read the script " << path << std::endl;
    failed_ = true;
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return LoadText(text.str());
}

bool ScriptSession::LoadText(const std::string& text) {
  std::vector<Step> steps;
  int number = 0;
  for (const std::string& raw : platform::SplitLines(text)) {
    ++number;
    if (raw.find_first_not_of(' ') == std::string::npos || raw[0] == '#') continue;
    Step step;
    std::string error;
    if (!Parse(raw, number, step, error)) {
      out_ << "error: line " << number << ": " << error << std::endl;
      failed_ = true;
      return false;
    }
    steps.push_back(step);
  }
  for (const Step& step : steps) driver_.Then([this, step] { Perform(step); });
  return true;
}

bool ScriptSession::Parse(const std::string& raw, int line, Step& step, std::string& error) const {
  auto refuse = [&](std::string why) {
    error = std::move(why);
    return false;
  };
  step.line = line;
  const size_t verbEnd = raw.find(' ');
  step.verb = raw.substr(0, verbEnd);
  const std::string rest = verbEnd == std::string::npos ? std::string() : raw.substr(verbEnd + 1);
  std::istringstream words(rest);
  std::vector<std::string> parts;
  for (std::string word; words >> word;) parts.push_back(word);
  const std::string& verb = step.verb;
  if (verb == "menu" || verb == "click" || verb == "dblclick" || verb == "text" || verb == "items" ||
      verb == "checked") {
    if (parts.size() != 1 || !ParseInteger(parts[0], step.id)) return refuse("`" + verb + " ID` expected");
    return true;
  }
  if (verb == "select") {
    if (parts.size() != 2 || !ParseInteger(parts[0], step.id) || !ParseInteger(parts[1], step.number)) {
      return refuse("`select ID INDEX` expected");
    }
    return true;
  }
  if (verb == "type") {
    const size_t idEnd = rest.find(' ');
    if (!ParseInteger(rest.substr(0, idEnd), step.id)) return refuse("`type ID TEXT` expected");
    const std::optional<std::string> text =
        Cp1252FromUtf8(idEnd == std::string::npos ? std::string() : rest.substr(idEnd + 1));
    if (!text) return refuse("the text is not UTF-8 or has a character outside Windows-1252");
    step.text = *text;
    return true;
  }
  if (verb == "key") {
    if (parts.size() != 1) return refuse("`key NAME` expected");
    step.text = parts[0];
    return true;
  }
  if (verb == "answer") {
    static const std::pair<const char*, int> Answers[] = {
        {"ok", IDOK}, {"yes", IDYES}, {"no", IDNO}, {"cancel", IDCANCEL}};
    for (const auto& [name, result] : Answers) {
      if (parts.size() == 1 && parts[0] == name) {
        step.number = result;
        return true;
      }
    }
    return refuse("`answer ok|yes|no|cancel` expected");
  }
  if (verb == "signal" || verb == "wait") {
    if (rest.empty()) return refuse("`" + verb + " FILE` expected");
    step.text = rest;
    return true;
  }
  if (verb == "snapshot") {
    if (rest.empty()) return refuse("`snapshot FILE` expected");
    step.text = rest;
    return true;
  }
  if (verb == "window" || verb == "exit") {
    if (!parts.empty()) return refuse("`" + verb + "` takes nothing after it");
    return true;
  }
  return refuse("no step called `" + verb + "`");
}

void ScriptSession::Print(const std::string& label, const std::string& value) {
  out_ << label << ": " << Escape(value) << std::endl;
}

void ScriptSession::StepFailed(int line, const std::string& why) {
  if (line > 0) {
    out_ << "error: line " << line << ": " << why << std::endl;
  } else {
    out_ << "error: " << why << std::endl;
  }
  failed_ = true;
  driver_.ClearSteps();
}

void ScriptSession::Perform(const Step& step) {
  const std::string label = step.verb + " " + std::to_string(step.id);
  bool done = true;
  if (step.verb == "menu") {
    done = driver_.Menu(step.id);
  } else if (step.verb == "click") {
    done = driver_.Click(step.id);
  } else if (step.verb == "dblclick") {
    done = driver_.DoubleClick(step.id);
  } else if (step.verb == "type") {
    done = driver_.Type(step.id, step.text);
  } else if (step.verb == "key") {
    done = driver_.Key(step.text);
  } else if (step.verb == "select") {
    done = driver_.Select(step.id, step.number);
  } else if (step.verb == "answer") {
    driver_.Answer(step.number);
  } else if (step.verb == "snapshot") {
    done = driver_.Snapshot(step.text);
  } else if (step.verb == "signal") {
    done = static_cast<bool>(std::ofstream(step.text, std::ios::binary));
    if (!done) StepFailed(step.line, "cannot create " + step.text);
    return;
  } else if (step.verb == "wait") {
    done = WaitForFile(step.text);
    if (!done) StepFailed(step.line, step.text + " did not appear");
    return;
  } else if (step.verb == "exit") {
    driver_.ClearSteps();
  } else if (step.verb == "text") {
    const std::optional<std::string> text = driver_.Text(step.id);
    done = text.has_value();
    if (done) Print(label, *text);
  } else if (step.verb == "checked") {
    const std::optional<int> checked = driver_.Checked(step.id);
    done = checked.has_value();
    if (done) Print(label, std::to_string(*checked));
  } else if (step.verb == "items") {
    const std::optional<std::vector<std::string>> items = driver_.Items(step.id);
    done = items.has_value();
    if (done) {
      std::string joined;
      for (size_t index = 0; index < items->size(); ++index) joined += (index == 0 ? "" : "\t") + (*items)[index];
      Print(label, joined);
    }
  } else if (step.verb == "window") {
    const std::optional<std::string> caption = driver_.WindowCaption();
    done = caption.has_value();
    if (done) Print("window", *caption + ": " + driver_.WindowTemplate().value_or(""));
  }
  if (!done) StepFailed(step.line, driver_.LastError());
}
