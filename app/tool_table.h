#pragma once
// The shell's one table of tools: a row per window that the menu, the launcher form or the start-up
// setting opens. The application's menu commands, the launcher's picture buttons with their pictures
// and English captions, and the start-up click all read it. A tool module joins the shell by putting
// its opener into its row.
#include <span>

#include "platform/win/cwnd.h"

struct ShellTool {
  UINT menuCommand = 0;                   // 0: no menu command
  int launcherButton = 0;                 // 0: no picture button on the launcher form
  int launcherCaption = 0;                // the caption beneath the button
  const char* launcherPicture = nullptr;  // the bitmap on the button's face
  const char* englishCaption = nullptr;   // null: the template's caption in both languages
  int startupCode = 0;                    // the StartupTool setting that opens it at start; 0: none
  int (*open)(CWnd* parent) = nullptr;    // opens the tool's window
  const char* templateName = nullptr;
};

std::span<const ShellTool> ShellTools();

// The row whose field holds the value; null for 0, which means "none" in every field.
template <class Field>
const ShellTool* FindTool(Field ShellTool::*field, Field value) {
  if (value == Field{}) return nullptr;
  for (const ShellTool& tool : ShellTools()) {
    if (tool.*field == value) return &tool;
  }
  return nullptr;
}

// Opens the tool's window with the parent and returns the opener's result.
int OpenTool(const ShellTool& tool, CWnd* parent);
