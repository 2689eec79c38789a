#include "platform/gdi/fontconfig_functions.h"

#include <optional>

#include "platform/gdi/loaded_library.h"

namespace {

std::optional<FontconfigFunctions> Load() {
  static const LoadedLibrary library("libfontconfig.so.1");
  FontconfigFunctions functions{};
  const bool complete =
      library.Take(functions.ConfigSubstitute, "FcConfigSubstitute") &&
      library.Take(functions.DefaultSubstitute, "FcDefaultSubstitute") &&
      library.Take(functions.Fini, "FcFini") &&
      library.Take(functions.FontMatch, "FcFontMatch") &&
      library.Take(functions.Init, "FcInit") &&
      library.Take(functions.PatternAddBool, "FcPatternAddBool") &&
      library.Take(functions.PatternAddInteger, "FcPatternAddInteger") &&
      library.Take(functions.PatternAddString, "FcPatternAddString") &&
      library.Take(functions.PatternCreate, "FcPatternCreate") &&
      library.Take(functions.PatternDestroy, "FcPatternDestroy") &&
      library.Take(functions.PatternGetBool, "FcPatternGetBool") &&
      library.Take(functions.PatternGetInteger, "FcPatternGetInteger") &&
      library.Take(functions.PatternGetString, "FcPatternGetString");
  if (!complete) return std::nullopt;
  return functions;
}

}  // namespace

const FontconfigFunctions* Fontconfig() {
  static const std::optional<FontconfigFunctions> functions = Load();
  return functions ? &*functions : nullptr;
}
