#include <memory>

#include "platform/win/cwnd.h"
#include "platform/win/message_map.h"
#include "platform/win/window_system.h"
#include "tests/platform/support/window_fixture.h"

namespace {

using window_test::Log;
using window_test::WindowTest;
using Messages = std::vector<std::string>;

TEST_F(WindowTest, TextIsCopiedWithinTheBufferAndEndedWithANul) {
  const HWND top = TopLevel("T", 0, 0, 100, 100);
  const HWND child = Child(top, "Hydrogen", 7, RECT{0, 0, 10, 10});
  struct Case {
    int size;
    int copied;
    const char* text;
  };
  const Case cases[] = {{100, 8, "Hydrogen"}, {9, 8, "Hydrogen"}, {8, 7, "Hydroge"}, {1, 0, ""}};
  for (const Case& test : cases) {
    char buffer[100];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    EXPECT_EQ(GetDlgItemText(top, 7, buffer, test.size), static_cast<UINT>(test.copied)) << test.size;
    EXPECT_STREQ(buffer, test.text) << test.size;
  }
  char untouched[4] = {'a', 'b', 'c', '\0'};
  EXPECT_EQ(GetWindowText(child, untouched, 0), 0);
  EXPECT_STREQ(untouched, "abc");
  EXPECT_TRUE(SetDlgItemText(top, 7, "He"));
  EXPECT_EQ(GetWindowTextString(child), "He");
  EXPECT_FALSE(SetDlgItemText(top, 99, "none"));
}

TEST_F(WindowTest, DestroyingAWindowTakesItsOwnedWindowsAndChildrenFirst) {
  const HWND owner = TopLevel("owner", 0, 0, 100, 100);
  Child(owner, "child", 1, RECT{0, 0, 10, 10});
  const HWND owned =
      CreateWindowEx(0, "RECORDER", "owned", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, owner, nullptr, nullptr, nullptr);
  ASSERT_EQ(GetWindow(owned, GW_OWNER), owner);
  ASSERT_EQ(GetParent(owned), owner);
  Log().clear();
  EXPECT_TRUE(DestroyWindow(owner));
  Messages destruction;
  for (const std::string& entry : Log()) {
    if (entry.find("DESTROY") != std::string::npos) destruction.push_back(entry);
  }
  EXPECT_EQ(destruction, (Messages{"owned: WM_DESTROY", "owned: WM_NCDESTROY", "owner: WM_DESTROY", "child: WM_DESTROY",
                                   "child: WM_NCDESTROY", "owner: WM_NCDESTROY"}));
  EXPECT_FALSE(IsWindow(owned));
  EXPECT_FALSE(DestroyWindow(owner));
}

// More windows than the layer keeps at hand: every live one is still found by its handle and id,
// and none that was destroyed is, whichever windows were looked up in between.
TEST_F(WindowTest, ManyWindowsMadeAndDestroyedAreFoundOnlyWhileTheyLive) {
  const HWND top = TopLevel("T", 0, 0, 100, 100);
  std::vector<HWND> children;
  for (int id = 1; id <= 2100; ++id) {
    children.push_back(Child(top, "c", id, RECT{0, 0, 1, 1}, 0));
    ASSERT_NE(children.back(), nullptr);
  }
  for (size_t index = 0; index < children.size(); index += 2) ASSERT_TRUE(DestroyWindow(children[index]));
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t index = 0; index < children.size(); ++index) {
      const bool alive = index % 2 == 1;
      EXPECT_EQ(IsWindow(children[index]) != FALSE, alive) << index;
      EXPECT_EQ(GetDlgItem(top, static_cast<int>(index) + 1), alive ? children[index] : nullptr) << index;
    }
  }
  const HWND later = Child(top, "later", 5000, RECT{0, 0, 1, 1}, 0);
  EXPECT_EQ(GetDlgItem(top, 5000), later);
  EXPECT_FALSE(IsWindow(children[0]));
}

