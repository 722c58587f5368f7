// The browser view under Wine: its window and component, the notifications it turns into events
// (played through its sink exactly as the component sends them), what it holds for handlers,
// its answers to the component, nesting, teardown and a real navigation to a loopback server.

#include "loopback_http_server.h"  // winsock2.h before windows.h

#include <windows.h>

#include <exdisp.h>
#include <exdispid.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "browser_events.h"
#include "browser_site.h"
#include "browser_view.h"
#include "com_text.h"
#include "ui/controls.h"

namespace vx::win32 {
namespace {

using test::LoopbackHttpServer;

class OleEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    // Requests must reach the loopback server directly, whatever proxy the shell has set.
    for (const wchar_t* name : {L"http_proxy", L"HTTP_PROXY", L"all_proxy", L"ALL_PROXY"})
      SetEnvironmentVariableW(name, nullptr);
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_TRUE(BrowserView::RegisterWindowClass(GetModuleHandleW(nullptr)));
  }
  void TearDown() override { OleUninitialize(); }
};
[[maybe_unused]] testing::Environment* const ole_environment =
    testing::AddGlobalTestEnvironment(new OleEnvironment);

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Pumps messages until the handle is signalled or the time is up.
bool PumpUntil(HANDLE handle, DWORD milliseconds) {
  const DWORD end = GetTickCount() + milliseconds;
  for (;;) {
    Pump();
    const auto left = static_cast<LONG>(end - GetTickCount());
    if (left <= 0) return false;
    if (MsgWaitForMultipleObjects(1, &handle, FALSE, static_cast<DWORD>(left), QS_ALLINPUT) ==
        WAIT_OBJECT_0)
      return true;
  }
}

void PumpFor(DWORD milliseconds) {
  HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  PumpUntil(never, milliseconds);
  CloseHandle(never);
}

std::string Bytes(const Text& text) {
  return text.missing() ? "<missing>" : std::string(text.view());
}

// One raised event, with what the view's properties read while it ran.
struct Raised {
  int event;
  std::vector<int32_t> args;
  std::string url, status_text, caption;
};

// Records events and answers them with a configurable outcome; `during` runs inside each event.
class Recorder {
 public:
  BrowserEventRaiser Raiser() {
    return [this](int event, std::span<const int32_t> args) {
      Raised raised{event, {args.begin(), args.end()}, {}, {}, {}};
      if (view) {
        raised.url = Bytes(view->ReadProperty(property::kBrowserUrl));
        raised.status_text = Bytes(view->ReadProperty(property::kBrowserStatusText));
        raised.caption = Bytes(view->ReadProperty(property::kBrowserCaption));
      }
      events.push_back(raised);
      if (during) during(event);
      return outcome;
    };
  }
  std::vector<int> Numbers() const {
    std::vector<int> numbers;
    for (const auto& raised : events) numbers.push_back(raised.event);
    return numbers;
  }
  bool Saw(int event) const {
    return std::any_of(events.begin(), events.end(),
                       [event](const Raised& raised) { return raised.event == event; });
  }

  BrowserView* view = nullptr;
  EventOutcome outcome;
  std::function<void(int event)> during;
  std::vector<Raised> events;
};

// --- Notifications as the component sends them: declared order in, reversed into DISPPARAMS

VARIANT Empty() {
  VARIANT variant;
  VariantInit(&variant);
  return variant;
}
VARIANT Int32(LONG value) {
  VARIANT variant = Empty();
  V_VT(&variant) = VT_I4;
  V_I4(&variant) = value;
  return variant;
}
VARIANT Bool(VARIANT_BOOL value) {
  VARIANT variant = Empty();
  V_VT(&variant) = VT_BOOL;
  V_BOOL(&variant) = value;
  return variant;
}
VARIANT String(BSTR value) {  // borrowed
  VARIANT variant = Empty();
  V_VT(&variant) = VT_BSTR;
  V_BSTR(&variant) = value;
  return variant;
}
VARIANT Dispatch(IDispatch* value) {
  VARIANT variant = Empty();
  V_VT(&variant) = VT_DISPATCH;
  V_DISPATCH(&variant) = value;
  return variant;
}
VARIANT Ref(VARIANT* value) {
  VARIANT variant = Empty();
  V_VT(&variant) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&variant) = value;
  return variant;
}
VARIANT BoolRef(VARIANT_BOOL* value) {
  VARIANT variant = Empty();
  V_VT(&variant) = VT_BYREF | VT_BOOL;
  V_BOOLREF(&variant) = value;
  return variant;
}

