// The main window as the form runtime builds it from the program's definition:
// frame, controls, stacking, the first layout, resizing, events and the form
// operations the handlers use.

#include <commctrl.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "app/layout.h"
#include "app/main_window.h"
#include "label.h"
#include "window_fixture.h"

namespace vx::win32::test {
namespace {

using enum Control;

// ---------------------------------------------------------------------------------------------
// Frame, controls, stacking

class MainWindowTest : public WindowTest {
 protected:
  void SetUp() override { Open(); }

  // The browser view and the status bar as the layout puts them for the current
  // client area.
  void ExpectLaidOut() {
    const RECT client = Client();
    const LONG width = client.right, height = client.bottom;
    EXPECT_EQ(PlaceOf(Window(超文本浏览框)), (Place{0, 50, width - 5, height - 55}));
    const Place bar = PlaceOf(Window(状态条1));
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.width, width);
    EXPECT_EQ(bar.top + bar.height, height);
    EXPECT_EQ(PartEdges(), (std::vector<int>{width - 60, width}));
  }

  std::vector<int> PartEdges() {
    std::array<int, 8> edges{};
    const auto count = SendMessageW(Window(状态条1), SB_GETPARTS, edges.size(),
                                    reinterpret_cast<LPARAM>(edges.data()));
    return {edges.begin(), edges.begin() + count};
  }

  std::string PartText(int part) {
    char text[256] = {};
    SendMessageW(Window(状态条1), SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
    return text;
  }

  std::wstring PartTip(int part) {
    wchar_t tip[256] = {};
    SendMessageW(Window(状态条1), SB_GETTIPTEXTW, MAKEWPARAM(part, 256),
                 reinterpret_cast<LPARAM>(tip));
    return tip;
  }

  void Resize(int width, int height) {
    SetWindowPos(Main(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
  }
};

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  BITMAP bitmap{};
  GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

TEST_F(MainWindowTest, FrameIsCentredOnTheScreenAtItsOuterSize) {
  RECT outer{};
  GetWindowRect(Main(), &outer);
  EXPECT_EQ(outer.right - outer.left, 661);
  EXPECT_EQ(outer.bottom - outer.top, 340);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 661) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 340) / 2);

