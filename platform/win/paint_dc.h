#pragma once
// Device contexts tied to a window for the length of a scope.
#include "platform/win/cwnd.h"

// Between BeginPaint and EndPaint of a WM_PAINT.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* window);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps;

 private:
  HWND window_;
};

// The client area, outside painting.
class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* window);
  ~CClientDC() override;

 private:
  HWND window_;
};

// The whole window, frame included.
class CWindowDC : public CDC {
 public:
  explicit CWindowDC(CWnd* window);
  ~CWindowDC() override;

 private:
  HWND window_;
};
