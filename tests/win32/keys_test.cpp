// The main window's own keys and its focus memory: Esc closes, Tab and Shift+Tab walk the keyboard
// order, Enter is left alone, and the focus comes back after the window was deactivated.

#include <optional>
#include <vector>

#include "app/main_window.h"
#include "browser_view.h"
#include "key_handling.h"
#include "window_fixture.h"

namespace vx::win32::test {
namespace {

using enum Control;

MSG KeyDown(HWND target, WPARAM key, bool system = false) {
  MSG message{};
  message.hwnd = target;
  message.message = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
  message.wParam = key;
  message.lParam = 1 | (system ? LPARAM{1} << 29 : 0);  // repeat count; Alt held
  return message;
}

void CALLBACK QuitWithoutClosing(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }

TEST(ClassifyWindowKey, OnlyEscAloneClosesAndOnlyTabWithNothingButShiftMovesTheFocus) {
  const struct {
    WPARAM key;
    KeyModifiers modifiers;
    WindowKey expected;
  } cases[] = {
      {VK_ESCAPE, {}, WindowKey::Close},
      {VK_ESCAPE, {.shift = true}, WindowKey::None},
      {VK_ESCAPE, {.ctrl = true}, WindowKey::None},
      {VK_ESCAPE, {.alt = true}, WindowKey::None},
      {VK_TAB, {}, WindowKey::NextControl},
      {VK_TAB, {.shift = true}, WindowKey::PreviousControl},
      {VK_TAB, {.ctrl = true}, WindowKey::None},
      {VK_TAB, {.shift = true, .ctrl = true}, WindowKey::None},
      {VK_TAB, {.alt = true}, WindowKey::None},
      {VK_RETURN, {}, WindowKey::None},
      {'A', {}, WindowKey::None},
  };
  for (const auto& test : cases)
    EXPECT_EQ(ClassifyWindowKey(test.key, test.modifiers, true), test.expected) << test.key;
  EXPECT_EQ(ClassifyWindowKey(VK_ESCAPE, {}, false), WindowKey::None);
}

class KeysTest : public WindowTest {
 protected:
  void SetUp() override { Open(); }

  // The control that holds the focus: the one whose window has it or is its parent.
  std::optional<Control> FocusHolder() const {
    HWND focus = GetFocus();
    if (auto control = runtime_.ControlOfWindow(focus)) return control;
    return runtime_.ControlOfWindow(GetAncestor(focus, GA_PARENT));
  }

  bool FocusIsInside(Control control) const {
    HWND focus = GetFocus();
    return focus && (focus == Window(control) || IsChild(Window(control), focus));
  }

  bool Press(WPARAM key, std::initializer_list<int> held = {}) {
    HeldKeys keys(held);
    return runtime_.HandleKey(KeyDown(GetFocus(), key));
  }
};

TEST_F(KeysTest, AfterStartTheFocusIsInTheBrowserView) {
  EXPECT_EQ(GetForegroundWindow(), Main());
  EXPECT_TRUE(FocusIsInside(超文本浏览框));
  EXPECT_EQ(FocusHolder(), 超文本浏览框);
}

TEST_F(KeysTest, TabAndShiftTabWalkTheKeyboardOrderAroundBothEnds) {
  const struct {
    Control from;
    bool back;
    Control to;
  } cases[] = {
      {按钮_刷新, false, 超文本浏览框},      {超文本浏览框, true, 按钮_刷新},
      {超文本浏览框, false, 编辑框_搜索框},  {编辑框_搜索框, false, 按钮_进入词条},
      {按钮_进入词条, false, 按钮_搜索词条}, {按钮_搜索词条, false, 按钮_刷新},
      {编辑框_搜索框, true, 超文本浏览框},   {按钮_刷新, true, 按钮_搜索词条},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(static_cast<int>(test.from));
    SetFocus(Window(test.from));
    ASSERT_EQ(FocusHolder(), test.from);
    EXPECT_TRUE(test.back ? Press(VK_TAB, {VK_SHIFT}) : Press(VK_TAB));
    EXPECT_TRUE(FocusIsInside(test.to));
    EXPECT_EQ(FocusHolder(), test.to);
  }
}

TEST_F(KeysTest, TabPassesOverControlsThatAreHiddenOrDisabled) {
  EnableWindow(Window(按钮_进入词条), FALSE);
  ShowWindow(Window(按钮_搜索词条), SW_HIDE);
  SetFocus(Window(编辑框_搜索框));
  EXPECT_TRUE(Press(VK_TAB));
  EXPECT_EQ(FocusHolder(), 按钮_刷新);
  EXPECT_TRUE(Press(VK_TAB, {VK_SHIFT}));
  EXPECT_EQ(FocusHolder(), 编辑框_搜索框);
}

TEST_F(KeysTest, TabFromAWindowTwoLevelsBelowAControlIsConsumedAndMovesNothing) {
  HWND middle = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20,
                                Window(编辑框_搜索框), nullptr, nullptr, nullptr);
  HWND deep = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, middle,
                              nullptr, nullptr, nullptr);
  SetFocus(deep);
  ASSERT_EQ(GetFocus(), deep);
  EXPECT_TRUE(Press(VK_TAB));
  EXPECT_EQ(GetFocus(), deep);
  EXPECT_TRUE(Press(VK_TAB, {VK_SHIFT}));
  EXPECT_EQ(GetFocus(), deep);

