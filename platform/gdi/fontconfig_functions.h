#pragma once
// The functions of fontconfig that look for an installed face, from the library loaded when a
// face is first looked for: the faces the program prefers are found without it.
#include <fontconfig/fontconfig.h>

struct FontconfigFunctions {
  decltype(::FcConfigSubstitute)* ConfigSubstitute;
  decltype(::FcDefaultSubstitute)* DefaultSubstitute;
  decltype(::FcFini)* Fini;
  decltype(::FcFontMatch)* FontMatch;
  decltype(::FcInit)* Init;
  decltype(::FcPatternAddBool)* PatternAddBool;
  decltype(::FcPatternAddInteger)* PatternAddInteger;
  decltype(::FcPatternAddString)* PatternAddString;
  decltype(::FcPatternCreate)* PatternCreate;
  decltype(::FcPatternDestroy)* PatternDestroy;
  decltype(::FcPatternGetBool)* PatternGetBool;
  decltype(::FcPatternGetInteger)* PatternGetInteger;
  decltype(::FcPatternGetString)* PatternGetString;
};

// fontconfig's functions, or null when the library or one of them is missing.
const FontconfigFunctions* Fontconfig();
