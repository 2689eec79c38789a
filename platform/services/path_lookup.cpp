#include "platform/services/path_lookup.h"

#include <string>
#include <vector>

namespace platform {
namespace {

unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + ('a' - 'A'));
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  return c;
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
  for (std::size_t i = 0; i < first.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(first[i])) != FoldCase(static_cast<unsigned char>(second[i]))) return false;
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