HRESULT Notify(IDispatch* sink, DISPID id, std::vector<VARIANT> declared) {
  std::reverse(declared.begin(), declared.end());
  DISPPARAMS params{declared.empty() ? nullptr : declared.data(), nullptr,
                    static_cast<UINT>(declared.size()), 0};
  return sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                      nullptr);
}

constexpr VARIANT_BOOL kUntouched = 0x5A5A;

// BeforeNavigate2(dispatch, &URL, &flags, &target, &post data, &headers, &cancel); the cancel
// flag that the view wrote back.
VARIANT_BOOL BeforeNavigate(IDispatch* sink, const wchar_t* address) {
  UniqueBstr url(address);
  VARIANT url_value = String(url.get()), flags = Int32(0), target = String(nullptr),
          post_data = Empty(), headers = String(nullptr);
  VARIANT_BOOL cancel = kUntouched;
  EXPECT_EQ(Notify(sink, DISPID_BEFORENAVIGATE2,
                   {Dispatch(nullptr), Ref(&url_value), Ref(&flags), Ref(&target), Ref(&post_data),
                    Ref(&headers), BoolRef(&cancel)}),
            S_OK);
  return cancel;
}

// NewWindow2(&new browser object, &cancel); also checks the object is left alone.
VARIANT_BOOL NewWindow(IDispatch* sink) {
  IDispatch* const marker = reinterpret_cast<IDispatch*>(0x1234);
  IDispatch* new_browser = marker;
  VARIANT place = Empty();
  V_VT(&place) = VT_BYREF | VT_DISPATCH;
  V_DISPATCHREF(&place) = &new_browser;
  VARIANT_BOOL cancel = kUntouched;
  EXPECT_EQ(Notify(sink, DISPID_NEWWINDOW2, {place, BoolRef(&cancel)}), S_OK);
  EXPECT_EQ(new_browser, marker);
  return cancel;
}

void WithAddress(IDispatch* sink, DISPID id, const wchar_t* address) {
  UniqueBstr url(address);
  VARIANT url_value = String(url.get());
  EXPECT_EQ(Notify(sink, id, {Dispatch(nullptr), Ref(&url_value)}), S_OK);
}

void WithText(IDispatch* sink, DISPID id, const wchar_t* text) {  // null: a missing text
  UniqueBstr held = text ? UniqueBstr(text) : UniqueBstr();
  EXPECT_EQ(Notify(sink, id, {String(held.get())}), S_OK);
}

void Progress(IDispatch* sink, LONG progress, LONG maximum) {
  EXPECT_EQ(Notify(sink, DISPID_PROGRESSCHANGE, {Int32(progress), Int32(maximum)}), S_OK);
}

void CommandState(IDispatch* sink, LONG command, VARIANT_BOOL enable) {
  EXPECT_EQ(Notify(sink, DISPID_COMMANDSTATECHANGE, {Int32(command), Bool(enable)}), S_OK);
}

// --- The fixture: a hidden top-level parent with one view in it

class BrowserViewTest : public testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExW(0, L"STATIC", L"browser view test", WS_OVERLAPPEDWINDOW, 0, 0, 640,
                              480, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    view_ = BrowserView::Create(parent_, RECT{0, 50, 400, 350}, recorder_.Raiser());
    ASSERT_NE(view_, nullptr);
    recorder_.view = view_.get();
    sink_ = view_->event_sink();
    ASSERT_NE(sink_, nullptr);
  }
  void TearDown() override {
    recorder_.view = nullptr;
    view_.reset();
    if (parent_) DestroyWindow(parent_);
    Pump();
  }

  HWND parent_ = nullptr;
  Recorder recorder_;
  std::unique_ptr<BrowserView> view_;
  IDispatch* sink_ = nullptr;
};

// --- Which notification raises which event

