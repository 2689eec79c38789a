#pragma once
// The generated set-up of a dialog template: the stock brush behind the window; in member order,
// the control id of each member with its colours, font and picture; and the window's English
// caption and texts. The dialog runtime applies it when the window is made
// (runtime/generated_setup.h).
#include <span>

#include "platform/gdi/gdi_objects.h"

inline constexpr const char* HelvFace = "Helv";
inline constexpr const char* FixedsysFace = "Fixedsys";

enum class ColourKind {
  Library,   // the library's own colours
  Gray,      // light gray behind the text, drawn transparently; the text colour stays
  White,     // white behind the text: the edit fields that show white
  BlueText,  // blue text on light gray: the lines that name an address
};

// A font of the face, height and weight; every other value of the font 0. Height 0: no font of the
// member's own.
struct MemberFont {
  int height = 0;
  int weight = FW_NORMAL;
  bool underline = false;
  const char* face = HelvFace;
};

inline constexpr MemberFont HelvSmall{-11};
inline constexpr MemberFont HelvSmallBold{-11, FW_BOLD};
inline constexpr MemberFont HelvSmallUnderlined{-11, FW_NORMAL, true};
inline constexpr MemberFont HelvTitle{-32, FW_BOLD};
inline constexpr MemberFont FixedsysTable{-12, FW_NORMAL, false, FixedsysFace};

enum class PictureLook {
  None,
  Stretched,   // one bitmap stretched over the whole button
  Centred,     // one bitmap centred in the button in a light-gray frame
  ButtonFace,  // a 3D push button with the bitmap stretched over its face
};

struct MemberPicture {
  const char* bitmap = nullptr;
  PictureLook look = PictureLook::None;
};

// One member, or `count` members of one kind on the consecutive ids from `id`.
struct MemberSetup {
  int id = 0;
  int count = 1;
  ColourKind colours = ColourKind::Library;
  MemberFont font = {};
  MemberPicture picture = {};
};

// A control's English text, shown in place of the template's Norwegian one when the language is
// English.
struct EnglishText {
  int id = 0;
  const char* text = "";
};

struct WindowSetup {
  int backgroundBrush = LTGRAY_BRUSH;
  std::span<const MemberSetup> members;
  // The caption and control texts of the English window; null and empty where the window sets its
  // English texts itself.
  const char* englishCaption = nullptr;
  std::span<const EnglishText> englishTexts = {};
};
