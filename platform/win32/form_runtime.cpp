#include "form_runtime.h"

#include <commctrl.h>
#include <ole2.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <string>

#include "app/keyboard_order.h"
#include "app/status_parts.h"
#include "browser_view.h"
#include "control_windows.h"
#include "fatal_error_box.h"
#include "key_handling.h"
#include "res/resource.h"
#include "status_bar.h"
#include "ui/fatal_error.h"
#include "wide_text.h"

namespace vx::win32 {
namespace {

constexpr DWORD kMainWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr int kLargeIconSize = 32;
constexpr int kSmallIconSize = 16;

// The fatal-error reporter is a plain function; it reaches the runtime that registered it.
FormRuntime* g_live_runtime = nullptr;

[[noreturn]] void ReportThroughLiveRuntime(std::string_view utf8_message) {
  if (g_live_runtime) g_live_runtime->ReportFatalError(utf8_message);
  ShowFatalErrorBox(utf8_message);
  ExitProcess(static_cast<UINT>(-1));
}

// The rectangle of a child window in its parent's client coordinates.
RECT PlaceInParent(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  MapWindowPoints(HWND_DESKTOP, GetAncestor(window, GA_PARENT), reinterpret_cast<POINT*>(&place),
                  2);
  return place;
}

int32_t Saturate(int64_t value) {
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A window's text in the ANSI code page; missing when empty.
Text AnsiTextOf(HWND window) {
  if (!window) return {};
  const int length = GetWindowTextLengthA(window);  // may count more than there is
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  return Text::CopyOrMissing(std::string_view(text.data(), static_cast<size_t>(copied)));
}

int32_t ModifierKeys(WPARAM mouse_keys) {
  return ((mouse_keys & MK_CONTROL) ? 1 : 0) | ((mouse_keys & MK_SHIFT) ? 2 : 0) |
         (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

LRESULT FillWithButtonFace(HWND window, WPARAM dc) {
  RECT area;
  GetClientRect(window, &area);
  FillRect(reinterpret_cast<HDC>(dc), &area, GetSysColorBrush(COLOR_BTNFACE));
  return 1;
}

// The definition decides which controls take the focus from the keyboard, whoever made the window.
void MarkTabStop(HWND window, bool tab_stop) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR marked = tab_stop ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP};
  if (marked != style) SetWindowLongPtrW(window, GWL_STYLE, marked);
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

FormRuntime::FormRuntime(HINSTANCE instance) : instance_(instance) {
  g_live_runtime = this;
  SetFatalErrorReporter(&ReportThroughLiveRuntime);
}

FormRuntime::~FormRuntime() {
  Release();
  if (g_live_runtime == this) g_live_runtime = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Opening the window

// A runtime opens its one window once.
bool FormRuntime::OpenWindow(const WindowDefinition& definition) {
  if (released_ || definition_) return false;
  definition_ = &definition;
  keyboard_order_ = KeyboardOrder(definition);
  events_ = std::make_unique<EventDelivery>(definition, *this);
  events_->Suspend();  // what the window system reports while building is dropped
  if (!Build(definition)) {
    TearDown();
    return false;
  }
  if (status_bar_) status_bar_->Dock();
  ShowControls();
  events_->Resume();
  RaiseWhileWindowExists(window_event::kCreated);
  RaiseWhileWindowExists(window_event::kMoved);
  RaiseWhileWindowExists(window_event::kSizeChanged);
  if (main_window_) {
    ShowWindow(main_window_, SW_SHOWNORMAL);
    UpdateWindow(main_window_);
  }
  return true;
}

bool FormRuntime::Build(const WindowDefinition& definition) {
  if (!RegisterWindowClasses() || !CreateMainWindow(definition)) return false;
  for (const auto& control : definition.controls)
    if (!CreateControl(definition, control, 0)) return false;
  StackControls(definition);
  return true;
}

bool FormRuntime::RegisterWindowClasses() {
  if (!PrepareControlKinds(instance_) || !BrowserView::RegisterWindowClass(instance_)) return false;
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance_, kMainWindowClassName, &existing)) return true;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = MainWindowProc;
  window_class.hInstance = instance_;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kMainWindowClassName;
  return RegisterClassExW(&window_class) != 0;
}

bool FormRuntime::CreateMainWindow(const WindowDefinition& definition) {
  const int32_t width = definition.outer_width;
  const int32_t height = definition.outer_height;
  // Centred on the whole primary screen, work area or not; integer division truncates toward
  // zero, and a window larger than the screen starts off it.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  const std::wstring caption = WideFromUtf8(definition.caption);
  // main_window_ is set on WM_NCCREATE, so that messages sent during creation find it.
  if (!CreateWindowExW(0, kMainWindowClassName, caption.c_str(), kMainWindowStyle, left, top, width,
                       height, nullptr, nullptr, instance_, this))
    return false;
  KeepOuterSize(width, height);
  SetIcons();
  return main_window_ != nullptr;
}

void FormRuntime::KeepOuterSize(int32_t width, int32_t height) {
  RECT outer{};
  GetWindowRect(main_window_, &outer);
  if (outer.right - outer.left != width || outer.bottom - outer.top != height)
    SetWindowPos(main_window_, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormRuntime::SetIcons() {
  const auto load = [this](int size) {
    return static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(IDI_VELLUMIX), IMAGE_ICON, size, size, 0));
  };
  large_icon_.reset(load(kLargeIconSize));
  small_icon_.reset(load(kSmallIconSize));
  SendMessageW(main_window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large_icon_.get()));
  SendMessageW(main_window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
}

// A control's parent is made before the control, whatever their order in the definition.
bool FormRuntime::CreateControl(const WindowDefinition& definition,
                                const ControlDefinition& control, int depth) {
  const auto index = static_cast<size_t>(control.id);
  if (index >= controls_.size() || depth > kControlCount) return false;
  if (controls_[index]) return true;
  if (control.parent != Control::MainWindow) {
    const ControlDefinition* parent = definition.Find(control.parent);
    if (!parent || !CreateControl(definition, *parent, depth + 1)) return false;
  }
  HWND parent_window = window_of(control.parent);
  if (!parent_window) return false;
  HWND window = control.kind == ControlKind::BrowserView
                    ? CreateBrowserView(control, parent_window)
                    : CreateControlWindow(control, parent_window, instance_);
  if (!window) return false;
  controls_[index] = window;
  MarkTabStop(window, control.tab_stop);
  if (control.kind == ControlKind::StatusBar && !AttachStatusBar(definition, window)) return false;
  // Every control reports its left-button presses; the subclass goes with the window.
  return SetWindowSubclass(window, ControlSubclassProc, index, reinterpret_cast<DWORD_PTR>(this)) !=
         FALSE;
}

HWND FormRuntime::CreateBrowserView(const ControlDefinition& control, HWND parent) {
  if (browser_) return nullptr;  // the runtime holds one browser view
  const RECT place{control.left, control.top, control.left + control.width,
                   control.top + control.height};
  const Control id = control.id;
  browser_ = BrowserView::Create(
      parent, place,
      [this, id](int event, std::span<const int32_t> args) { return Raise(id, event, args); });
  if (!browser_) return nullptr;
  SendMessageW(browser_->hwnd(), WM_SETFONT,
               reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return browser_->hwnd();
}

bool FormRuntime::AttachStatusBar(const WindowDefinition& definition, HWND bar) {
  if (status_bar_) return false;  // the part definitions are those of the one status bar
  status_bar_ = std::make_unique<StatusBar>(bar);
  status_parts_ = std::make_unique<StatusParts>(definition.status_parts, *status_bar_);
  status_parts_->Apply();
  return true;
}

// Definition order is stacking order among siblings, the first on top: sending each in turn to
// the bottom leaves them in that order whatever order the windows were made in.
void FormRuntime::StackControls(const WindowDefinition& definition) {
  for (const auto& control : definition.controls)
    SetWindowPos(window_of(control.id), HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void FormRuntime::ShowControls() {
  for (HWND control : controls_)
    if (control) ShowWindow(control, SW_SHOWNA);
}

void FormRuntime::RaiseWhileWindowExists(int event) {
  if (main_window_) Raise(Control::MainWindow, event);
}

// Destroys what a failed build left: the main window takes its controls with it.
void FormRuntime::TearDown() {
  if (main_window_) DestroyWindow(main_window_);
  if (browser_) browser_->ReleaseComponent();
  browser_.reset();
  status_parts_.reset();
  status_bar_.reset();
  controls_.fill(nullptr);
}

// ---------------------------------------------------------------------------------------------
// Main window messages

LRESULT CALLBACK FormRuntime::MainWindowProc(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* runtime =
        static_cast<FormRuntime*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(runtime));
    runtime->main_window_ = window;
  }
  auto* runtime = reinterpret_cast<FormRuntime*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!runtime || runtime->main_window_ != window)
    return DefWindowProcW(window, message, wparam, lparam);
  return runtime->OnMessage(message, wparam, lparam);
}

LRESULT FormRuntime::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_MOVE:
      OnMove();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_QUERYENDSESSION:
      return OnQueryEndSession();
    case WM_ENDSESSION:
      OnEndSession(wparam != FALSE);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_NCDESTROY: {
      HWND window = main_window_;
      OnNcDestroy();
      return DefWindowProcW(window, message, wparam, lparam);
    }
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lparam));
      return 0;
    case WM_ACTIVATE:
      if (OnActivate(wparam)) return 0;
      break;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_COMMAND:
      OnCommand(wparam, lparam);
      return 0;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(Control::MainWindow, wparam, lparam);
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColor(message, wparam, lparam);
    default:
      break;
  }
  return DefWindowProcW(main_window_, message, wparam, lparam);
}