TEST_F(BrowserViewTest, EachNotificationRaisesItsEventOrNone) {
  struct Case {
    const char* name;
    std::function<void(IDispatch*)> notify;
    std::optional<int> event;
  };
  const Case cases[] = {
      {"BeforeNavigate2", [](IDispatch* s) { BeforeNavigate(s, L"http://a/"); }, 0},
      {"NavigateComplete2", [](IDispatch* s) { WithAddress(s, DISPID_NAVIGATECOMPLETE2, L"x"); },
       1},
      {"DownloadBegin", [](IDispatch* s) { Notify(s, DISPID_DOWNLOADBEGIN, {}); }, 2},
      {"ProgressChange", [](IDispatch* s) { Progress(s, 1, 2); }, 3},
      {"DownloadComplete", [](IDispatch* s) { Notify(s, DISPID_DOWNLOADCOMPLETE, {}); }, 4},
      {"DocumentComplete", [](IDispatch* s) { WithAddress(s, DISPID_DOCUMENTCOMPLETE, L"x"); }, 5},
      {"StatusTextChange", [](IDispatch* s) { WithText(s, DISPID_STATUSTEXTCHANGE, L"s"); }, 6},
      {"TitleChange", [](IDispatch* s) { WithText(s, DISPID_TITLECHANGE, L"t"); }, 7},
      {"CommandStateChange", [](IDispatch* s) { CommandState(s, 1, VARIANT_TRUE); }, 8},
      {"NewWindow2", [](IDispatch* s) { NewWindow(s); }, 9},
      {"PropertyChange",
       [](IDispatch* s) {
         UniqueBstr name(L"p");
         EXPECT_EQ(Notify(s, DISPID_PROPERTYCHANGE, {String(name.get())}), S_OK);
       },
       std::nullopt},
      {"OnQuit", [](IDispatch* s) { EXPECT_EQ(Notify(s, DISPID_ONQUIT, {}), S_OK); }, std::nullopt},
      {"OnVisible",
       [](IDispatch* s) { EXPECT_EQ(Notify(s, DISPID_ONVISIBLE, {Bool(VARIANT_TRUE)}), S_OK); },
       std::nullopt},
      {"NavigateError (unknown here)", [](IDispatch* s) { EXPECT_EQ(Notify(s, 271, {}), S_OK); },
       std::nullopt},
      {"DISPID 0", [](IDispatch* s) { EXPECT_EQ(Notify(s, 0, {}), S_OK); }, std::nullopt},
      {"DISPID -1", [](IDispatch* s) { EXPECT_EQ(Notify(s, -1, {}), S_OK); }, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    recorder_.events.clear();
    c.notify(sink_);
    if (c.event)
      EXPECT_EQ(recorder_.Numbers(), std::vector<int>{*c.event});
    else
      EXPECT_TRUE(recorder_.events.empty());
  }
}

TEST_F(BrowserViewTest, ProgressIsARoundedPercentageAndFullWithoutAMaximum) {
  const struct {
    LONG progress, maximum;
    int32_t percentage;
  } cases[] = {{1, 3, 33},      {2, 3, 67},  {1, 2, 50},  {0, 100, 0},
               {100, 100, 100}, {5, 0, 100}, {0, 0, 100}, {3000000, 6000000, 50}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.progress << "/" << c.maximum);
    recorder_.events.clear();
    Progress(sink_, c.progress, c.maximum);
    ASSERT_EQ(recorder_.Numbers(), std::vector<int>{browser_event::载入进度改变});
    EXPECT_EQ(recorder_.events[0].args, std::vector<int32_t>{c.percentage});
  }
}

TEST_F(BrowserViewTest, OnlyForwardAndBackCommandStatesAreRaised) {
  const struct {
    LONG command;
    VARIANT_BOOL enable;
    std::optional<std::vector<int32_t>> args;
  } cases[] = {
      {1, VARIANT_TRUE, std::vector<int32_t>{0, 1}},
      {1, VARIANT_FALSE, std::vector<int32_t>{0, 0}},
      {2, VARIANT_TRUE, std::vector<int32_t>{1, 1}},
      {2, VARIANT_FALSE, std::vector<int32_t>{1, 0}},
      {2, 5, std::vector<int32_t>{1, 1}},
      {-1, VARIANT_TRUE, std::nullopt},
      {0, VARIANT_TRUE, std::nullopt},
      {3, VARIANT_TRUE, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "command " << c.command << " enable " << c.enable);
    recorder_.events.clear();
    CommandState(sink_, c.command, c.enable);
    if (!c.args) {
      EXPECT_TRUE(recorder_.events.empty());
      continue;
    }
    ASSERT_EQ(recorder_.Numbers(), std::vector<int>{browser_event::命令状态被改变});
    EXPECT_EQ(recorder_.events[0].args, *c.args);
  }
}

