#pragma once
// Reports a bitmap or icon resource that cannot be loaded. Drawing asks for a picture at every
// repaint, and a message box shown from painting makes the window repaint when it closes; so each
// name is reported once per run, and afterwards the picture is drawn as an empty face.
#include <string>

#include "platform/gdi/wintypes.h"

// Shows the resource message `stringId` with the name (owner: the active window, an information
// icon) the first time this name is reported for that string; later reports show nothing.
void ReportMissingPicture(UINT stringId, const std::string& name);
