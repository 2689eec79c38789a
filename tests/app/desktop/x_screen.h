#pragma once
// What an X server shows, read through Xlib, kept apart from the window layer's headers, whose
// names Xlib's would clash with.
#include <cstdint>
#include <string>
#include <vector>

struct ShownPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;  // 0xRRGGBB, row by row
};

class XScreen {
 public:
  // Null connection (Connected() false) when the display cannot be opened.
  explicit XScreen(const std::string& display);
  ~XScreen();
  XScreen(const XScreen&) = delete;
  XScreen& operator=(const XScreen&) = delete;

  bool Connected() const { return display_ != nullptr; }
  // A shown top-level window of that name, or 0 when there is none (yet).
  unsigned long ShownWindowNamed(const std::string& name) const;
  // The pixels of the window as the screen shows them.
  ShownPicture Shown(unsigned long window) const;
  // The close box, as a window manager reports it to the program.
  void AskToClose(unsigned long window) const;

 private:
  struct _XDisplay* display_ = nullptr;
};