// --- The answer to the component: cancel only on a handler's explicit false

TEST_F(BrowserViewTest, CancelFlagFollowsTheHandlersResult) {
  const struct {
    const char* name;
    EventOutcome outcome;
    VARIANT_BOOL cancel;
  } cases[] = {
      {"no handler", EventOutcome{false, std::nullopt}, VARIANT_FALSE},
      {"no value", EventOutcome{true, std::nullopt}, VARIANT_FALSE},
      {"true", EventOutcome{true, true}, VARIANT_FALSE},
      {"false", EventOutcome{true, false}, VARIANT_TRUE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    recorder_.outcome = c.outcome;
    EXPECT_EQ(BeforeNavigate(sink_, L"http://a/"), c.cancel);
    EXPECT_EQ(NewWindow(sink_), c.cancel);
  }
}

// --- What the view holds for its handlers

TEST_F(BrowserViewTest, StatusTextIsKeptInTheAnsiCodePageUntilTheNextOne) {
  EXPECT_EQ(Bytes(view_->ReadProperty(property::kBrowserStatusText)), "<missing>");
  WithText(sink_, DISPID_STATUSTEXTCHANGE, L"词条");
  ASSERT_EQ(recorder_.events.size(), 1u);
  EXPECT_EQ(recorder_.events[0].status_text, "\xB4\xCA\xCC\xF5");  // already there in the event
  EXPECT_EQ(Bytes(view_->ReadProperty(property::kBrowserStatusText)), "\xB4\xCA\xCC\xF5");

  // Other notifications leave it alone.
  BeforeNavigate(sink_, L"http://b/");
  WithText(sink_, DISPID_TITLECHANGE, L"t");
  EXPECT_EQ(Bytes(view_->ReadProperty(property::kBrowserStatusText)), "\xB4\xCA\xCC\xF5");

  WithText(sink_, DISPID_STATUSTEXTCHANGE, L"");
  EXPECT_EQ(Bytes(view_->ReadProperty(property::kBrowserStatusText)), "<missing>");
  WithText(sink_, DISPID_STATUSTEXTCHANGE, L"http://c/");
  WithText(sink_, DISPID_STATUSTEXTCHANGE, nullptr);  // a missing text counts as empty
  EXPECT_EQ(Bytes(view_->ReadProperty(property::kBrowserStatusText)), "<missing>");
  EXPECT_EQ(recorder_.events.back().status_text, "<missing>");
}

TEST_F(BrowserViewTest, TitleIsHeldOnlyWhileItsEventRuns) {
  // No page: outside the event the caption is the component's location name, empty here.
  const std::string location = Bytes(view_->ReadProperty(property::kBrowserCaption));
  WithText(sink_, DISPID_TITLECHANGE, L"词条 - 百科");
  ASSERT_EQ(recorder_.events.size(), 1u);
  EXPECT_EQ(recorder_.events[0].caption, "\xB4\xCA\xCC\xF5 - \xB0\xD9\xBF\xC6");
  EXPECT_EQ(Bytes(view_->ReadProperty(property::kBrowserCaption)), location);

  WithText(sink_, DISPID_TITLECHANGE, L"");  // a page without a title
  EXPECT_EQ(recorder_.events.back().caption, "<missing>");
}

TEST_F(BrowserViewTest, AddressIsHeldWhileNavigationEventsRun) {
  BeforeNavigate(sink_, L"http://a/?word=%B4%CA");
  WithAddress(sink_, DISPID_NAVIGATECOMPLETE2, L"http://b/");
  WithAddress(sink_, DISPID_DOCUMENTCOMPLETE, L"http://c/词");
  Notify(sink_, DISPID_DOWNLOADBEGIN, {});
  ASSERT_EQ(recorder_.events.size(), 4u);
  EXPECT_EQ(recorder_.events[0].url, "http://a/?word=%B4%CA");
  EXPECT_EQ(recorder_.events[1].url, "http://b/");
  EXPECT_EQ(recorder_.events[2].url, "http://c/\xB4\xCA");
  EXPECT_EQ(recorder_.events[3].url, "<missing>");
  EXPECT_EQ(Bytes(view_->ReadProperty(property::kBrowserUrl)), "<missing>");
}

TEST_F(BrowserViewTest, OtherPropertiesReadAsMissing) {
  for (int number : {-1, 0, 8, 9, 10, 14})
    EXPECT_TRUE(view_->ReadProperty(number).missing()) << number;
}

// --- Notifications that are not what they should be raise nothing and harm nothing

TEST_F(BrowserViewTest, MalformedNotificationsRaiseNothing) {
  UniqueBstr text(L"x");
  VARIANT_BOOL cancel = kUntouched;
  VARIANT url = String(text.get());
  VARIANT null_ref = Empty();
  V_VT(&null_ref) = VT_BYREF | VT_VARIANT;  // by reference, to nothing
  VARIANT null_bool_ref = BoolRef(nullptr);
  VARIANT null_bstr_ref = Empty();
  V_VT(&null_bstr_ref) = VT_BYREF | VT_BSTR;
  const struct {
    const char* name;
    DISPID id;
    std::vector<VARIANT> declared;
  } cases[] = {
      {"BeforeNavigate2, too few",
       DISPID_BEFORENAVIGATE2,
       {Dispatch(nullptr), Ref(&url), BoolRef(&cancel)}},
      {"BeforeNavigate2, cancel by value",
       DISPID_BEFORENAVIGATE2,
       {Dispatch(nullptr), Ref(&url), Int32(0), Empty(), Empty(), Empty(), Bool(VARIANT_FALSE)}},
      {"BeforeNavigate2, cancel to nothing",
       DISPID_BEFORENAVIGATE2,
       {Dispatch(nullptr), Ref(&url), Int32(0), Empty(), Empty(), Empty(), null_bool_ref}},
      {"BeforeNavigate2, URL a number",
       DISPID_BEFORENAVIGATE2,
       {Dispatch(nullptr), Int32(5), Int32(0), Empty(), Empty(), Empty(), BoolRef(&cancel)}},
      {"BeforeNavigate2, URL by reference to nothing",
       DISPID_BEFORENAVIGATE2,
       {Dispatch(nullptr), null_ref, Int32(0), Empty(), Empty(), Empty(), BoolRef(&cancel)}},
      {"NavigateComplete2, no URL", DISPID_NAVIGATECOMPLETE2, {Dispatch(nullptr)}},
      {"DocumentComplete, URL empty variant",
       DISPID_DOCUMENTCOMPLETE,
       {Dispatch(nullptr), Empty()}},
      {"ProgressChange, one argument", DISPID_PROGRESSCHANGE, {Int32(1)}},
      {"ProgressChange, a text", DISPID_PROGRESSCHANGE, {Int32(1), String(text.get())}},
      {"StatusTextChange, none", DISPID_STATUSTEXTCHANGE, {}},
      {"StatusTextChange, a number", DISPID_STATUSTEXTCHANGE, {Int32(1)}},
      {"StatusTextChange, BSTR by reference to nothing", DISPID_STATUSTEXTCHANGE, {null_bstr_ref}},
      {"TitleChange, none", DISPID_TITLECHANGE, {}},
      {"CommandStateChange, one argument", DISPID_COMMANDSTATECHANGE, {Int32(1)}},
      {"CommandStateChange, enable a number", DISPID_COMMANDSTATECHANGE, {Int32(1), Int32(1)}},
      {"NewWindow2, too few", DISPID_NEWWINDOW2, {BoolRef(&cancel)}},
      {"NewWindow2, cancel by value", DISPID_NEWWINDOW2, {Dispatch(nullptr), Bool(VARIANT_TRUE)}},
  };
  WithText(sink_, DISPID_STATUSTEXTCHANGE, L"kept");
  recorder_.events.clear();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Notify(sink_, c.id, c.declared), S_OK);
  }
  EXPECT_TRUE(recorder_.events.empty());
  EXPECT_EQ(cancel, kUntouched);
  EXPECT_EQ(Bytes(view_->ReadProperty(property::kBrowserStatusText)), "kept");

  // No parameters at all, or a count without the arguments.
  for (DISPID id : {DISPID_BEFORENAVIGATE2, DISPID_STATUSTEXTCHANGE, DISPID_NEWWINDOW2}) {
    EXPECT_EQ(sink_->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
              S_OK);
    DISPPARAMS hollow{nullptr, nullptr, 7, 0};
    EXPECT_EQ(sink_->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &hollow, nullptr, nullptr, nullptr),
              S_OK);
  }
  EXPECT_TRUE(recorder_.events.empty());
}

