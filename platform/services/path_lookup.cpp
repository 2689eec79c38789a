#include "platform/services/path_lookup.h"

#include <string>
#include <vector>

#include "platform/services/windows1252_case.h"

namespace platform {
namespace {

// The bytes of the UTF-8 character a lead byte starts; 0 for a byte that starts none.
std::size_t Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// A name on disk may be written in UTF-8: well-formed sequences, at least one beyond ASCII.
bool IsUtf8BeyondAscii(std::string_view name) {
  bool beyondAscii = false;
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t length = Utf8Length(static_cast<unsigned char>(name[i]));
    if (length == 0 || i + length > name.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(name[i + k]) & 0xC0) != 0x80) return false;
    }
    beyondAscii = beyondAscii || length > 1;
    i += length;
  }
  return beyondAscii;
}

// In a comparison with a UTF-8 name the bytes 0x80 to 0xBF continue a character, and Š, Œ, Ž and Ÿ
// lie among them (Ê and Ú differ only in the byte of Š and š): those bytes keep their case.
unsigned char FoldCase(unsigned char c, bool utf8) {
  if (utf8 && c >= 0x80 && c <= 0xBF) return c;
  return LowerCase1252(c);
}

std::vector<std::string> SplitComponents(std::string_view programPath) {
  std::vector<std::string> components;
  std::string current;
  for (char c : programPath) {
    if (c == '\\' || c == '/') {
      if (!current.empty()) components.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) components.push_back(std::move(current));
  return components;
}

std::filesystem::path StartFolder(std::string_view programPath) {
  bool absolute = !programPath.empty() && (programPath.front() == '\\' || programPath.front() == '/');
  return absolute ? std::filesystem::path("/") : std::filesystem::path();
}

// The entry of folder that matches name, or empty when there is none.
std::optional<std::string> MatchInFolder(const std::filesystem::path& folder, const std::string& name) {
  if (name == "." || name == "..") return name;
  const std::filesystem::path listed = folder.empty() ? std::filesystem::path(".") : folder;
  std::error_code error;
  if (std::filesystem::exists(listed / name, error)) return name;
  std::optional<std::string> best;
  std::filesystem::directory_iterator entries(listed, error);
  if (error) return std::nullopt;
  for (const auto& entry : entries) {
    std::string candidate = entry.path().filename().string();
    if (NamesMatchIgnoringCase(candidate, name) && (!best || candidate < *best)) best = candidate;
  }
  return best;
}

}  // namespace

bool NamesMatchIgnoringCase(std::string_view first, std::string_view second) {
  if (first.size() != second.size()) return false;
  const bool utf8 = IsUtf8BeyondAscii(first) || IsUtf8BeyondAscii(second);
  for (std::size_t i = 0; i < first.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(first[i]), utf8) != FoldCase(static_cast<unsigned char>(second[i]), utf8))
      return false;
  }
  return true;
}

std::optional<std::filesystem::path> FindExistingPath(std::string_view programPath) {
  std::filesystem::path resolved = StartFolder(programPath);
  const auto components = SplitComponents(programPath);
  if (components.empty()) return std::nullopt;
  for (const auto& component : components) {
    auto match = MatchInFolder(resolved, component);
    if (!match) return std::nullopt;
    resolved /= *match;
  }
  return resolved;
}

std::optional<std::filesystem::path> PathForWriting(std::string_view programPath) {
  std::filesystem::path resolved = StartFolder(programPath);
  const auto components = SplitComponents(programPath);
  if (components.empty()) return std::nullopt;
  for (std::size_t i = 0; i + 1 < components.size(); ++i) {
    auto match = MatchInFolder(resolved, components[i]);
    if (!match) return std::nullopt;
    resolved /= *match;
  }
  std::error_code error;
  if (!resolved.empty() && !std::filesystem::is_directory(resolved, error)) return std::nullopt;
  auto last = MatchInFolder(resolved, components.back());
  resolved /= last ? *last : components.back();
  return resolved;
}

}  // namespace platform