// Every size report, minimising and unchanged sizes included: the bar docks first, so that the
// layout handler finds it in its new place.
void FormRuntime::OnSize() {
  if (status_bar_) status_bar_->Dock();
  Raise(Control::MainWindow, window_event::kSizeChanged);
}

void FormRuntime::OnMove() { Raise(Control::MainWindow, window_event::kMoved); }

void FormRuntime::OnClose() {
  if (Raise(Control::MainWindow, window_event::kCloseQuery).Allows()) DestroyWindow(main_window_);
}

// Logging off or shutting the system down asks the same question as closing the window.
BOOL FormRuntime::OnQueryEndSession() {
  return Raise(Control::MainWindow, window_event::kCloseQuery).Allows() ? TRUE : FALSE;
}

void FormRuntime::OnEndSession(bool ending) {
  if (ending && main_window_) DestroyWindow(main_window_);
}

void FormRuntime::OnDestroy() {
  Raise(Control::MainWindow, window_event::kAboutToBeDestroyed);
  if (browser_) component_references_left_ = browser_->ReleaseComponent();
  // Before the loop runs nobody would take the quit request; it would only end a later loop.
  if (loop_entered_) PostQuitMessage(0);
}

void FormRuntime::OnNcDestroy() {
  SetWindowLongPtrW(main_window_, GWLP_USERDATA, 0);
  main_window_ = nullptr;
  controls_.fill(nullptr);
  remembered_focus_ = nullptr;
  if (status_bar_) status_bar_->Forget();
}