TEST_F(WindowTest, SentMessagesRunAtOncePostedOnesInOrderThroughTheQueue) {
  const HWND top = TopLevel("T", 0, 0, 100, 100);
  driver.Pump();
  Log().clear();
  PostMessage(top, WM_USER + 1, 0, 0);
  SendMessage(top, WM_USER, 0, 0);
  EXPECT_EQ(Log(), (Messages{"T: WM_USER"}));
  driver.Pump();
  EXPECT_EQ(Log(), (Messages{"T: WM_USER", "T: WM_USER+1"}));
}

TEST_F(WindowTest, GeometryConvertsBetweenClientAndScreen) {
  const HWND top = TopLevel("T", 100, 50, 300, 200, WS_OVERLAPPED | WS_CAPTION);
  const HWND child = Child(top, "c", 1, RECT{10, 20, 60, 40}, WS_VISIBLE | WS_BORDER);
  RECT client{};
  GetClientRect(top, &client);
  EXPECT_EQ(client.right, 300 - 6);
  EXPECT_EQ(client.bottom, 200 - 6 - 18);
  POINT point{0, 0};
  ClientToScreen(child, &point);
  // The top's frame and caption, the child's place, the child's one-pixel border.
  EXPECT_EQ(point.x, 100 + 3 + 10 + 1);
  EXPECT_EQ(point.y, 50 + 3 + 18 + 20 + 1);
  ScreenToClient(top, &point);
  EXPECT_EQ(point.x, 11);
  EXPECT_EQ(point.y, 21);
  SetWindowPos(child, nullptr, 5, 6, 70, 30, SWP_NOZORDER);
  RECT moved{};
  GetWindowRect(child, &moved);
  EXPECT_EQ(moved.right - moved.left, 70);
  EXPECT_EQ(WindowFromPoint(POINT{moved.left + 5, moved.top + 5}), child);
}

TEST_F(WindowTest, SetCursorReachesTheParentWhileThePointerIsOverAChild) {
  const HWND top = TopLevel("T", 0, 0, 200, 200);
  const HWND child = Child(top, "c", 1, RECT{10, 10, 60, 60});
  driver.Pump();
  Log().clear();
  RECT rect{};
  GetWindowRect(child, &rect);
  InputEvent move;
  move.kind = InputEvent::Kind::MouseMove;
  move.point = POINT{rect.left + 5, rect.top + 5};
  PostInput(move);
  driver.Pump();
  EXPECT_EQ(Log(), (Messages{"c: WM_SETCURSOR", "T: WM_SETCURSOR"}));
}

TEST_F(WindowTest, MovingThePointerDeliversACursorMessageAndTheCursorShapeIsShown) {
  const HWND top = TopLevel("T", 100, 100, 200, 200);
  driver.Pump();
  window_test::Log().clear();
  ASSERT_TRUE(SetCursorPos(150, 150));
  driver.Pump();
  EXPECT_EQ(Log(), (Messages{"T: WM_SETCURSOR"}));
  POINT at{};
  GetCursorPos(&at);
  EXPECT_EQ(at.x, 150);
  const HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
  ASSERT_NE(wait, nullptr);
  EXPECT_NE(wait, LoadCursor(nullptr, IDC_ARROW));
  SetCursor(wait);
  EXPECT_EQ(driver.Backend().CursorShape(), wait);
  EXPECT_EQ(GetCursor(), wait);
  EXPECT_NE(top, nullptr);
}

UINT PingMessage() {
  static const UINT id = RegisterWindowMessage("TavrinPing");
  return id;
}
const UINT PingMessageId = PingMessage();

// Answers a registered message through its message map, and chains to CWnd's map for the rest.
class PingWindow : public CWnd {
 public:
  int pings = 0;

