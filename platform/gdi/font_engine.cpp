#include "platform/gdi/font_engine.h"

#include <unistd.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

#include "platform/gdi/charset.h"
#include "platform/gdi/dialog_face.h"
#include "platform/gdi/fontconfig_functions.h"

namespace {

class FreeTypeLibrary {
 public:
  FreeTypeLibrary() {
    if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
  }
  ~FreeTypeLibrary() {
    if (library_ != nullptr) FT_Done_FreeType(library_);
  }
  FreeTypeLibrary(const FreeTypeLibrary&) = delete;
  FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;
  FT_Library Get() const { return library_; }

 private:
  FT_Library library_ = nullptr;
};

enum class Kind { Sans, Serif, Mono };

using SizeKey = std::tuple<std::string, int, int, int, bool, int, AdvanceSource>;
// Every field of a LOGFONT that its resolution reads, and the scale: the face name, the pitch and
// family, bold, italic, height and width.
using LogicalKey = std::tuple<std::string, BYTE, bool, BYTE, LONG, LONG, int>;

// "Fixedsys" comes in one size, a cell of 8 x 15 pixels whatever height is asked for, so that
// the tables written in it stand under the headings laid out for that cell.
constexpr int FixedsysCellWidth = 8;
constexpr int FixedsysEmHeight = 13;

class FontconfigSession {
 public:
  FontconfigSession() : functions_(Fontconfig()), ready_(functions_ != nullptr && functions_->Init() == FcTrue) {}
  ~FontconfigSession() {
    if (ready_) functions_->Fini();
  }
  FontconfigSession(const FontconfigSession&) = delete;
  FontconfigSession& operator=(const FontconfigSession&) = delete;
  bool Ready() const { return ready_; }
  const FontconfigFunctions& Functions() const { return *functions_; }

 private:
  const FontconfigFunctions* functions_;
  bool ready_;
};

// The libraries and everything made with them, in one object so that the faces go first.
struct FontEngine {
  // Started only when a face is not where its package puts it.
  std::optional<FontconfigSession> fontconfig;
  FreeTypeLibrary library;
  std::map<std::tuple<Kind, bool, bool>, std::optional<FaceFile>> matches;
  std::map<std::string, double> cellRatios;
  std::map<SizeKey, std::shared_ptr<SizedFont>> sized;
  // Resolutions already made, so that text drawn and measured skips the face matching.
  std::map<LogicalKey, std::shared_ptr<SizedFont>> resolved;
};

FontEngine& Engine() {
  static FontEngine engine;
  return engine;
}

FT_Library Library() { return Engine().library.Get(); }

std::string Lower(const char* text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

bool IsFixedsys(const LOGFONT& logFont) { return Lower(logFont.lfFaceName) == "fixedsys"; }

Kind KindFor(const LOGFONT& logFont) {
  const std::string face = Lower(logFont.lfFaceName);
  if (face == "fixedsys" || face == "courier" || face == "courier new" || face == "terminal") return Kind::Mono;
  if (face == "times new roman" || face == "tms rmn" || face == "times") return Kind::Serif;
  if (!face.empty()) return Kind::Sans;
  if ((logFont.lfPitchAndFamily & 0x03) == FIXED_PITCH || (logFont.lfPitchAndFamily & 0xF0) == FF_MODERN) {
    return Kind::Mono;
  }
  if ((logFont.lfPitchAndFamily & 0xF0) == FF_ROMAN) return Kind::Serif;
  return Kind::Sans;
}

// The installed families the three kinds of face map to, the Liberation set first.
const char* PreferredFamily(Kind kind) {
  switch (kind) {
    case Kind::Serif: return "Liberation Serif";
    case Kind::Mono: return "Liberation Mono";
    case Kind::Sans: break;
  }
  return "Liberation Sans";
}

const char* GenericFamily(Kind kind) {
  switch (kind) {
    case Kind::Serif: return "serif";
    case Kind::Mono: return "monospace";
    case Kind::Sans: break;
  }
  return "sans-serif";
}

bool FontconfigReady() {
  auto& session = Engine().fontconfig;
  if (!session) session.emplace();
  return session->Ready();
}

// The preferred face where Debian's fonts-liberation2 installs it. A face found there needs no
// fontconfig, whose start reads its whole configuration: milliseconds at every start.
std::optional<FaceFile> PackagedFace(Kind kind, bool bold, bool italic) {
  const std::string family = PreferredFamily(kind);
  std::string stem = family;
  std::erase(stem, ' ');
  const char* style = bold ? (italic ? "BoldItalic" : "Bold") : (italic ? "Italic" : "Regular");
  FaceFile face;
  face.path = "/usr/share/fonts/truetype/liberation2/" + stem + "-" + style + ".ttf";
  if (access(face.path.c_str(), R_OK) != 0) return std::nullopt;
  face.family = family;
  return face;
}

std::optional<FaceFile> MatchFace(Kind kind, bool bold, bool italic) {
  auto& cache = Engine().matches;
  const auto key = std::make_tuple(kind, bold, italic);
  if (auto found = cache.find(key); found != cache.end()) return found->second;
  std::optional<FaceFile> result = PackagedFace(kind, bold, italic);
  if (!result && FontconfigReady()) {
    const FontconfigFunctions& fontconfig = Engine().fontconfig->Functions();
    FcPattern* pattern = fontconfig.PatternCreate();
    fontconfig.PatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(PreferredFamily(kind)));
    fontconfig.PatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(GenericFamily(kind)));
    fontconfig.PatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    fontconfig.PatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    fontconfig.PatternAddBool(pattern, FC_SCALABLE, FcTrue);
    fontconfig.ConfigSubstitute(nullptr, pattern, FcMatchPattern);
    fontconfig.DefaultSubstitute(pattern);
    FcResult outcome = FcResultNoMatch;
    FcPattern* match = fontconfig.FontMatch(nullptr, pattern, &outcome);
    if (match != nullptr) {
      FcChar8* file = nullptr;
      FcChar8* family = nullptr;
      int index = 0;
      FcBool embolden = FcFalse;
      int weight = FC_WEIGHT_REGULAR;
      if (fontconfig.PatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        fontconfig.PatternGetInteger(match, FC_INDEX, 0, &index);
        fontconfig.PatternGetBool(match, FC_EMBOLDEN, 0, &embolden);
        fontconfig.PatternGetInteger(match, FC_WEIGHT, 0, &weight);
        FaceFile face;
        face.path = reinterpret_cast<const char*>(file);
        face.index = index;
        if (fontconfig.PatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch) {
          face.family = reinterpret_cast<const char*>(family);
        }
        face.embolden = bold && (embolden == FcTrue || weight < FC_WEIGHT_DEMIBOLD);
        result = face;
      }
      fontconfig.PatternDestroy(match);
    }
    fontconfig.PatternDestroy(pattern);
  }
  cache[key] = result;
  return result;
}