// The system would keep a sizable window within a little more than the screen; the window's own
// size stands even on a screen smaller than it.
void FormRuntime::OnGetMinMaxInfo(MINMAXINFO& limits) {
  if (!definition_) return;
  limits.ptMaxTrackSize.x = std::max<LONG>(limits.ptMaxTrackSize.x, definition_->outer_width);
  limits.ptMaxTrackSize.y = std::max<LONG>(limits.ptMaxTrackSize.y, definition_->outer_height);
}

// The focus goes back where it was when the window was deactivated. True when handled here;
// a window activated while minimised is left to the system.
bool FormRuntime::OnActivate(WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    RememberFocus();
    return true;
  }
  if (HIWORD(wparam)) return false;
  RestoreFocus();
  return true;
}

void FormRuntime::OnSetFocus() { RestoreFocus(); }

void FormRuntime::OnCommand(WPARAM wparam, LPARAM lparam) {
  if (HIWORD(wparam) != BN_CLICKED || !lparam) return;
  const auto control = ControlOfWindow(reinterpret_cast<HWND>(lparam));
  if (control && Is(*control, ControlKind::PushButton)) Raise(*control, kButtonClicked);
}

// The handler's result is not looked at; the press goes on to the window as usual.
void FormRuntime::OnLeftButtonDown(Control control, WPARAM wparam, LPARAM lparam) {
  const int32_t args[] = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), ModifierKeys(wparam)};
  Raise(control, kLeftButtonPressed, args);
}

