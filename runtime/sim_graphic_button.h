#pragma once
// An owner-draw button that shows a bitmap or icon resource: one picture over the whole button,
// a picture per state (with only the normal one named: a 3D button with the picture as face), or
// a picture painted straight into its parent in place of the hidden button.
#include <string>

#include "platform/controls/cbutton.h"

class CSimGraphicButton : public CButton {
  DECLARE_DYNCREATE(CSimGraphicButton)

 public:
  enum class PictureMode { None = 0, Single = 1, Painted = 2, FourState = 3 };

  // The names are bitmap resources when isBitmap, else icons; drawMode is a BitmapDrawMode.
  void SetImage(const std::string& name, bool isBitmap, int drawMode);
  void SetGraphic(const std::string& name, bool isBitmap, int drawMode);
  // An empty name: that state has no picture of its own.
  void SetStateImages(const std::string& normal, const std::string& focus, const std::string& pressed,
                      const std::string& disabled, bool isBitmap, int drawMode);

  void DrawItem(LPDRAWITEMSTRUCT item) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void StorePictures(PictureMode mode, bool isBitmap, int drawMode);
  LRESULT DrawIntoPaintedParent(const PAINTSTRUCT& paint);

  std::string pictureName_;
  std::string normalPicture_;
  std::string focusPicture_;
  std::string pressedPicture_;
  std::string disabledPicture_;
  bool isBitmap_ = true;
  int drawMode_ = 0;
  bool hidden_ = false;
  PictureMode mode_ = PictureMode::None;
};