bool IsBold(const LOGFONT& logFont) { return logFont.lfWeight >= 600; }

int Ceil26(FT_Pos value) { return static_cast<int>((value + 63) >> 6); }
int Round26(FT_Pos value) { return static_cast<int>((value + 32) >> 6); }

}  // namespace

struct SizedFont::Impl {
  FT_Face face = nullptr;
  bool embolden = false;
};

SizedFont::SizedFont(const FaceFile& file, int emHeight, int emWidth, int cell, AdvanceSource advances)
    : impl_(std::make_unique<Impl>()), cell_(cell), advances_(advances) {
  impl_->embolden = file.embolden;
  metrics_.familyName = file.family;
  metrics_.emHeight = emHeight;
  metrics_.emWidth = emWidth;
  FT_Library library = Library();
  if (library == nullptr || FT_New_Face(library, file.path.c_str(), file.index, &impl_->face) != 0) {
    impl_->face = nullptr;
    return;
  }
  FT_Face face = impl_->face;
  FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(std::max(1, emWidth)), static_cast<FT_UInt>(std::max(1, emHeight)));
  const double scale = static_cast<double>(emHeight) / face->units_per_EM;
  const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
    metrics_.ascent = static_cast<int>(std::ceil(os2->usWinAscent * scale - 0.01));
    metrics_.descent = static_cast<int>(std::ceil(os2->usWinDescent * scale - 0.01));
    metrics_.averageCharWidth =
        static_cast<int>(std::lround(os2->xAvgCharWidth * scale * std::max(1, emWidth) / std::max(1, emHeight)));
  } else {
    metrics_.ascent = Ceil26(face->size->metrics.ascender);
    metrics_.descent = Ceil26(-face->size->metrics.descender);
  }
  metrics_.height = metrics_.ascent + metrics_.descent;
  metrics_.internalLeading = std::max(0, metrics_.height - emHeight);
  metrics_.externalLeading = std::max(0, Round26(face->size->metrics.height) - metrics_.height);
  metrics_.maxCharWidth = Round26(face->size->metrics.max_advance);
  metrics_.fixedPitch = FT_IS_FIXED_WIDTH(face);
  metrics_.lineThickness = std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
  metrics_.underlinePosition = std::max(1, static_cast<int>(std::lround(-face->underline_position * scale)));
  if (metrics_.averageCharWidth == 0) metrics_.averageCharWidth = GlyphOf('x').advance;
  if (cell > 0) {
    metrics_.averageCharWidth = cell;
    metrics_.maxCharWidth = cell;
    metrics_.fixedPitch = true;
  }
  if (advances != AdvanceSource::Face) {
    metrics_.averageCharWidth = DialogFaceAverageWidth(emWidth);
    metrics_.maxCharWidth = DialogFaceMaxWidth(emWidth);
  }
}

SizedFont::~SizedFont() {
  if (impl_->face != nullptr) FT_Done_Face(impl_->face);
}

