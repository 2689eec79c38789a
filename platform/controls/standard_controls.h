#pragma once
// Registers the window classes of the standard controls; safe to call more than once.
void RegisterStandardControls();
