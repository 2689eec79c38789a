#include "platform/win/resources.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <tuple>

#include "platform/gdi/bitmap_text.h"
#include "platform/gdi/gdi_api.h"

namespace {

// Icons are loaded once each and live as long as the program.
std::map<std::uintptr_t, IconImage>& LoadedIcons() {
  static std::map<std::uintptr_t, IconImage> icons;
  return icons;
}

std::map<ResourceName, std::uintptr_t>& IconHandles() {
  static std::map<ResourceName, std::uintptr_t> handles;
  return handles;
}

}  // namespace

ResourceName::ResourceName(LPCSTR name) {
  if (name == nullptr) return;
  if (IS_INTRESOURCE(name)) {
    id_ = static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(name));
    numeric_ = true;
  } else {
    text_ = name;
  }
}

std::string ResourceName::Display() const { return numeric_ ? "#" + std::to_string(id_) : text_; }

bool ResourceName::operator<(const ResourceName& other) const {
  return std::tie(numeric_, id_, text_) < std::tie(other.numeric_, other.id_, other.text_);
}

void ResourceRegistry::AddDialog(const ResourceName& name, DialogTemplate dialog) {
  dialogSources_.erase(name);
  dialogs_[name] = std::move(dialog);
}

void ResourceRegistry::AddDialogSource(const ResourceName& name, DialogTemplate (*build)()) {
  dialogs_.erase(name);
  dialogSources_[name] = build;
}

DialogTemplate* ResourceRegistry::FindDialog(const ResourceName& name) {
  if (auto found = dialogs_.find(name); found != dialogs_.end()) return &found->second;
  auto source = dialogSources_.find(name);
  if (source == dialogSources_.end()) return nullptr;
  DialogTemplate dialog = source->second();
  dialogSources_.erase(source);
  return &dialogs_.emplace(name, std::move(dialog)).first->second;
}

std::vector<ResourceName> ResourceRegistry::DialogNames() const {
  std::vector<ResourceName> names;
  names.reserve(dialogs_.size() + dialogSources_.size());
  for (const auto& entry : dialogs_) names.push_back(entry.first);
  for (const auto& entry : dialogSources_) names.push_back(entry.first);
  std::sort(names.begin(), names.end());
  return names;
}

void ResourceRegistry::AddMenu(const ResourceName& name, std::vector<MenuTemplateItem> items) {
  menus_[name] = std::move(items);
}

const std::vector<MenuTemplateItem>* ResourceRegistry::FindMenu(const ResourceName& name) const {
  auto found = menus_.find(name);
  return found == menus_.end() ? nullptr : &found->second;
}

void ResourceRegistry::AddString(UINT id, std::string text) { strings_[id] = std::move(text); }

const std::string* ResourceRegistry::FindString(UINT id) const {
  auto found = strings_.find(id);
  return found == strings_.end() ? nullptr : &found->second;
}

void ResourceRegistry::AddBitmap(const ResourceName& name, Surface pixels) {
  bitmapSources_.erase(name);
  bitmaps_[name] = std::move(pixels);
}

void ResourceRegistry::AddBitmapSource(const ResourceName& name, std::string_view text) {
  bitmaps_.erase(name);
  bitmapSources_[name] = text;
}

bool ResourceRegistry::AddBitmapText(const ResourceName& name, std::string_view text, std::string* error) {
  BitmapTextResult parsed = ParseBitmapText(text);
  if (!parsed.ok) {
    if (error != nullptr) *error = name.Display() + ": " + parsed.error;
    return false;
  }
  AddBitmap(name, std::move(parsed.pixels));
  return true;
}

const Surface* ResourceRegistry::FindBitmap(const ResourceName& name) const {
  if (auto found = bitmaps_.find(name); found != bitmaps_.end()) return &found->second;
  auto source = bitmapSources_.find(name);
  if (source == bitmapSources_.end()) return nullptr;
  BitmapTextResult parsed = ParseBitmapText(source->second);
  bitmapSources_.erase(source);
  if (!parsed.ok) return nullptr;
  return &bitmaps_.emplace(name, std::move(parsed.pixels)).first->second;
}

void ResourceRegistry::AddIcon(const ResourceName& name, IconImage icon) { icons_[name] = std::move(icon); }

bool ResourceRegistry::AddIconText(const ResourceName& name, std::string_view text, std::string* error) {
  BitmapTextResult parsed = ParseBitmapText(text);
  if (!parsed.ok) {
    if (error != nullptr) *error = name.Display() + ": " + parsed.error;
    return false;
  }
  AddIcon(name, IconImage{std::move(parsed.pixels), std::move(parsed.transparent)});
  return true;
}

const IconImage* ResourceRegistry::FindIcon(const ResourceName& name) const {
  auto found = icons_.find(name);
  return found == icons_.end() ? nullptr : &found->second;
}

void ResourceRegistry::Clear() {
  dialogs_.clear();
  dialogSources_.clear();
  menus_.clear();
  strings_.clear();
  bitmaps_.clear();
  bitmapSources_.clear();
  icons_.clear();
}

ResourceRegistry& Resources() {
  static ResourceRegistry registry;
  return registry;
}

HINSTANCE AfxGetResourceHandle() { return HandleFromNumber<HINSTANCE>(0x400000); }

HINSTANCE AfxGetInstanceHandle() { return AfxGetResourceHandle(); }

int LoadString(HINSTANCE, UINT id, LPSTR buffer, int size) {
  const std::string* text = Resources().FindString(id);
  if (text == nullptr || buffer == nullptr || size <= 0) return 0;
  const size_t copied = std::min(text->size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, text->data(), copied);
  buffer[copied] = '\0';
  return static_cast<int>(copied);
}

HBITMAP LoadBitmap(HINSTANCE, LPCSTR name) {
  const Surface* pixels = Resources().FindBitmap(ResourceName(name));
  return pixels == nullptr ? nullptr : CreateBitmapFromSurface(*pixels);
}

HICON LoadIcon(HINSTANCE, LPCSTR name) {
  const ResourceName key(name);
  auto& handles = IconHandles();
  if (auto known = handles.find(key); known != handles.end()) return HandleFromNumber<HICON>(known->second);
  const IconImage* pixels = Resources().FindIcon(key);
  if (pixels == nullptr) return nullptr;
  const std::uintptr_t number = 0x50000 + handles.size();
  handles.emplace(key, number);
  LoadedIcons().emplace(number, *pixels);
  return HandleFromNumber<HICON>(number);
}

const IconImage* IconPixels(HICON icon) {
  auto& icons = LoadedIcons();
  auto found = icons.find(NumberFromHandle(icon));
  return found == icons.end() ? nullptr : &found->second;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
  const IconImage* image = IconPixels(icon);
  if (image == nullptr || LookupDC(dc) == nullptr) return FALSE;
  const Surface& pixels = image->pixels;
  for (int row = 0; row < pixels.Height(); ++row) {
    for (int column = 0; column < pixels.Width(); ++column) {
      const size_t index = static_cast<size_t>(row) * pixels.Width() + column;
      if (!image->transparent.empty() && image->transparent[index]) continue;
      SetPixel(dc, x + column, y + row, pixels.Pixel(column, row));
    }
  }
  return TRUE;
}
