#pragma once
// The program's resources: dialog templates in dialog units, menus, the string table, bitmaps and
// icons. The program registers them from compiled-in source at start; the layer looks them up by
// name or number as the calls that load resources ask.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/surface.h"
#include "platform/win/win_constants.h"

// A resource name: a string, or a number given as MAKEINTRESOURCE or as an integer.
class ResourceName {
 public:
  ResourceName() = default;
  ResourceName(LPCSTR name);  // NOLINT: names are passed as the calls pass them
  ResourceName(const std::string& name) : text_(name) {}
  ResourceName(unsigned id) : id_(id), numeric_(true) {}
  ResourceName(int id) : id_(static_cast<unsigned>(id)), numeric_(true) {}
  bool IsNumeric() const { return numeric_; }
  unsigned Id() const { return id_; }
  const std::string& Text() const { return text_; }
  // The text form: the name, or "#" and the number.
  std::string Display() const;
  bool operator<(const ResourceName& other) const;

 private:
  std::string text_;
  unsigned id_ = 0;
  bool numeric_ = false;
};

struct DialogItemTemplate {
  std::string className;  // "BUTTON", "STATIC", "EDIT", "LISTBOX", "COMBOBOX", "SCROLLBAR", or a registered class
  std::string text;
  int id = 0;
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
};

struct DialogTemplate {
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  DWORD exStyle = 0;
  short x = 0;
  short y = 0;
  short cx = 0;
  short cy = 0;
  std::string caption;
  int pointSize = 8;
  std::string faceName = "Helv";
  std::vector<DialogItemTemplate> items;
};

constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_SEPARATOR = 0x0800;

struct MenuTemplateItem {
  std::string text;
  UINT id = 0;
  UINT flags = MF_STRING;  // MF_SEPARATOR, MF_POPUP (with children), MF_GRAYED, MF_CHECKED
  std::vector<MenuTemplateItem> children;
};

// An icon: its pixels, and the pixels it leaves out (empty when it covers all).
struct IconImage {
  Surface pixels;
  std::vector<bool> transparent;
};

class ResourceRegistry {
 public:
  void AddDialog(const ResourceName& name, DialogTemplate dialog);
  // Registers a dialog by the function that builds its template, which runs when the dialog is first
  // looked up: a window that is never opened costs nothing at start.
  void AddDialogSource(const ResourceName& name, DialogTemplate (*build)());
  // The registered template, which the caller may change in place for a while (as the layer's
  // classes read the template when they create the window).
  DialogTemplate* FindDialog(const ResourceName& name);
  // Every registered dialog, built or not, in name order.
  std::vector<ResourceName> DialogNames() const;
  void AddMenu(const ResourceName& name, std::vector<MenuTemplateItem> items);
  const std::vector<MenuTemplateItem>* FindMenu(const ResourceName& name) const;
  void AddString(UINT id, std::string text);
  const std::string* FindString(UINT id) const;
  void AddBitmap(const ResourceName& name, Surface pixels);
  // Registers a bitmap from its text form (see bitmap_text.h); false with `error` set when the text is bad.
  bool AddBitmapText(const ResourceName& name, std::string_view text, std::string* error = nullptr);
  // Registers a bitmap by its text form, which must last as long as the registry, and reads it when
  // it is first looked up: a picture that is never shown costs nothing at start. A text that cannot
  // be read leaves the bitmap missing.
  void AddBitmapSource(const ResourceName& name, std::string_view text);
  const Surface* FindBitmap(const ResourceName& name) const;
  void AddIcon(const ResourceName& name, IconImage icon);
  bool AddIconText(const ResourceName& name, std::string_view text, std::string* error = nullptr);
  const IconImage* FindIcon(const ResourceName& name) const;
  void Clear();

 private:
  // Dialogs are built from their sources as they are looked up.
  std::map<ResourceName, DialogTemplate> dialogs_;
  std::map<ResourceName, DialogTemplate (*)()> dialogSources_;
  std::map<ResourceName, std::vector<MenuTemplateItem>> menus_;
  std::map<UINT, std::string> strings_;
  // Bitmaps are read from their sources as they are looked up.
  mutable std::map<ResourceName, Surface> bitmaps_;
  mutable std::map<ResourceName, std::string_view> bitmapSources_;
  std::map<ResourceName, IconImage> icons_;
};

ResourceRegistry& Resources();

HINSTANCE AfxGetResourceHandle();
HINSTANCE AfxGetInstanceHandle();
int LoadString(HINSTANCE instance, UINT id, LPSTR buffer, int size);
// A new bitmap object the caller deletes; null when there is no such bitmap.
HBITMAP LoadBitmap(HINSTANCE instance, LPCSTR name);
// A shared icon the caller does not delete; null when there is no such icon.
HICON LoadIcon(HINSTANCE instance, LPCSTR name);
// Draws the icon's pixels, leaving its transparent ones as they were.
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
const IconImage* IconPixels(HICON icon);