// --- Nesting: a handler that navigates sees further events inside its own

TEST_F(BrowserViewTest, NestedEventsLeaveTheOuterEventsTextsInPlace) {
  std::vector<std::string> seen;
  recorder_.during = [&](int event) {
    auto read = [&](int number) { seen.push_back(Bytes(view_->ReadProperty(number))); };
    if (event == browser_event::即将打开新窗口) {
      BeforeNavigate(sink_, L"http://inner/");  // as Navigate would, from inside NewWindow2
      WithText(sink_, DISPID_TITLECHANGE, L"inner title");
      read(property::kBrowserUrl);
    } else if (event == browser_event::即将跳转 && recorder_.events.size() == 1) {
      // An outer BeforeNavigate2 whose handler causes a title change and a nested navigation.
      WithText(sink_, DISPID_TITLECHANGE, L"title");
      read(property::kBrowserUrl);
      NewWindow(sink_);
      read(property::kBrowserUrl);
    } else if (event == browser_event::标题被改变 && recorder_.events.back().caption == "title") {
      WithText(sink_, DISPID_TITLECHANGE, L"nested title");
      read(property::kBrowserCaption);
    }
  };
  recorder_.outcome = EventOutcome{true, false};
  EXPECT_EQ(BeforeNavigate(sink_, L"http://outer/"), VARIANT_TRUE);

  EXPECT_EQ(recorder_.Numbers(), (std::vector<int>{0, 7, 7, 9, 0, 7}));
  EXPECT_EQ(recorder_.events[2].caption, "nested title");
  EXPECT_EQ(recorder_.events[4].url, "http://inner/");
  EXPECT_EQ(recorder_.events[5].caption, "inner title");
  EXPECT_EQ(recorder_.events[5].url, "http://outer/");  // NewWindow2 carries none of its own
  EXPECT_EQ(seen,
            (std::vector<std::string>{"title", "http://outer/", "http://outer/", "http://outer/"}));
  EXPECT_EQ(Bytes(view_->ReadProperty(property::kBrowserUrl)), "<missing>");
  EXPECT_NE(Bytes(view_->ReadProperty(property::kBrowserCaption)), "title");
}

