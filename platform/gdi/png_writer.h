#pragma once
// PNG files of framebuffers.
#include <string>

#include "platform/gdi/surface.h"

// Writes the surface as an 8-bit RGB PNG through a temporary file beside the target, so a failed
// write never leaves a half-written file. Returns false with `error` set on failure.
bool WritePng(const Surface& surface, const std::string& path, std::string* error = nullptr);
