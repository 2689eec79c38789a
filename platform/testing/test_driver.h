#pragma once
// Drives windows as a user would, without a screen: finds controls of the active window by id,
// clicks at their place through the real hit test, types, presses keys, reads texts, check states
// and list items, answers and records message boxes, records shell calls instead of making them,
// and saves pictures of windows.
//
// Called directly, an action delivers its input and processes it before it returns; an action
// that opens a modal window returns when that window has ended, and meanwhile the modal loop runs
// the steps queued with Then(), one whenever it is idle. Within such a step an action only
// delivers its input: the loop that runs the step takes it next, as it takes a user's. When no
// step is left, an idle loop ends the program as its File, Exit command would (HeadlessBackend).
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend/headless_backend.h"
#include "platform/win/message_box.h"
#include "platform/services/shell_execute.h"

struct MessageBoxRecord {
  std::string caption;
  std::string text;
  UINT type = MB_OK;
  int answer = IDOK;
  std::string problem;  // set when the answer given did not fit the box
};

class TestDriver : public StepSource {
 public:
  TestDriver();
  ~TestDriver() override;
  TestDriver(const TestDriver&) = delete;
  TestDriver& operator=(const TestDriver&) = delete;

  void Then(std::function<void()> step);
  void ClearSteps() { steps_.clear(); }
  bool RunNextStep() override;
  // Processes every pending message, input and painting, without taking a step.
  void Pump();

  // Actions on the active window; false, with LastError() set, when the action cannot be done.
  bool Click(int id);
  bool DoubleClick(int id);
  // Focuses the control, selects all its text and types the Windows-1252 text over it key by key.
  bool Type(int id, const std::string& text);
  // Enter, Escape, Tab, Space, Left, Right, Up, Down, Backspace, Delete, Home, End, PageUp,
  // PageDown, F4; each also with "Shift+" before it.
  bool Key(const std::string& name);
  // Clicks the item in a list box, or opens a combo box's list and clicks the item there; in a
  // multiple-selection list the click turns the item's selection on or off.
  bool Select(int id, int index);
  // The menu command, as if chosen in the active window's menu.
  bool Menu(int id);
  std::optional<std::string> Text(int id);
  std::optional<std::vector<std::string>> Items(int id);
  std::optional<int> Checked(int id);
  // Caption and template name of the active window (a frame: of the form inside it).
  std::optional<std::string> WindowCaption();
  std::optional<std::string> WindowTemplate();
  bool Snapshot(const std::string& path);
  // A click at a screen point, for what has no control id (a caption's close box, a menu bar).
  void ClickAt(POINT screen);
  // The button pressed at one screen point, the pointer moved to another and released there.
  void DragAt(POINT from, POINT to);

  // The answer for the next message box; a later call replaces an unused one.
  void Answer(int result) { pendingAnswer_ = result; }
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return boxes_; }
  void OnMessageBox(std::function<void(const MessageBoxRecord&)> listener) { boxListener_ = std::move(listener); }
  // Every ShellExecute call, which succeeds and opens nothing.
  const std::vector<ShellRequest>& ShellCalls() const { return shellCalls_; }
  void OnShellCall(std::function<void(const ShellRequest&)> listener) { shellListener_ = std::move(listener); }

  HWND FindControl(int id);
  const std::string& LastError() const { return lastError_; }
  HeadlessBackend& Backend() { return backend_; }

 private:
  bool Fail(const std::string& why);
  HWND RequireControl(int id);
  int AnswerBox(const MessageBoxRequest& request);
  bool FocusControl(HWND control, int id);
  bool ClickItem(HWND list, int id, int index);
  // The control's centre pressed once (a click) or twice (a double click), if a click there reaches it.
  bool PressControl(int id, int presses);
  void PressAt(POINT screen, int presses);
  void Deliver(InputEvent event);
  void PressKey(UINT key, char character);

  HeadlessBackend backend_;
  std::deque<std::function<void()>> steps_;
  std::optional<int> pendingAnswer_;
  std::vector<MessageBoxRecord> boxes_;
  std::function<void(const MessageBoxRecord&)> boxListener_;
  std::vector<ShellRequest> shellCalls_;
  std::function<void(const ShellRequest&)> shellListener_;
  std::string lastError_;
  int stepDepth_ = 0;
};
