#include "platform/win/paint_dc.h"

CPaintDC::CPaintDC(CWnd* window) : window_(window == nullptr ? nullptr : window->m_hWnd) {
  Attach(::BeginPaint(window_, &m_ps));
}

CPaintDC::~CPaintDC() {
  Detach();
  ::EndPaint(window_, &m_ps);
}

CClientDC::CClientDC(CWnd* window) : window_(window == nullptr ? nullptr : window->m_hWnd) { Attach(::GetDC(window_)); }

CClientDC::~CClientDC() { ::ReleaseDC(window_, Detach()); }

CWindowDC::CWindowDC(CWnd* window) : window_(window == nullptr ? nullptr : window->m_hWnd) {
  Attach(::GetWindowDC(window_));
}

CWindowDC::~CWindowDC() { ::ReleaseDC(window_, Detach()); }
