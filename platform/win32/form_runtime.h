#pragma once
// The form runtime on Win32: builds the main window and its controls from a window definition,
// delivers their events to the bound handlers, runs the message loop and shuts down.

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/event_delivery.h"
#include "ui/form.h"
#include "ui/window_definition.h"
#include "unique_handle.h"

namespace vx {
class StatusParts;
}

namespace vx::win32 {

class BrowserView;
class StatusBar;

inline constexpr wchar_t kMainWindowClassName[] = L"VellumixMainWindow";

class FormRuntime final : public Form {
 public:
  // Registers itself as the program's fatal-error reporter.
  explicit FormRuntime(HINSTANCE instance);
  ~FormRuntime() override;  // releases whatever is still held (see Release)

  FormRuntime(const FormRuntime&) = delete;
  FormRuntime& operator=(const FormRuntime&) = delete;

  // Builds the window with delivery suspended, raises created, moved and size changed, shows it.
  // False, with nothing left behind, when the window or a control cannot be built. A runtime
  // opens one window, once.
  bool OpenWindow(const WindowDefinition& definition);
  // Until the quit request; returns its code. Key-downs pass through HandleKey first.
  int RunMessageLoop();
  // The main window's key handling; true when the message was consumed.
  bool HandleKey(const MSG& message);

  // Stops event delivery for good, destroys the windows and releases the components and icons.
  // Idempotent.
  void Release();
  [[noreturn]] void ShutDown(int exit_code);  // Release, OleUninitialize, exit
  // Reports through a message box, releases and exits with -1. Registered as the program's
  // fatal-error reporter while this runtime exists.
  [[noreturn]] void ReportFatalError(std::string_view utf8_message);

  HWND main_window() const { return main_window_; }
  HWND window_of(Control control) const;
  // The control whose own window this is; nothing for the main window and for windows deeper
  // down, such as those of the browser component.
  std::optional<Control> ControlOfWindow(HWND window) const;
  BrowserView* browser() const { return browser_.get(); }
  // What the browser component's final Release returned when the window was destroyed (0 when
  // nothing else still held it); nothing before.
  std::optional<ULONG> component_references_left() const { return component_references_left_; }
  EventDelivery* events() const { return events_.get(); }

  // Form
  Text ReadText(Control control, int property) override;
  void WriteText(Control control, int property, const Text& text) override;
  int32_t ClientWidth(Control window) override;
  int32_t ClientHeight(Control window) override;
  void MoveControl(Control control, const Place& place) override;
  void BrowserNavigate(Control view, const Text& address) override;
  void BrowserCommand(Control view, int32_t number) override;
  void SetStatusPartText(Control bar, int32_t part, const Text& text) override;
  void SetStatusPartWidth(Control bar, int32_t part, int32_t width) override;

 private:
  static LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ControlSubclassProc(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam, UINT_PTR control, DWORD_PTR runtime);

  // Building
  bool Build(const WindowDefinition& definition);
  bool RegisterWindowClasses();
  bool CreateMainWindow(const WindowDefinition& definition);
  void KeepOuterSize(int32_t width, int32_t height);
  void SetIcons();
  bool CreateControl(const WindowDefinition& definition, const ControlDefinition& control,
                     int depth);
  HWND CreateBrowserView(const ControlDefinition& control, HWND parent);
  bool AttachStatusBar(const WindowDefinition& definition, HWND bar);
  void StackControls(const WindowDefinition& definition);
  void ShowControls();
  void RaiseWhileWindowExists(int event);
  void TearDown();

  // Main window messages
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnSize();
  void OnMove();
  void OnClose();
  BOOL OnQueryEndSession();
  void OnEndSession(bool ending);
  void OnDestroy();
  void OnNcDestroy();
  void OnGetMinMaxInfo(MINMAXINFO& limits);
  bool OnActivate(WPARAM wparam);
  void OnSetFocus();
  void OnCommand(WPARAM wparam, LPARAM lparam);
  void OnLeftButtonDown(Control control, WPARAM wparam, LPARAM lparam);
  LRESULT OnControlColor(UINT message, WPARAM dc, LPARAM control);

  // Focus and keys
  bool IsInsideMainWindow(HWND window) const;
  bool IsAvailable(Control control) const;
  void RememberFocus();
  void RestoreFocus();
  void FocusFirstControl();
  void MoveFocus(bool forward);
  bool PreTranslate(MSG& message);

  EventOutcome Raise(Control control, int event, std::span<const int32_t> args = {});
  std::optional<ControlKind> KindOf(Control control) const;
  bool Is(Control control, ControlKind kind) const { return KindOf(control) == kind; }

  HINSTANCE instance_;
  const WindowDefinition* definition_ = nullptr;
  HWND main_window_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  std::vector<Control> keyboard_order_;
  HWND remembered_focus_ = nullptr;
  bool loop_entered_ = false;
  std::optional<ULONG> component_references_left_;
  bool released_ = false;
  bool reporting_fatal_error_ = false;
  UniqueIcon large_icon_;
  UniqueIcon small_icon_;
  std::unique_ptr<BrowserView> browser_;
  std::unique_ptr<StatusBar> status_bar_;
  std::unique_ptr<StatusParts> status_parts_;
  std::unique_ptr<EventDelivery> events_;
};

}  // namespace vx::win32