TEST_F(BrowserViewTest, AHandlerThatNavigatesInsideNewWindowReachesTheComponent) {
  recorder_.during = [&](int event) {
    if (event == browser_event::即将打开新窗口) view_->Navigate(Text::Copy("http://127.0.0.1:9/x"));
  };
  recorder_.outcome = EventOutcome{true, false};
  EXPECT_EQ(NewWindow(sink_), VARIANT_TRUE);
  // The component announces the navigation before Navigate returns, so inside the handler.
  ASSERT_GE(recorder_.events.size(), 2u);
  EXPECT_EQ(recorder_.events[0].event, browser_event::即将打开新窗口);
  EXPECT_EQ(recorder_.events[1].event, browser_event::即将跳转);
  EXPECT_EQ(recorder_.events[1].url, "http://127.0.0.1:9/x");
  view_->Command(5);  // stop, so nothing more arrives after the test
}

TEST_F(BrowserViewTest, AHandlerMayTearTheViewDownInsideAnEvent) {
  recorder_.during = [&](int event) {
    if (event == browser_event::标题被改变) {
      EXPECT_EQ(view_->ReleaseComponent(), 0u);
      DestroyWindow(view_->hwnd());
    }
  };
  IDispatch* sink = view_->event_sink();
  sink->AddRef();  // as the component would hold it
  WithText(sink, DISPID_TITLECHANGE, L"t");
  EXPECT_EQ(recorder_.Numbers(), std::vector<int>{browser_event::标题被改变});
  EXPECT_EQ(view_->hwnd(), nullptr);
  EXPECT_EQ(view_->event_sink(), nullptr);

  // A late notification finds no view and raises nothing.
  WithText(sink, DISPID_STATUSTEXTCHANGE, L"late");
  EXPECT_EQ(BeforeNavigate(sink, L"http://late/"), kUntouched);
  EXPECT_EQ(recorder_.events.size(), 1u);
  EXPECT_EQ(sink->Release(), 0u);
}

