#include "runtime/sim_graphic_button.h"

#include "runtime/bitmap_drawing.h"
#include "runtime/button_drawing.h"
#include "runtime/icon_drawing.h"
#include "runtime/private_message.h"

IMPLEMENT_DYNCREATE(CSimGraphicButton, CButton)

void CSimGraphicButton::StorePictures(PictureMode mode, bool isBitmap, int drawMode) {
  pictureName_.clear();
  normalPicture_.clear();
  focusPicture_.clear();
  pressedPicture_.clear();
  disabledPicture_.clear();
  mode_ = mode;
  isBitmap_ = isBitmap;
  drawMode_ = drawMode;
}

void CSimGraphicButton::SetImage(const std::string& name, bool isBitmap, int drawMode) {
  StorePictures(PictureMode::Single, isBitmap, drawMode);
  pictureName_ = name;
}

void CSimGraphicButton::SetGraphic(const std::string& name, bool isBitmap, int drawMode) {
  StorePictures(PictureMode::Painted, isBitmap, drawMode);
  pictureName_ = name;
}

void CSimGraphicButton::SetStateImages(const std::string& normal, const std::string& focus, const std::string& pressed,
                                       const std::string& disabled, bool isBitmap, int drawMode) {
  StorePictures(PictureMode::FourState, isBitmap, drawMode);
  normalPicture_ = normal;
  focusPicture_ = focus;
  pressedPicture_ = pressed;
  disabledPicture_ = disabled;
}

void CSimGraphicButton::DrawItem(LPDRAWITEMSTRUCT item) {
  if (item == nullptr) return;
  switch (mode_) {
    case PictureMode::Single:
      if (item->itemAction != ODA_DRAWENTIRE) return;
      if (isBitmap_) {
        DrawItemBitmap(*item, pictureName_, drawMode_);
      } else {
        DrawItemIcon(*item, pictureName_);
      }
      return;
    case PictureMode::FourState:
      if (isBitmap_) {
        DrawStateBitmapButton(*item, normalPicture_, focusPicture_, pressedPicture_, disabledPicture_, drawMode_);
      } else {
        DrawStateIconButton(*item, normalPicture_, focusPicture_, pressedPicture_, disabledPicture_);
      }
      return;
    case PictureMode::None:
    case PictureMode::Painted: return;
  }
}

LRESULT CSimGraphicButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != PrivateMessageId) return CButton::WindowProc(message, wParam, lParam);
  if (wParam != ParentPaintedCode || mode_ != PictureMode::Painted || lParam == 0) return 0;
  return DrawIntoPaintedParent(*reinterpret_cast<const PAINTSTRUCT*>(lParam));
}

LRESULT CSimGraphicButton::DrawIntoPaintedParent(const PAINTSTRUCT& paint) {
  if (!hidden_) {
    ShowWindow(SW_HIDE);
    hidden_ = true;
  }
  const HWND parent = ::GetParent(m_hWnd);
  const int id = GetDlgCtrlID();
  if (isBitmap_) {
    DrawBitmapAtItem(parent, paint, pictureName_, id, drawMode_, true, 0, 0);
  } else {
    DrawIconAtItem(parent, id, paint, pictureName_);
  }
  return 1;
}