LRESULT FormRuntime::OnControlColor(UINT message, WPARAM dc, LPARAM control_window) {
  const auto control = ControlOfWindow(reinterpret_cast<HWND>(control_window));
  const auto kind = control ? KindOf(*control) : std::nullopt;
  const auto paint = [dc](COLORREF background, HBRUSH brush) {
    SetTextColor(reinterpret_cast<HDC>(dc), RGB(0, 0, 0));
    SetBkColor(reinterpret_cast<HDC>(dc), background);
    return reinterpret_cast<LRESULT>(brush);
  };
  if (kind == ControlKind::EditBox)
    return paint(RGB(255, 255, 255), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (kind == ControlKind::GroupBox)
    return paint(GetSysColor(COLOR_BTNFACE), GetSysColorBrush(COLOR_BTNFACE));
  return DefWindowProcW(main_window_, message, dc, control_window);
}

LRESULT CALLBACK FormRuntime::ControlSubclassProc(HWND window, UINT message, WPARAM wparam,
                                                  LPARAM lparam, UINT_PTR control,
                                                  DWORD_PTR runtime_data) {
  auto* runtime = reinterpret_cast<FormRuntime*>(runtime_data);
  const auto id = static_cast<Control>(control);
  switch (message) {
    case WM_LBUTTONDOWN:
      runtime->OnLeftButtonDown(id, wparam, lparam);
      break;
    case WM_NCHITTEST:
      // A group box lets the mouse through to what lies below; this one takes its own presses.
      if (runtime->Is(id, ControlKind::GroupBox)) return HTCLIENT;
      break;
    case WM_ERASEBKGND:
      // A group box leaves its inside to its parent, which clips its children out when it
      // paints: the box fills it itself.
      if (runtime->Is(id, ControlKind::GroupBox)) return FillWithButtonFace(window, wparam);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, ControlSubclassProc, control);
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

// ---------------------------------------------------------------------------------------------
// Focus and keys

bool FormRuntime::IsInsideMainWindow(HWND window) const {
  return main_window_ && window && (window == main_window_ || IsChild(main_window_, window));
}

bool FormRuntime::IsAvailable(Control control) const {
  HWND window = window_of(control);
  return window && IsWindowVisible(window) && IsWindowEnabled(window);
}

void FormRuntime::RememberFocus() {
  HWND focus = GetFocus();
  if (focus && IsChild(main_window_, focus)) remembered_focus_ = focus;
}

void FormRuntime::RestoreFocus() {
  if (remembered_focus_ && IsWindow(remembered_focus_) && IsChild(main_window_, remembered_focus_))
    SetFocus(remembered_focus_);
  else
    FocusFirstControl();
}

// The browser view, first in the keyboard order, hands the focus on to its component.
void FormRuntime::FocusFirstControl() {
  for (Control control : keyboard_order_) {
    if (IsAvailable(control)) {
      SetFocus(window_of(control));
      return;
    }
  }
}

void FormRuntime::MoveFocus(bool forward) {
  HWND focus = GetFocus();
  if (!focus) return;
  const auto holder =
      FocusHolder(ControlOfWindow(focus), ControlOfWindow(GetAncestor(focus, GA_PARENT)));
  if (!holder) return;  // a window further down belongs to no control: the focus stays
  const auto next = NextInKeyboardOrder(keyboard_order_, *holder, forward,
                                        [this](Control control) { return IsAvailable(control); });
  if (next) SetFocus(window_of(*next));
}

bool FormRuntime::HandleKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (!definition_ || !IsInsideMainWindow(message.hwnd)) return false;
  switch (ClassifyWindowKey(message.wParam, ModifiersOf(message), definition_->esc_closes)) {
    case WindowKey::Close:
      SendMessageW(main_window_, WM_CLOSE, 0, 0);  // as the close button does
      return true;
    case WindowKey::NextControl:
      MoveFocus(true);
      return true;
    case WindowKey::PreviousControl:
      MoveFocus(false);
      return true;
    case WindowKey::None:
      break;
  }
  return false;
}

// Key messages: the main window's own keys first, then the browser component's accelerators for
// keys aimed inside it. True when the message must not be dispatched.
bool FormRuntime::PreTranslate(MSG& message) {
  if (!IsKeyMessage(message.message)) return false;
  if (HandleKey(message)) return true;
  return browser_ && browser_->Contains(message.hwnd) && browser_->TranslateAccelerator(message);
}

int FormRuntime::RunMessageLoop() {
  if (!main_window_) return 0;
  loop_entered_ = true;
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 0;  // only for invalid arguments, which these are not
    if (PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// ---------------------------------------------------------------------------------------------
// Ending

void FormRuntime::Release() {
  if (events_) events_->Stop();
  released_ = true;
  TearDown();
  small_icon_.reset();
  large_icon_.reset();
}

void FormRuntime::ShutDown(int exit_code) {
  Release();
  OleUninitialize();
  ExitProcess(static_cast<UINT>(exit_code));
}

void FormRuntime::ReportFatalError(std::string_view utf8_message) {
  // A failure while reporting (say, memory running out) ends the process at once.
  if (reporting_fatal_error_) ExitProcess(static_cast<UINT>(-1));
  reporting_fatal_error_ = true;
  if (events_) events_->Stop();
  ShowFatalErrorBox(utf8_message);
  Release();
  OleUninitialize();
  ExitProcess(static_cast<UINT>(-1));
}

// ---------------------------------------------------------------------------------------------
// Form

HWND FormRuntime::window_of(Control control) const {
  if (control == Control::MainWindow) return main_window_;
  const auto index = static_cast<size_t>(control);
  return index < controls_.size() ? controls_[index] : nullptr;
}

std::optional<Control> FormRuntime::ControlOfWindow(HWND window) const {
  if (!window) return std::nullopt;
  const auto found = std::find(controls_.begin(), controls_.end(), window);
  if (found == controls_.end()) return std::nullopt;
  return static_cast<Control>(found - controls_.begin());
}

std::optional<ControlKind> FormRuntime::KindOf(Control control) const {
  const ControlDefinition* found = definition_ ? definition_->Find(control) : nullptr;
  if (!found) return std::nullopt;
  return found->kind;
}

EventOutcome FormRuntime::Raise(Control control, int event, std::span<const int32_t> args) {
  return events_ ? events_->Raise(control, event, args) : EventOutcome{};
}

Text FormRuntime::ReadText(Control control, int property) {
  if (Is(control, ControlKind::BrowserView))
    return browser_ ? browser_->ReadProperty(property) : Text();
  if ((control == Control::MainWindow && property == property::kWindowCaption) ||
      (Is(control, ControlKind::EditBox) && property == property::kEditText))
    return AnsiTextOf(window_of(control));
  return {};
}

void FormRuntime::WriteText(Control control, int property, const Text& text) {
  if ((control == Control::MainWindow && property == property::kWindowCaption) ||
      (Is(control, ControlKind::EditBox) && property == property::kEditText)) {
    if (HWND window = window_of(control)) SetWindowTextA(window, text.c_str());
  }
}

int32_t FormRuntime::ClientWidth(Control window) {
  RECT client{};
  if (HWND handle = window_of(window)) GetClientRect(handle, &client);
  return client.right - client.left;
}

int32_t FormRuntime::ClientHeight(Control window) {
  RECT client{};
  if (HWND handle = window_of(window)) GetClientRect(handle, &client);
  return client.bottom - client.top;
}

// Works on the current rectangle in the parent's client coordinates: left and top shift it,
// keeping its size; a width or height other than -1 sets the right or bottom edge. A negative
// size other than -1 (a client area too small for the browser view) is made 0, which is what the
// window system would make of it anyway; so a repeat of the same too-small size moves nothing.
void FormRuntime::MoveControl(Control control, const Place& place) {
  HWND window = control == Control::MainWindow ? nullptr : window_of(control);
  if (!window) return;
  const RECT current = PlaceInParent(window);
  int64_t left = current.left, top = current.top;
  int64_t right = current.right, bottom = current.bottom;
  if (place.left) {
    right += *place.left - left;
    left = *place.left;
  }
  if (place.top) {
    bottom += *place.top - top;
    top = *place.top;
  }
  if (place.width && *place.width != -1) right = left + std::max<int32_t>(*place.width, 0);
  if (place.height && *place.height != -1) bottom = top + std::max<int32_t>(*place.height, 0);
  const RECT moved{Saturate(left), Saturate(top), Saturate(right), Saturate(bottom)};
  if (SameRect(moved, current)) return;
  MoveWindow(window, moved.left, moved.top, Saturate(int64_t{moved.right} - moved.left),
             Saturate(int64_t{moved.bottom} - moved.top), TRUE);
}

void FormRuntime::BrowserNavigate(Control view, const Text& address) {
  if (browser_ && Is(view, ControlKind::BrowserView)) browser_->Navigate(address);
}

void FormRuntime::BrowserCommand(Control view, int32_t number) {
  if (browser_ && Is(view, ControlKind::BrowserView)) browser_->Command(number);
}

void FormRuntime::SetStatusPartText(Control bar, int32_t part, const Text& text) {
  if (status_parts_ && Is(bar, ControlKind::StatusBar)) status_parts_->SetText(part, text);
}

void FormRuntime::SetStatusPartWidth(Control bar, int32_t part, int32_t width) {
  if (status_parts_ && Is(bar, ControlKind::StatusBar)) status_parts_->SetWidth(part, width);
}

}  // namespace vx::win32