// --- The window and the component in it

BOOL CALLBACK KeepIfComponentWindow(HWND window, LPARAM result) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (std::wstring(name) != L"Shell Embedding") return TRUE;
  *reinterpret_cast<HWND*>(result) = window;
  return FALSE;
}

HWND FindComponentWindow(HWND view) {
  HWND found = nullptr;
  EnumChildWindows(view, KeepIfComponentWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST_F(BrowserViewTest, TheComponentFillsTheViewAndTakesItsFocus) {
  HWND view = view_->hwnd();
  wchar_t name[64] = {};
  GetClassNameW(view, name, 64);
  EXPECT_EQ(GetParent(view), parent_);
  EXPECT_FALSE(IsWindowVisible(view));  // shown by its owner, not by itself
  EXPECT_EQ(GetClassLongPtrW(view, GCLP_HBRBACKGROUND),
            reinterpret_cast<ULONG_PTR>(GetStockObject(WHITE_BRUSH)));

  HWND component = FindComponentWindow(view);
  ASSERT_NE(component, nullptr);
  EXPECT_TRUE(view_->Contains(view));
  EXPECT_TRUE(view_->Contains(component));
  EXPECT_FALSE(view_->Contains(parent_));
  EXPECT_FALSE(view_->Contains(nullptr));

  ShowWindow(parent_, SW_SHOWNA);
  ShowWindow(view, SW_SHOWNA);
  MoveWindow(view, 10, 60, 333, 222, TRUE);
  Pump();
  RECT area{};
  GetWindowRect(component, &area);
  EXPECT_EQ(area.right - area.left, 333);
  EXPECT_EQ(area.bottom - area.top, 222);

  SetForegroundWindow(parent_);
  SetFocus(view);
  Pump();
  HWND focus = GetFocus();
  EXPECT_TRUE(focus == component || IsChild(component, focus)) << focus;
}

TEST_F(BrowserViewTest, KeysAreOfferedOnlyWhenAimedInsideTheComponent) {
  MSG key{view_->hwnd(), WM_KEYDOWN, VK_F5, 0, 0, {}};
  EXPECT_FALSE(view_->TranslateAccelerator(key));  // the view's own window
  key.hwnd = parent_;
  EXPECT_FALSE(view_->TranslateAccelerator(key));
  MSG not_a_key{FindComponentWindow(view_->hwnd()), WM_PAINT, 0, 0, 0, {}};
  EXPECT_FALSE(view_->TranslateAccelerator(not_a_key));
  key.hwnd = FindComponentWindow(view_->hwnd());
  view_->TranslateAccelerator(key);  // whatever the component answers, it must not break
}

// --- Teardown: nothing of ours outlives the component

TEST_F(BrowserViewTest, ReleasingTheComponentLetsItGoAndIsIdempotent) {
  recorder_.events.clear();
  EXPECT_EQ(view_->ReleaseComponent(), 0u);
  EXPECT_EQ(view_->web_browser(), nullptr);
  EXPECT_EQ(view_->event_sink(), nullptr);
  EXPECT_EQ(BrowserSite::live_objects(), 0);
  EXPECT_EQ(BrowserEventSink::live_objects(), 0);
  EXPECT_EQ(view_->ReleaseComponent(), 0u);

  // Operations on a view without its component do nothing.
  view_->Navigate(Text::Copy("http://127.0.0.1:9/"));
  for (int32_t number = -1; number <= 10; ++number) view_->Command(number);
  EXPECT_TRUE(view_->ReadProperty(property::kBrowserCaption).missing());
  EXPECT_TRUE(recorder_.events.empty());
  EXPECT_NE(view_->hwnd(), nullptr);  // the window stays until the view goes
}

TEST_F(BrowserViewTest, DestroyingTheWindowReleasesTheComponent) {
  DestroyWindow(view_->hwnd());
  EXPECT_EQ(view_->hwnd(), nullptr);
  EXPECT_EQ(view_->web_browser(), nullptr);
  EXPECT_EQ(BrowserSite::live_objects(), 0);
  EXPECT_EQ(BrowserEventSink::live_objects(), 0);
  EXPECT_EQ(view_->ReleaseComponent(), 0u);
}

struct CreationOutcome {
  bool created = true;
  bool parent_has_children = true;
};

// Runs on a thread that never initialised COM, so the component cannot be created.
DWORD WINAPI CreateViewWithoutOle(void* result) {
  auto& outcome = *static_cast<CreationOutcome*>(result);
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  auto view = BrowserView::Create(parent, RECT{0, 0, 50, 50}, {});
  outcome.created = view != nullptr;
  outcome.parent_has_children = GetWindow(parent, GW_CHILD) != nullptr;
  view.reset();
  DestroyWindow(parent);
  return 0;
}

TEST(BrowserViewCreation, FailsCleanlyWhenTheComponentCannotBeCreated) {
  CreationOutcome outcome;
  HANDLE thread = CreateThread(nullptr, 0, CreateViewWithoutOle, &outcome, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  WaitForSingleObject(thread, 30000);
  CloseHandle(thread);
  EXPECT_FALSE(outcome.created);
  EXPECT_FALSE(outcome.parent_has_children);  // the view's window went with the failure
  EXPECT_EQ(BrowserSite::live_objects(), 0);
  EXPECT_EQ(BrowserEventSink::live_objects(), 0);
}

// --- A real navigation, to a server on the loopback interface

TEST_F(BrowserViewTest, NavigateSendsTheAddressByteForByteAndReportsProgress) {
  LoopbackHttpServer server;
  ASSERT_TRUE(server.running());
  const std::string address =
      "http://127.0.0.1:" + std::to_string(server.port()) + "/searchword/?word=%B4%CA";

  ShowWindow(parent_, SW_SHOWNA);
  ShowWindow(view_->hwnd(), SW_SHOWNA);
  view_->Navigate(Text::Copy(address));
  ASSERT_TRUE(PumpUntil(server.request_arrived(), 20000)) << "no request arrived";
  EXPECT_EQ(server.request_lines(),
            std::vector<std::string>{"GET /searchword/?word=%B4%CA HTTP/1.1"});
  PumpFor(500);  // the rest of the notifications

  ASSERT_FALSE(recorder_.events.empty());
  EXPECT_EQ(recorder_.events[0].event, browser_event::即将跳转);
  EXPECT_EQ(recorder_.events[0].url, address);
  EXPECT_TRUE(recorder_.Saw(browser_event::命令状态被改变));
  EXPECT_TRUE(recorder_.Saw(browser_event::状态文本被改变));

  // Numbers outside 0-9 do nothing. Refresh (4) reaches the component, but Wine's, without an
  // HTML engine, has no document to reload: it sends nothing (the end-to-end tests see the call in
  // the component's trace).
  for (int32_t number : {-1, 10, 1000, INT32_MIN}) view_->Command(number);
  view_->Command(4);
  EXPECT_FALSE(PumpUntil(server.request_arrived(), 500));
  EXPECT_EQ(server.request_lines().size(), 1u);
}

TEST_F(BrowserViewTest, CommandsWithoutAPageDoNothing) {
  // No history to go back or forward in, no document to save, print or set up; home and search
  // (2, 3) would leave the machine and are left to the component.
  for (int32_t number : {0, 1, 4, 5, 6, 7, 8, 9, -1, 10}) view_->Command(number);
  PumpFor(200);
  EXPECT_TRUE(recorder_.events.empty());
}

TEST_F(BrowserViewTest, ARefusedNavigationSendsNoRequest) {
  LoopbackHttpServer server;
  ASSERT_TRUE(server.running());
  recorder_.outcome = EventOutcome{true, false};
  view_->Navigate(Text::Copy("http://127.0.0.1:" + std::to_string(server.port()) + "/no"));
  EXPECT_FALSE(PumpUntil(server.request_arrived(), 2000));
  EXPECT_EQ(recorder_.Numbers().at(0), browser_event::即将跳转);
}

}  // namespace
}  // namespace vx::win32
