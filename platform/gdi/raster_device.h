#pragma once
// The device context that draws into pixels: a window's framebuffer or a memory bitmap.
#include "platform/gdi/device_context.h"

class RasterDevice : public DeviceContext {
 public:
  // A device on a framebuffer owned elsewhere: logical (0, 0) lies at `origin` of the surface and
  // only `visible` (surface coordinates) may be drawn.
  RasterDevice(Surface* target, POINT origin, Region visible, SIZE display);
  // A memory device, drawing into the bitmap selected into it.
  explicit RasterDevice(SIZE display);

  void Line(POINT from, POINT to) override;
  void Rectangle(const RECT& rect) override;
  void Ellipse(const RECT& rect) override;
  void FillWithBrush(const RECT& rect, HBRUSH brush) override;
  BOOL PatBlt(const RECT& rect, DWORD rop) override;
  COLORREF SetPixel(int x, int y, COLORREF colour) override;
  COLORREF GetPixel(int x, int y) const override;
  void TextRun(std::int64_t x, int y, const char* text, size_t length) override;
  BOOL Transfer(const RECT& destination, DeviceContext* source, const RECT& sourceRect, DWORD rop) override;
  int Caps(int index) const override;
  const Surface* Pixels() const override { return target_; }

  void SetVisible(Region visible);
  POINT Origin() const { return origin_; }

 protected:
  bool AcceptsBitmaps() const override { return memory_; }
  void OnBitmapSelected() override;
  void OnClipChanged() override;

 private:
  void UpdateEffectiveClip();
  bool Drawable(int deviceX, int deviceY) const;
  void Plot(int deviceX, int deviceY, COLORREF colour);
  void Blend(int deviceX, int deviceY, COLORREF colour, int coverage);
  void FillDeviceRect(RECT rect, const BrushObject& brush, DWORD rop);
  void FillSpan(int y, int x0, int x1, const BrushObject& brush);
  void PenDot(int deviceX, int deviceY, const PenObject& pen);

  Surface* target_ = nullptr;
  POINT origin_{};
  Region visible_;
  Region effective_;
  bool memory_ = false;
  SIZE display_{};
};

HDC CreateCompatibleDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