bool SizedFont::IsOpen() const { return impl_->face != nullptr; }

const Glyph& SizedFont::GlyphOf(unsigned char character) {
  std::optional<Glyph>& slot = glyphs_[character];
  if (slot) return *slot;
  slot.emplace();
  FT_Face face = impl_->face;
  if (face == nullptr) return *slot;
  const FT_UInt index = FT_Get_Char_Index(face, UnicodeFromCp1252(character));
  if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0) return *slot;
  if (impl_->embolden) FT_GlyphSlot_Embolden(face->glyph);
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return *slot;
  const FT_Bitmap& bitmap = face->glyph->bitmap;
  Glyph& glyph = *slot;
  glyph.left = face->glyph->bitmap_left;
  glyph.top = face->glyph->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  glyph.advance = cell_ > 0 ? cell_ : Round26(face->glyph->advance.x);
  if (advances_ != AdvanceSource::Face) {
    int fitted = DialogFaceAdvance(character, metrics_.emWidth);
    if (advances_ == AdvanceSource::DialogTableBold) fitted = std::max(fitted, glyph.advance);
    glyph.left += (fitted - glyph.advance) / 2;
    glyph.advance = fitted;
  }
  glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
  for (int row = 0; row < glyph.height; ++row) {
    const unsigned char* source = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
    std::copy(source, source + glyph.width, glyph.coverage.begin() + static_cast<ptrdiff_t>(row) * glyph.width);
  }
  return glyph;
}

std::int64_t SizedFont::TextWidth(const char* text, size_t length) {
  std::int64_t width = 0;
  for (size_t index = 0; index < length; ++index) width += GlyphOf(static_cast<unsigned char>(text[index])).advance;
  return width;
}

void StartFontconfig() { FontconfigReady(); }

std::string InstalledFamilyFor(const LOGFONT& logFont) {
  const std::optional<FaceFile> face = MatchFace(KindFor(logFont), IsBold(logFont), logFont.lfItalic != 0);
  return face ? face->family : std::string();
}

namespace {

std::shared_ptr<SizedFont> ResolveUncached(const LOGFONT& logFont, int scale) {
  const std::optional<FaceFile> face = MatchFace(KindFor(logFont), IsBold(logFont), logFont.lfItalic != 0);
  if (!face) return nullptr;
  int cell = IsFixedsys(logFont) ? FixedsysCellWidth : 0;
  // A zero height is the layer's default size; a positive one is the cell height.
  int emHeight = 12;
  if (cell > 0) {
    emHeight = FixedsysEmHeight;
  } else if (logFont.lfHeight < 0) {
    emHeight = -logFont.lfHeight;
  } else if (logFont.lfHeight > 0) {
    auto& cellRatio = Engine().cellRatios;
    auto known = cellRatio.find(face->path);
    if (known == cellRatio.end()) {
      SizedFont probe(*face, 100, 100);
      const double ratio = probe.IsOpen() ? probe.Metrics().height / 100.0 : 1.0;
      known = cellRatio.emplace(face->path, ratio > 0 ? ratio : 1.0).first;
    }
    emHeight = std::max(1, static_cast<int>(std::lround(logFont.lfHeight / known->second)));
  }
  AdvanceSource advances = AdvanceSource::Face;
  if (cell == 0 && IsDialogFaceName(logFont.lfFaceName)) {
    advances = IsBold(logFont) ? AdvanceSource::DialogTableBold : AdvanceSource::DialogTable;
  }
  int emWidth = emHeight;
  if (logFont.lfWidth > 0 && cell == 0) {
    SizedFont natural(*face, emHeight, emHeight);
    const int average = std::max(1, natural.Metrics().averageCharWidth);
    emWidth = std::max(1, emHeight * logFont.lfWidth / average);
  }
  emHeight *= scale;
  emWidth *= scale;
  cell *= scale;
  auto& cache = Engine().sized;
  const SizeKey key{face->path, face->index, emHeight, emWidth, face->embolden, cell, advances};
  if (auto found = cache.find(key); found != cache.end()) return found->second;
  auto made = std::make_shared<SizedFont>(*face, emHeight, emWidth, cell, advances);
  if (!made->IsOpen()) return nullptr;
  cache.emplace(key, made);
  return made;
}

}  // namespace

std::shared_ptr<SizedFont> ResolveFont(const LOGFONT& logFont, int scale) {
  auto& resolved = Engine().resolved;
  LogicalKey key{std::string(logFont.lfFaceName, strnlen(logFont.lfFaceName, LF_FACESIZE)),
                 logFont.lfPitchAndFamily,
                 IsBold(logFont),
                 logFont.lfItalic,
                 logFont.lfHeight,
                 logFont.lfWidth,
                 scale};
  if (auto found = resolved.find(key); found != resolved.end()) return found->second;
  std::shared_ptr<SizedFont> font = ResolveUncached(logFont, scale);
  if (font) resolved.emplace(std::move(key), font);
  return font;
}
