#pragma once
// Fonts through fontconfig and FreeType: the program's face names mapped to installed faces,
// sized as the LOGFONT asks, with metrics and rendered glyphs of Windows-1252 text.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/gdi_objects.h"

struct FontMetrics {
  int emHeight = 0;  // the size the face was scaled to, in pixels
  int emWidth = 0;
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;
  int externalLeading = 0;
  int averageCharWidth = 0;
  int maxCharWidth = 0;
  int underlinePosition = 0;  // pixels below the baseline
  int lineThickness = 1;
  bool fixedPitch = false;
  std::string familyName;
};

struct Glyph {
  int left = 0;  // from the pen position to the first column of the mask
  int top = 0;   // from the baseline up to the first row of the mask
  int width = 0;
  int height = 0;
  int advance = 0;
  std::vector<BYTE> coverage;  // width * height values, 0 to 255
};

struct FaceFile {
  std::string path;
  int index = 0;
  std::string family;
  bool embolden = false;
};

// Where a face's advances come from: its own, or the dialog face's table, which a bold face
// widens to its own advance where that is wider.
enum class AdvanceSource { Face, DialogTable, DialogTableBold };

// One face at one size; shared by every font handle that asks for the same.
class SizedFont {
 public:
  // A cell above 0 is every character's advance, for a face of fixed cells; with the dialog
  // table as source each glyph is centred in its fitted advance.
  SizedFont(const FaceFile& face, int emHeight, int emWidth, int cell = 0,
            AdvanceSource advances = AdvanceSource::Face);
  ~SizedFont();
  bool IsOpen() const;
  SizedFont(const SizedFont&) = delete;
  SizedFont& operator=(const SizedFont&) = delete;

  const FontMetrics& Metrics() const { return metrics_; }
  const Glyph& GlyphOf(unsigned char character);
  // In a type no text of a file can overflow.
  std::int64_t TextWidth(const char* text, size_t length);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  FontMetrics metrics_;
  int cell_ = 0;
  AdvanceSource advances_ = AdvanceSource::Face;
  std::array<std::optional<Glyph>, 256> glyphs_;
};

// The sized face for a LOGFONT, or null when no face at all is installed; on a screen of `scale`
// device pixels a pixel, the same face `scale` times the size.
std::shared_ptr<SizedFont> ResolveFont(const LOGFONT& logFont, int scale = 1);
// The installed family a face name of the program maps to ("Helv" to a sans face, and so on).
std::string InstalledFamilyFor(const LOGFONT& logFont);
// Starts fontconfig for a user of it besides the engine (cairo, when printing), so that the engine
// closes it at exit, after that user's caches are given back.
void StartFontconfig();