 protected:
  afx_msg LRESULT OnPing(WPARAM code, LPARAM) {
    ++pings;
    return static_cast<LRESULT>(code) * 2;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PingWindow, CWnd)
ON_REGISTERED_MESSAGE(PingMessageId, OnPing)
END_MESSAGE_MAP()

TEST_F(WindowTest, ARegisteredMessageReachesItsHandlerAndOneNameIsOneId) {
  EXPECT_EQ(RegisterWindowMessage("TavrinPing"), PingMessageId);
  EXPECT_NE(RegisterWindowMessage("TavrinPong"), PingMessageId);
  EXPECT_GE(PingMessageId, 0xC000u);
  const HWND top = TopLevel("T", 0, 0, 100, 100);
  PingWindow window;
  ASSERT_TRUE(window.Create("RECORDER", "ping", WS_VISIBLE, RECT{0, 0, 20, 20}, CWnd::FromHandle(top), 9));
  EXPECT_EQ(::SendMessage(window.m_hWnd, PingMessageId, 21, 0), 42);
  EXPECT_EQ(window.pings, 1);
  // Messages the map does not name go on to the window's own procedure.
  window.SetWindowText("pong");
  EXPECT_EQ(GetWindowTextString(window.m_hWnd), "pong");
}

TEST_F(WindowTest, RuntimeClassesKnowTheirBasesAndMakeObjects) {
  EXPECT_TRUE(RUNTIME_CLASS(CWnd)->IsDerivedFrom(RUNTIME_CLASS(CCmdTarget)));
  EXPECT_FALSE(RUNTIME_CLASS(CCmdTarget)->IsDerivedFrom(RUNTIME_CLASS(CWnd)));
  std::unique_ptr<CObject> made(RUNTIME_CLASS(CWnd)->CreateObject());
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_STREQ(made->GetRuntimeClass()->m_lpszClassName, "CWnd");
  EXPECT_EQ(RUNTIME_CLASS(CCmdTarget)->CreateObject(), nullptr);
}

TEST_F(WindowTest, AWrapperSeesTheMessagesOfTheWindowItSubclassesFirst) {
  struct Counting : CWnd {
    int sets = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == WM_SETTEXT) ++sets;
      return CWnd::WindowProc(message, wParam, lParam);
    }
  };
  const HWND top = TopLevel("T", 0, 0, 100, 100);
  const HWND child = Child(top, "before", 5, RECT{0, 0, 10, 10});
  Counting wrapper;
  ASSERT_TRUE(wrapper.SubclassDlgItem(5, CWnd::FromHandle(top)));
  EXPECT_EQ(CWnd::FromHandle(child), &wrapper);
  SetWindowText(child, "after");
  EXPECT_EQ(wrapper.sets, 1);
  // The window's own procedure still keeps the text.
  EXPECT_EQ(GetWindowTextString(child), "after");
  EXPECT_FALSE(wrapper.SubclassDlgItem(5, CWnd::FromHandle(top)));
  DestroyWindow(top);
  EXPECT_EQ(wrapper.m_hWnd, nullptr);
}

TEST_F(WindowTest, AWrapperIsLetGoWhenItsWindowEndsEvenIfItKeepsWmNcDestroyToItself) {
  struct Swallowing : CWnd {
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      return message == WM_NCDESTROY ? 0 : CWnd::WindowProc(message, wParam, lParam);
    }
  };
  const HWND top = TopLevel("T", 0, 0, 100, 100);
  const HWND child = Child(top, "child", 5, RECT{0, 0, 10, 10});
  Swallowing wrapper;
  ASSERT_TRUE(wrapper.SubclassWindow(child));
  DestroyWindow(top);
  EXPECT_EQ(wrapper.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(child), nullptr);
}

std::vector<std::string>& EndedWindows() {
  static std::vector<std::string> ended;
  return ended;
}

TEST_F(WindowTest, DestructionWatchersHearOfEachWindowAfterItsLastMessageChildrenFirst) {
  static const bool watching = [] {
    WatchWindowDestruction([](HWND window) {
      // The record still exists: a watcher can still read the window it is told of.
      EndedWindows().push_back(GetWindowTextString(window));
    });
    return true;
  }();
  (void)watching;
  const HWND top = TopLevel("top", 0, 0, 100, 100);
  Child(top, "first", 1, RECT{0, 0, 10, 10});
  Child(top, "second", 2, RECT{0, 10, 10, 20});
  EndedWindows().clear();
  EXPECT_TRUE(DestroyWindow(top));
  EXPECT_FALSE(DestroyWindow(top));
  EXPECT_EQ(EndedWindows(), (std::vector<std::string>{"first", "second", "top"}));
}

}  // namespace