  SetFocus(middle);  // one level down belongs to the edit box
  EXPECT_TRUE(Press(VK_TAB));
  EXPECT_EQ(FocusHolder(), 按钮_进入词条);
}

TEST_F(KeysTest, OtherTabCombinationsAndEnterAreLeftToTheFocusedWindow) {
  SetFocus(Window(编辑框_搜索框));
  EXPECT_FALSE(Press(VK_TAB, {VK_CONTROL}));
  EXPECT_FALSE(Press(VK_RETURN));
  EXPECT_FALSE(Press('A'));
  EXPECT_EQ(FocusHolder(), 编辑框_搜索框);
}

TEST_F(KeysTest, EnterInTheEditBoxStartsNoSearchAndMovesNoFocus) {
  runtime_.WriteText(编辑框_搜索框, property::kEditText, Text::Copy("abc"));
  SetFocus(Window(编辑框_搜索框));
  // As the message loop takes it: not consumed, so translated and dispatched.
  MSG enter = KeyDown(Window(编辑框_搜索框), VK_RETURN);
  EXPECT_FALSE(runtime_.HandleKey(enter));
  TranslateMessage(&enter);
  DispatchMessageW(&enter);
  Pump();
  EXPECT_EQ(FocusHolder(), 编辑框_搜索框);
  EXPECT_EQ(runtime_.ReadText(编辑框_搜索框, property::kEditText).view(), "abc");
  EXPECT_TRUE(runtime_.ReadText(超文本浏览框, property::kBrowserUrl).missing());
}

TEST_F(KeysTest, EscAloneClosesTheWindowFromAnyControlAndEndsTheLoop) {
  SetFocus(Window(编辑框_搜索框));
  for (auto modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
    EXPECT_FALSE(Press(VK_ESCAPE, {modifier})) << modifier;
    EXPECT_NE(Main(), nullptr);
  }
  EXPECT_FALSE(runtime_.HandleKey(KeyDown(GetFocus(), VK_ESCAPE, /*system=*/true)));
  EXPECT_NE(Main(), nullptr);

  PostMessageW(Window(编辑框_搜索框), WM_KEYDOWN, VK_ESCAPE, 1);
  // A safety net: should Esc not close the window, the loop ends with another code.
  const UINT_PTR timer = SetTimer(nullptr, 0, 5000, QuitWithoutClosing);
  EXPECT_EQ(runtime_.RunMessageLoop(), 0);
  KillTimer(nullptr, timer);
  EXPECT_EQ(Main(), nullptr);
}

TEST_F(KeysTest, KeysAimedOutsideTheMainWindowAreNotHandled) {
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
  EXPECT_FALSE(runtime_.HandleKey(KeyDown(other, VK_ESCAPE)));
  EXPECT_FALSE(runtime_.HandleKey(KeyDown(other, VK_TAB)));
  EXPECT_NE(Main(), nullptr);
  DestroyWindow(other);
}

TEST_F(KeysTest, TheFocusComesBackAfterTheWindowWasDeactivated) {
  SetFocus(Window(按钮_搜索词条));
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                               100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  Pump();
  ASSERT_EQ(GetActiveWindow(), other);
  EXPECT_FALSE(FocusIsInside(按钮_搜索词条));

  SetForegroundWindow(Main());
  Pump();
  ASSERT_EQ(GetActiveWindow(), Main());
  EXPECT_EQ(GetFocus(), Window(按钮_搜索词条));
  DestroyWindow(other);
}

TEST_F(KeysTest, ActivationByMessageRestoresTheRememberedFocus) {
  SetFocus(Window(编辑框_搜索框));
  SendMessageW(Main(), WM_ACTIVATE, WA_INACTIVE, 0);
  SetFocus(Window(按钮_刷新));
  SendMessageW(Main(), WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(GetFocus(), Window(编辑框_搜索框));
}

}  // namespace
}  // namespace vx::win32::test
