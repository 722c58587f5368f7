#pragma once
// The form runtime on Win32: builds the main window and its controls from a window definition,
// delivers their events to the bound handlers, runs the message loop and shuts down.

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "ui/event_delivery.h"
#include "ui/form.h"
#include "ui/window_definition.h"

namespace vx {
class StatusParts;
}

namespace vx::win32 {

class BrowserView;
class StatusBar;

class FormRuntime final : public Form {
 public:
  explicit FormRuntime(HINSTANCE instance);
  ~FormRuntime() override;  // releases whatever is still held (see Release)

  FormRuntime(const FormRuntime&) = delete;
  FormRuntime& operator=(const FormRuntime&) = delete;

  // Builds the window with delivery suspended, raises created, moved and size changed, shows it.
  // False, with nothing left behind, when the window or a control cannot be built.
  bool OpenWindow(const WindowDefinition& definition);
  // Until the quit request; returns its code. Key-downs pass through HandleKey first.
  int RunMessageLoop();
  // The main window's key handling; true when the message was consumed.
  bool HandleKey(const MSG& message);

  // Stops event delivery for good, destroys the windows and releases the components.
  void Release();
  [[noreturn]] void ShutDown(int exit_code);  // Release, OleUninitialize, exit
  // Reports through a message box, releases and exits with -1. Registered as the program's
  // fatal-error reporter while this runtime exists.
  [[noreturn]] void ReportFatalError(std::string_view utf8_message);

  HWND main_window() const { return main_window_; }
  HWND window_of(Control control) const;
  BrowserView* browser() const { return browser_.get(); }
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
  // Implementation details are the runtime's own (see form_runtime.cpp).
  HINSTANCE instance_;
  const WindowDefinition* definition_ = nullptr;
  HWND main_window_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  std::unique_ptr<BrowserView> browser_;
  std::unique_ptr<StatusBar> status_bar_;
  std::unique_ptr<StatusParts> status_parts_;
  std::unique_ptr<EventDelivery> events_;
};

}  // namespace vx::win32
