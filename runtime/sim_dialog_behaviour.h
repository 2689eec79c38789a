#pragma once
// The handlers that the modal and modeless dialogs and the form share, each working on the
// window's own fields.
#include "platform/win/cwnd.h"
#include "runtime/sim_dialog_fields.h"

// The brush for a colour query: the dialog's background brush for its own background, else what
// the control's wrapper answers to the colour query; null when the library's colours apply.
HBRUSH SimDialogCtlColor(SimDialogFields& fields, CDC* dc, CWnd* control, UINT kind);

// Paints the background bitmap and tells every child that the dialog has painted.
void SimDialogPaint(CWnd& dialog, const SimDialogFields& fields);

// A stretched or centred background bitmap follows the new size.
void SimDialogSize(CWnd& dialog, const SimDialogFields& fields);

// Updates the items of a popup through the command handlers of `target`.
void SimDialogInitMenuPopup(CCmdTarget& target, const SimDialogFields& fields, CMenu* popup, BOOL systemMenu);

// Paints an owner-draw button whose text is "WMP3DBUTTON" as a 3D button with an empty face;
// true when the message was such a button's WM_DRAWITEM.
bool SimDialogDrawsMarkedButton(UINT message, LPARAM lParam);

// The dialogs' reply to the private message: they fit themselves to their content (code 5).
LRESULT SimDialogPrivateMessage(CWnd& dialog, WPARAM code, LPARAM argument);

// Context help: the help context of the window, or nothing when it has none.
void SimDialogShowHelp(const SimDialogFields& fields);

// Passes a command no window handled on to the application object.
BOOL PassCommandToApplication(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo);
