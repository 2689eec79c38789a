#include "tests/layout/layer_rules.h"

#include <algorithm>
#include <vector>

namespace {

// The includes one folder's sources may name. An entry ending in '/' is a folder and admits
// everything under it; any other entry admits that file only. Refused entries win over admitted.
struct Arrow {
  std::string from;
  std::vector<std::string> admitted;
  std::vector<std::string> refused;
  std::string text;
};

// Tools, periodic, solution and database: none of the four includes another.
Arrow SubsystemArrow(const std::string& name) {
  return {name + "/",
          {name + "/", "runtime/", "engine/", "resources/", "platform/"},
          {"platform/testing/", "platform/session/"},
          name + " -> " + name + ", runtime, engine, resources, platform (but not platform/testing, platform/session)"};
}

const std::vector<Arrow>& Arrows() {
  static const std::vector<Arrow> arrows = {
      {"engine/",
       {"engine/", "platform/services/files.h", "platform/services/path_lookup.h", "platform/services/text_file.h",
        "platform/services/file_rewrite.h"},
       {"engine/globals.h"},
       "engine -> engine (but not its umbrella engine/globals.h), the files part of platform "
       "(platform/services/files.h, path_lookup.h, text_file.h, file_rewrite.h)"},
      {"platform/", {"platform/"}, {}, "platform -> platform"},
      {"resources/", {"resources/", "platform/"}, {}, "resources -> resources, platform"},
      {"runtime/",
       {"runtime/", "platform/", "resources/", "engine/records/"},
       {},
       "runtime -> runtime, platform, resources, engine/records"},
      SubsystemArrow("tools"),
      SubsystemArrow("periodic"),
      SubsystemArrow("solution"),
      SubsystemArrow("database"),
      {"app/",
       {"app/", "engine/", "platform/", "resources/", "runtime/", "tools/", "periodic/", "solution/", "database/"},
       {},
       "app -> app, engine, platform, resources, runtime, tools, periodic, solution, database"},
  };
  return arrows;
}

bool Names(std::string_view entry, std::string_view included) {
  return entry.ends_with('/') ? included.starts_with(entry) : included == entry;
}

bool NamesAny(const std::vector<std::string>& entries, std::string_view included) {
  return std::ranges::any_of(entries, [&](const std::string& entry) { return Names(entry, included); });
}

bool IsRelative(std::string_view included) {
  return included.starts_with("./") || included.starts_with("../") || included.find("/./") != std::string_view::npos ||
         included.find("/../") != std::string_view::npos;
}

}  // namespace

std::optional<std::string> IncludeFault(std::string_view file, std::string_view included) {
  const auto arrow = std::ranges::find_if(Arrows(), [&](const Arrow& a) { return file.starts_with(a.from); });
  if (arrow == Arrows().end()) return std::nullopt;
  if (included.find('/') == std::string_view::npos) return "a bare file name: name it from the project's root";
  if (IsRelative(included)) return "a relative path: name it from the project's root";
  if (NamesAny(arrow->refused, included) || !NamesAny(arrow->admitted, included)) {
    return "against the arrow " + arrow->text;
  }
  return std::nullopt;
}
