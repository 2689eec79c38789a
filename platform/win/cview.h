#pragma once
// Views: the pane of a frame. A form view is a dialog template living in the frame's client area.
#include "platform/win/cwnd.h"
#include "platform/win/message_map.h"
#include "platform/win/resources.h"

class CView : public CWnd {
  DECLARE_DYNAMIC(CView)

 protected:
  // A view is deleted by the layer when its window is destroyed.
  void PostNcDestroy() override;
};

class CScrollView : public CView {
  DECLARE_DYNAMIC(CScrollView)

 public:
  void SetScrollSizes(int mapMode, SIZE total);
  CSize GetTotalSize() const { return m_totalLog; }
  // Resizes the parent frame so that its client area is the view's total size.
  void ResizeParentToFit(BOOL shrinkOnly = TRUE);

 protected:
  CSize m_totalLog;
};

class CFormView : public CScrollView {
  DECLARE_DYNAMIC(CFormView)

 public:
  explicit CFormView(LPCSTR templateName);
  explicit CFormView(UINT templateId);

  // Makes the form from its template as a child of the frame: the template's own style decides the
  // window, and the form has no border, so it fills the frame's client area edge to edge.
  BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
              void* context = nullptr) override;
  BOOL PreTranslateMessage(MSG* message) override;

 protected:
  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

  ResourceName templateName_;

  DECLARE_MESSAGE_MAP()
};
