#pragma once
// Opens the window of any registered dialog template as the program opens it: through the shell's
// tool table, through the window that opens it, or, for a template no opener knows, on the
// runtime's modal base with the template's own texts.
#include <functional>
#include <string>
#include <vector>

#include "platform/testing/test_driver.h"
#include "platform/win/cwnd.h"

// Opens the window of `templateName` over `frame`, runs the steps while it is the active window, the
// program taking the input of each step before the next, and closes it again (Escape for a modal
// window).
void WithTemplateWindow(TestDriver& driver, CWnd* frame, const std::string& templateName,
                        const std::vector<std::function<void()>>& steps);
