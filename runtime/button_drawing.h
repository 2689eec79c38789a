#pragma once
// Owner-draw push buttons in the 3D look: a picture face inside a black outline and a bevel, and
// buttons that show one whole picture per state.
#include <string>

#include "platform/win/window_api.h"

// A 3D push button whose face is the named bitmap (isBitmap) or icon, or light gray for an empty
// name; a checkerboard of light gray over the face when disabled. Only for an owner-draw button
// being drawn entirely or selected. Returns 1 drawn, 0 when not drawn or the picture is missing
// (a missing bitmap still gets its empty face and frame).
int Draw3DButton(const DRAWITEMSTRUCT& item, const std::string& name, bool isBitmap, int mode);

// The outline and bevel of a button whose top-left corner is (left, top) and whose face is
// faceWidth x faceHeight; the button is 6 pixels larger each way. Returns 1.
int Draw3DFrame(HDC dc, int left, int top, int faceWidth, int faceHeight, bool pressed);

// With only the normal picture named, a 3D button with it as face; otherwise the picture of the
// current state (disabled, pressed, focused, normal, the first named) over the whole item.
int DrawStateBitmapButton(const DRAWITEMSTRUCT& item, const std::string& normal, const std::string& focus,
                          const std::string& pressed, const std::string& disabled, int mode);
int DrawStateIconButton(const DRAWITEMSTRUCT& item, const std::string& normal, const std::string& focus,
                        const std::string& pressed, const std::string& disabled);
