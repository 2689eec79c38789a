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

// The subsystem folders: none includes another.
const std::vector<std::string> SubsystemFolders = {"calculators",        "periodic_table",     "solution_chemistry",
                                                   "thermo_electrochemistry", "chemicals_database", "spectroscopy"};

// The files part of the platform: what the engine and the models may read and write files with.
const std::vector<std::string> PlatformFiles = {"platform/services/files.h", "platform/services/path_lookup.h",
                                                "platform/services/text_file.h", "platform/services/file_rewrite.h",
                                                "platform/services/cached_file_lines.h"};

Arrow SubsystemArrow(const std::string& name) {
  return {name + "/",
          {name + "/", "runtime/", "engine/", "resources/", "platform/"},
          {"platform/testing/", "platform/session/"},
          name + " -> " + name + ", runtime, engine, resources, platform (but not platform/testing, platform/session)"};
}

// A subsystem's model: computation without a window, so it can be tested without one.
Arrow ModelArrow(const std::string& name) {
  std::vector<std::string> admitted = {name + "/model/", "engine/"};
  admitted.insert(admitted.end(), PlatformFiles.begin(), PlatformFiles.end());
  return {name + "/model/", admitted, {},
          name + "/model -> " + name + "/model, engine, the files part of platform (platform/services/files.h, "
                 "path_lookup.h, text_file.h, file_rewrite.h, cached_file_lines.h)"};
}

const std::vector<Arrow>& Arrows() {
  static const std::vector<Arrow> arrows = [] {
    std::vector<std::string> engine_admitted = {"engine/"};
    engine_admitted.insert(engine_admitted.end(), PlatformFiles.begin(), PlatformFiles.end());
    std::vector<Arrow> list = {
        {"engine/", engine_admitted, {"engine/globals.h"},
         "engine -> engine (but not its umbrella engine/globals.h), the files part of platform "
         "(platform/services/files.h, path_lookup.h, text_file.h, file_rewrite.h, cached_file_lines.h)"},
        {"platform/", {"platform/"}, {}, "platform -> platform"},
        {"resources/", {"resources/", "platform/"}, {}, "resources -> resources, platform"},
        {"runtime/",
         {"runtime/", "platform/", "resources/", "engine/records/", "engine/settings/settings.h"},
         {},
         "runtime -> runtime, platform, resources, engine/records, engine/settings/settings.h"},
    };
    // A model's arrow comes before its folder's, since the first arrow whose folder holds a file judges it.
    for (const std::string& name : SubsystemFolders) list.push_back(ModelArrow(name));
    for (const std::string& name : SubsystemFolders) list.push_back(SubsystemArrow(name));
    std::vector<std::string> app_admitted = {"app/", "engine/", "platform/", "resources/", "runtime/"};
    for (const std::string& name : SubsystemFolders) app_admitted.push_back(name + "/");
    list.push_back({"app/", app_admitted, {},
                    "app -> app, engine, platform, resources, runtime, every subsystem folder"});
    return list;
  }();
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
