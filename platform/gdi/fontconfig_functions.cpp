#include "platform/gdi/fontconfig_functions.h"

#include "platform/gdi/loaded_library.h"

namespace {

bool TakeAll(const LoadedLibrary& library, FontconfigFunctions& functions) {
  return library.Take(functions.ConfigSubstitute, "FcConfigSubstitute") &&
         library.Take(functions.DefaultSubstitute, "FcDefaultSubstitute") && library.Take(functions.Fini, "FcFini") &&
         library.Take(functions.FontMatch, "FcFontMatch") && library.Take(functions.Init, "FcInit") &&
         library.Take(functions.PatternAddBool, "FcPatternAddBool") &&
         library.Take(functions.PatternAddInteger, "FcPatternAddInteger") &&
         library.Take(functions.PatternAddString, "FcPatternAddString") &&
         library.Take(functions.PatternCreate, "FcPatternCreate") &&
         library.Take(functions.PatternDestroy, "FcPatternDestroy") &&
         library.Take(functions.PatternGetBool, "FcPatternGetBool") &&
         library.Take(functions.PatternGetInteger, "FcPatternGetInteger") &&
         library.Take(functions.PatternGetString, "FcPatternGetString");
}

}  // namespace

const FontconfigFunctions* Fontconfig() { return FunctionTable<FontconfigFunctions>("libfontconfig.so.1", TakeAll); }