  EXPECT_EQ(WideTextOf(Main()), L"Vellumix-创建词条请先登录");
  const LONG_PTR style = GetWindowLongPtrW(Main(), GWL_STYLE);
  for (LONG_PTR bit : {WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX,
                       WS_CLIPCHILDREN, WS_VISIBLE})
    EXPECT_EQ(style & bit, bit) << std::hex << bit;
  EXPECT_FALSE(style & (WS_MINIMIZE | WS_MAXIMIZE | WS_CHILD | WS_POPUP));
  EXPECT_FALSE(GetWindowLongPtrW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetMenu(Main()), nullptr);
  EXPECT_EQ(GetWindow(Main(), GW_OWNER), nullptr);
  EXPECT_EQ(GetClassLongPtrW(Main(), GCLP_HBRBACKGROUND),
            static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
}

TEST_F(MainWindowTest, KeepsItsOuterSizeOnAScreenSmallerThanIt) {
  // What the system proposes for a 640 x 480 screen: a little more than the screen.
  MINMAXINFO limits{};
  limits.ptMaxTrackSize = {652, 492};
  SendMessageW(Main(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  EXPECT_EQ(limits.ptMaxTrackSize.x, 661);
  EXPECT_EQ(limits.ptMaxTrackSize.y, 492);
}

TEST_F(MainWindowTest, CarriesTheProgramIconInBothSizes) {
  const auto big = reinterpret_cast<HICON>(SendMessageW(Main(), WM_GETICON, ICON_BIG, 0));
  const auto small = reinterpret_cast<HICON>(SendMessageW(Main(), WM_GETICON, ICON_SMALL, 0));
  ASSERT_NE(big, nullptr);
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(IconSize(big).cx, 32);
  EXPECT_EQ(IconSize(big).cy, 32);
  EXPECT_EQ(IconSize(small).cx, 16);
  EXPECT_EQ(IconSize(small).cy, 16);
}

struct FixedControl {
  Control control;
  const wchar_t* class_name;
  Control parent;
  Place place;
  const wchar_t* text;
};

// The seven controls that keep the place of the definition.
constexpr FixedControl kFixedControls[] = {
    {标签2, kLabelClassName, 分组框1, {14, 13, 109, 15}, L"创建词条请先登录"},
    {分组框1, L"Button", MainWindow, {464, 8, 131, 32}, L""},
    {按钮_刷新, L"Button", MainWindow, {390, 16, 56, 24}, L"刷新"},
    {按钮_搜索词条, L"Button", MainWindow, {305, 16, 72, 24}, L"搜索词条"},
    {标签1, kLabelClassName, MainWindow, {6, 16, 72, 24}, L"输入词条名称:"},
    {按钮_进入词条, L"Button", MainWindow, {222, 16, 72, 24}, L"创建词条"},
    {编辑框_搜索框, L"Edit", MainWindow, {85, 16, 128, 24}, L""},
};

TEST_F(MainWindowTest, ControlsHaveTheirClassParentPlaceTextAndFont) {
  const auto gui_font = reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const auto& expected : kFixedControls) {
    SCOPED_TRACE(static_cast<int>(expected.control));
    HWND window = Window(expected.control);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ClassOf(window), expected.class_name);
    EXPECT_EQ(GetAncestor(window, GA_PARENT), Window(expected.parent));
    EXPECT_EQ(PlaceOf(window), expected.place);
    EXPECT_EQ(WideTextOf(window), expected.text);
    EXPECT_EQ(SendMessageW(window, WM_GETFONT, 0, 0), gui_font);
  }
  EXPECT_EQ(ClassOf(Window(状态条1)), STATUSCLASSNAMEW);
  EXPECT_EQ(SendMessageW(Window(状态条1), WM_GETFONT, 0, 0), gui_font);
  for (Control control : {状态条1, 超文本浏览框})
    EXPECT_EQ(GetAncestor(Window(control), GA_PARENT), Main());
  for (int index = 0; index < kControlCount; ++index) {
    HWND window = Window(static_cast<Control>(index));
    EXPECT_TRUE(IsWindowVisible(window)) << index;
    EXPECT_TRUE(IsWindowEnabled(window)) << index;
  }
}

TEST_F(MainWindowTest, ControlsCarryTheStylesOfTheirKind) {
  const auto style = [this](Control control) {
    return GetWindowLongPtrW(Window(control), GWL_STYLE);
  };

  const LONG_PTR edit = style(编辑框_搜索框);
  EXPECT_TRUE(GetWindowLongPtrW(Window(编辑框_搜索框), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(edit & ES_AUTOHSCROLL);
  EXPECT_FALSE(edit & (ES_NOHIDESEL | ES_MULTILINE | ES_PASSWORD | ES_READONLY | ES_NUMBER |
                       ES_UPPERCASE | ES_LOWERCASE | ES_CENTER | ES_RIGHT));

  EXPECT_EQ(style(分组框1) & BS_TYPEMASK, BS_GROUPBOX);
  for (Control button : {按钮_刷新, 按钮_搜索词条, 按钮_进入词条}) {
    SCOPED_TRACE(static_cast<int>(button));
    EXPECT_EQ(style(button) & BS_TYPEMASK,
              BS_PUSHBUTTON);  // never the default button
    EXPECT_EQ(style(button) & BS_CENTER, BS_CENTER);
    EXPECT_EQ(style(button) & BS_VCENTER, BS_VCENTER);
    EXPECT_TRUE(style(button) & BS_MULTILINE);
  }

  EXPECT_TRUE(style(状态条1) & SBARS_TOOLTIPS);
  EXPECT_FALSE(style(状态条1) & SBARS_SIZEGRIP);

  for (int index = 0; index < kControlCount; ++index) {
    const auto control = static_cast<Control>(index);
    const bool tab_stop = control == 按钮_刷新 || control == 按钮_搜索词条 ||
                          control == 按钮_进入词条 || control == 编辑框_搜索框 ||
                          control == 超文本浏览框;
    EXPECT_EQ((style(control) & WS_TABSTOP) != 0, tab_stop) << index;
  }
}

TEST_F(MainWindowTest, SiblingsAreStackedInDefinitionOrderFirstOnTop) {
  const auto stack_of = [this](HWND parent) {
    std::vector<Control> stack;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (auto control = runtime_.ControlOfWindow(child)) stack.push_back(*control);
    return stack;
  };
  EXPECT_EQ(stack_of(Main()),
            (std::vector<Control>{分组框1, 按钮_刷新, 状态条1, 按钮_搜索词条, 标签1, 按钮_进入词条,
                                  编辑框_搜索框, 超文本浏览框}));
  EXPECT_EQ(stack_of(Window(分组框1)), std::vector<Control>{标签2});
}

// ---------------------------------------------------------------------------------------------
// Layout and resizing

TEST_F(MainWindowTest, BrowserViewAndStatusBarAreLaidOutBeforeTheFirstShow) {
  ExpectLaidOut();
  EXPECT_EQ(PartText(0), "");
  EXPECT_EQ(PartText(1), "");
  EXPECT_EQ(PartTip(0), L"状态文本");
  EXPECT_EQ(PartTip(1), L"命令");
}

TEST_F(MainWindowTest, ResizingMovesOnlyTheBrowserViewAndTheStatusBarAndKeepsPartTexts) {
  runtime_.SetStatusPartText(状态条1, 0, Text::Copy("loading"));
  runtime_.SetStatusPartText(状态条1, 1, Text::Copy("1"));
  const struct {
    int width, height;
  } sizes[] = {{800, 500}, {400, 200}, {400, 200}, {661, 340}, {1000, 700}};
  for (const auto& size : sizes) {
    SCOPED_TRACE(std::to_string(size.width) + "x" + std::to_string(size.height));
    Resize(size.width, size.height);
    ExpectLaidOut();
    EXPECT_EQ(PartText(0), "loading");
    EXPECT_EQ(PartText(1), "1");
    for (const auto& fixed : kFixedControls)
      EXPECT_EQ(PlaceOf(Window(fixed.control)), fixed.place) << static_cast<int>(fixed.control);
  }
}

TEST_F(MainWindowTest, MinimisingEmptiesTheLayoutAndRestoringRedoesIt) {
  runtime_.SetStatusPartText(状态条1, 0, Text::Copy("kept"));
  ShowWindow(Main(), SW_MINIMIZE);
  Pump();
  ASSERT_TRUE(IsIconic(Main()));
  EXPECT_EQ(Client().right, 0);
  // Width -5 and height -55 come out as an empty browser view; part 0 runs to
  // the end.
  EXPECT_EQ(PlaceOf(Window(超文本浏览框)), (Place{0, 50, 0, 0}));
  EXPECT_EQ(PartEdges(), (std::vector<int>{-1, 0}));

  ShowWindow(Main(), SW_RESTORE);
  Pump();
  ExpectLaidOut();
  EXPECT_EQ(PartText(0), "kept");
}

TEST_F(MainWindowTest, MaximisingLaysOutTheMaximisedClientArea) {
  const RECT normal = Client();
  ShowWindow(Main(), SW_MAXIMIZE);
  Pump();
  ASSERT_TRUE(IsZoomed(Main()));
  EXPECT_NE(Client().right, normal.right);
  ExpectLaidOut();
}

// ---------------------------------------------------------------------------------------------
// The form operations

TEST_F(MainWindowTest, CaptionAndEditTextAreReadAndWrittenAsAnsiBytes) {
  const std::wstring wide = L"词条 & 名称";
  const std::string bytes = Ansi(wide);
  ASSERT_NE(bytes.size(), wide.size());  // GBK: two bytes per character

  EXPECT_TRUE(runtime_.ReadText(编辑框_搜索框, property::kEditText).missing());
  for (Control control : {MainWindow, 编辑框_搜索框}) {
    SCOPED_TRACE(static_cast<int>(control));
    runtime_.WriteText(control, 8, Text::Copy(bytes));
    EXPECT_EQ(WideTextOf(Window(control)), wide);
    EXPECT_EQ(runtime_.ReadText(control, 8).view(), bytes);

    runtime_.WriteText(control, 8, Text());  // missing: empty
    EXPECT_EQ(WideTextOf(Window(control)), L"");
    EXPECT_TRUE(runtime_.ReadText(control, 8).missing());
  }
}

TEST_F(MainWindowTest, ClientSizeIsThatOfTheClientRectangle) {
  const RECT client = Client();
  EXPECT_EQ(runtime_.ClientWidth(MainWindow), client.right);
  EXPECT_EQ(runtime_.ClientHeight(MainWindow), client.bottom);
  EXPECT_LT(client.right, 661);  // the frame takes its share
  EXPECT_EQ(runtime_.ClientWidth(按钮_刷新), 56);
}

TEST_F(MainWindowTest, MoveControlShiftsKeepingSizeAndSetsTheEdgesGiven) {
  const struct {
    vx::Place place;
    Place expected;
  } cases[] = {
      {{10, {}, {}, {}}, {10, 16, 56, 24}},
      {{{}, 30, {}, {}}, {390, 30, 56, 24}},
      {{{}, {}, 100, {}}, {390, 16, 100, 24}},
      {{{}, {}, {}, 40}, {390, 16, 56, 40}},
      {{5, 6, 7, 8}, {5, 6, 7, 8}},
      {{5, 6, -1, -1}, {5, 6, 56, 24}},  // -1 keeps the size
      {{{}, {}, -7, -9}, {390, 16, 0, 0}},
      {{}, {390, 16, 56, 24}},
  };
  HWND button = Window(按钮_刷新);
  for (const auto& test : cases) {
    MoveWindow(button, 390, 16, 56, 24, TRUE);
    runtime_.MoveControl(按钮_刷新, test.place);
    EXPECT_EQ(PlaceOf(button), test.expected);
  }
}

LRESULT CALLBACK CountPositionChanges(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                      UINT_PTR, DWORD_PTR count) {
  if (message == WM_WINDOWPOSCHANGING) ++*reinterpret_cast<int*>(count);
  return DefSubclassProc(window, message, wparam, lparam);
}

TEST_F(MainWindowTest, MoveControlToTheSamePlaceMovesNothing) {
  HWND edit = Window(编辑框_搜索框);
  int changes = 0;
  SetWindowSubclass(edit, CountPositionChanges, 1, reinterpret_cast<DWORD_PTR>(&changes));
  runtime_.MoveControl(编辑框_搜索框, {85, 16, 128, 24});
  runtime_.MoveControl(编辑框_搜索框, {{}, {}, -1, -1});
  EXPECT_EQ(changes, 0);
  runtime_.MoveControl(编辑框_搜索框, {86, 16, 128, 24});
  EXPECT_EQ(changes, 1);
  RemoveWindowSubclass(edit, CountPositionChanges, 1);
}

// ---------------------------------------------------------------------------------------------
// A window that cannot be built

TEST(OpenWindowFailure, ADefinitionThatCannotBeBuiltLeavesNothingBehind) {
  WindowDefinition broken = MainWindowDefinition();
  broken.controls = broken.controls.first(1);  // 标签2 without its parent 分组框1
  FormRuntime runtime(GetModuleHandleW(nullptr));
  EXPECT_FALSE(runtime.OpenWindow(broken));
  EXPECT_EQ(runtime.main_window(), nullptr);
  EXPECT_EQ(FindWindowW(kMainWindowClassName, nullptr), nullptr);
}

DWORD WINAPI OpenWithoutOle(void* opened) {
  FormRuntime runtime(GetModuleHandleW(nullptr));
  *static_cast<bool*>(opened) = runtime.OpenWindow(MainWindowDefinition());
  return 0;
}

TEST(OpenWindowFailure, WithoutOleTheBrowserViewCannotBeBuiltAndNothingIsLeft) {
  // A thread of its own, which has not initialised OLE: the component cannot be
  // embedded, after the window and the other eight controls have been built.
  bool opened = true;
  HANDLE thread = CreateThread(nullptr, 0, OpenWithoutOle, &opened, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  WaitForSingleObject(thread, 30000);
  CloseHandle(thread);
  EXPECT_FALSE(opened);
  EXPECT_EQ(FindWindowW(kMainWindowClassName, nullptr), nullptr);
}

// ---------------------------------------------------------------------------------------------
// Events, with a copy of the definition whose handlers record what reaches them

struct Delivery {
  Control control;
  int event;
  std::vector<int32_t> args;
  bool window_shown;
  friend bool operator==(const Delivery& a, const Delivery& b) {
    return a.control == b.control && a.event == b.event && a.args == b.args;
  }
  friend std::ostream& operator<<(std::ostream& out, const Delivery& delivery) {
    out << "{" << static_cast<int>(delivery.control) << ", " << delivery.event;
    for (int32_t arg : delivery.args) out << ", " << arg;
    return out << "}";
  }
};

std::vector<Delivery> g_deliveries;
HWND g_main_window = nullptr;
std::optional<bool> g_close_answer;

template <Control control, int event>
HandlerResult Record(Form& form, std::span<const int32_t> args) {
  g_deliveries.push_back({control,
                          event,
                          {args.begin(), args.end()},
                          g_main_window && IsWindowVisible(g_main_window)});
  if (control == MainWindow && event == window_event::kSizeChanged)
    return OnWindowSizeChanged(form, args);
  if (control == MainWindow && event == window_event::kCloseQuery) return g_close_answer;
  return std::nullopt;
}

constexpr EventBinding kRecordingBindings[] = {
    {MainWindow, window_event::kCreated, Record<MainWindow, window_event::kCreated>},
    {MainWindow, window_event::kCloseQuery, Record<MainWindow, window_event::kCloseQuery>},
    {MainWindow, window_event::kAboutToBeDestroyed,
     Record<MainWindow, window_event::kAboutToBeDestroyed>},
    {MainWindow, window_event::kMoved, Record<MainWindow, window_event::kMoved>},
    {MainWindow, window_event::kSizeChanged, Record<MainWindow, window_event::kSizeChanged>},
    {按钮_刷新, kButtonClicked, Record<按钮_刷新, kButtonClicked>},
    {按钮_搜索词条, kButtonClicked, Record<按钮_搜索词条, kButtonClicked>},
    {按钮_进入词条, kButtonClicked, Record<按钮_进入词条, kButtonClicked>},
    {标签2, kLeftButtonPressed, Record<标签2, kLeftButtonPressed>},
    {分组框1, kLeftButtonPressed, Record<分组框1, kLeftButtonPressed>},
    {状态条1, kLeftButtonPressed, Record<状态条1, kLeftButtonPressed>},
};

class WindowEventsTest : public WindowTest {
 protected:
  void SetUp() override {
    g_deliveries.clear();
    g_close_answer.reset();
    definition_ = MainWindowDefinition();
    definition_.bindings = kRecordingBindings;
    g_main_window = nullptr;
    Open(definition_);
    g_main_window = Main();
  }
  void TearDown() override {
    WindowTest::TearDown();
    g_main_window = nullptr;
  }

  WindowDefinition definition_;
};

TEST_F(WindowEventsTest, OpeningDeliversCreatedMovedAndSizeChangedFirstAndBeforeShowing) {
  // The window system's own size and move reports while building are dropped,
  // so the three come first; showing may bring reports of its own after them.
  ASSERT_GE(g_deliveries.size(), 3u);
  const std::vector<Delivery> first(g_deliveries.begin(), g_deliveries.begin() + 3);
  EXPECT_EQ(first, (std::vector<Delivery>{{MainWindow, window_event::kCreated, {}, false},
                                          {MainWindow, window_event::kMoved, {}, false},
                                          {MainWindow, window_event::kSizeChanged, {}, false}}));
  for (const auto& delivery : first) EXPECT_FALSE(delivery.window_shown);
  EXPECT_TRUE(IsWindowVisible(Main()));
}

TEST_F(WindowEventsTest, EverySizeReportIsDeliveredEvenWithAnUnchangedSize) {
  g_deliveries.clear();
  SendMessageW(Main(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(Client().right, Client().bottom));
  SendMessageW(Main(), WM_MOVE, 0, 0);
  EXPECT_EQ(g_deliveries, (std::vector<Delivery>{{MainWindow, window_event::kSizeChanged, {}, true},
                                                 {MainWindow, window_event::kMoved, {}, true}}));
}

TEST_F(WindowEventsTest, ClickingAButtonDeliversItsClick) {
  for (Control button : {按钮_刷新, 按钮_搜索词条, 按钮_进入词条}) {
    g_deliveries.clear();
    SendMessageW(Window(button), BM_CLICK, 0, 0);
    EXPECT_EQ(g_deliveries, (std::vector<Delivery>{{button, kButtonClicked, {}, true}}));
  }
}

TEST_F(WindowEventsTest, LeftButtonPressCarriesPositionAndModifierKeys) {
  const struct {
    Control control;
    WPARAM mouse_keys;
    bool alt;
    int32_t keys;
  } cases[] = {
      {标签2, 0, false, 0},          {分组框1, MK_CONTROL, false, 1},
      {状态条1, MK_SHIFT, false, 2}, {标签2, MK_CONTROL | MK_SHIFT, true, 7},
      {分组框1, 0, true, 4},
  };
  for (const auto& test : cases) {
    g_deliveries.clear();
    {
      HeldKeys held = test.alt ? HeldKeys{VK_MENU} : HeldKeys{};
      SendMessageW(Window(test.control), WM_LBUTTONDOWN, test.mouse_keys, MAKELPARAM(5, 7));
    }
    EXPECT_EQ(g_deliveries,
              (std::vector<Delivery>{{test.control, kLeftButtonPressed, {5, 7, test.keys}, true}}));
  }
}

TEST_F(WindowEventsTest, TheGroupBoxTakesThePressesOnItsOwnArea) {
  RECT group{};
  GetWindowRect(Window(分组框1), &group);
  const POINT inside_frame{group.right - 4, group.top + 20};  // right of 标签2
  EXPECT_EQ(WindowFromPoint(inside_frame), Window(分组框1));
  RECT label{};
  GetWindowRect(Window(标签2), &label);
  EXPECT_EQ(WindowFromPoint({label.left + 2, label.top + 2}), Window(标签2));
}

struct CloseCase {
  std::optional<bool> answer;
  bool closes;
};

class CloseQueryTest : public WindowEventsTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseQueryTest, OnlyAnAnswerOfFalseKeepsTheWindow) {
  g_deliveries.clear();
  g_close_answer = GetParam().answer;
  SendMessageW(Main(), WM_CLOSE, 0, 0);
  EXPECT_EQ(Main() != nullptr, !GetParam().closes);
  EXPECT_EQ(IsWindow(g_main_window) != FALSE, !GetParam().closes);
  std::vector<Delivery> expected{{MainWindow, window_event::kCloseQuery, {}, true}};
  if (GetParam().closes)
    expected.push_back({MainWindow, window_event::kAboutToBeDestroyed, {}, false});
  EXPECT_EQ(g_deliveries, expected);
  EXPECT_EQ(runtime_.component_references_left(),
            GetParam().closes ? std::optional<ULONG>(0) : std::nullopt);
  MSG quit;
  EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
      << "no quit request before the message loop runs";
}

TEST_P(CloseQueryTest, LoggingOffAsksTheSameQuestion) {
  g_deliveries.clear();
  g_close_answer = GetParam().answer;
  EXPECT_EQ(SendMessageW(Main(), WM_QUERYENDSESSION, 0, 0) != FALSE, GetParam().closes);
  EXPECT_EQ(g_deliveries,
            (std::vector<Delivery>{{MainWindow, window_event::kCloseQuery, {}, true}}));
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseQueryTest,
                         ::testing::Values(CloseCase{false, false}, CloseCase{true, true},
                                           CloseCase{std::nullopt, true}));

TEST_F(WindowEventsTest, ReleasingStopsDeliveryForGood) {
  runtime_.Release();
  g_deliveries.clear();
  EXPECT_EQ(Main(), nullptr);
  EXPECT_FALSE(runtime_.OpenWindow(definition_));
  EXPECT_TRUE(g_deliveries.empty());
  runtime_.Release();  // again: nothing left to do
}

}  // namespace
}  // namespace vx::win32::test
