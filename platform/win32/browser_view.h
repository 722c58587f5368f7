#pragma once
// The browser view: a child window that embeds the system WebBrowser control through plain OLE,
// keeps its IWebBrowser2, and turns its DWebBrowserEvents2 notifications into the view's events.

#include <windows.h>

#include <exdisp.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "ui/event_delivery.h"
#include "ui/text.h"

namespace vx::win32 {

// Raises one of the view's events (browser_event::*) through the form runtime.
using BrowserEventRaiser = std::function<EventOutcome(int event, std::span<const int32_t> args)>;

class BrowserView {
 public:
  // Registers the view's window class; once per process, before Create.
  static bool RegisterWindowClass(HINSTANCE instance);
  // Creates the view's window (hidden, at `place` in `parent`) with the component embedded and
  // its settings applied. Null when the component cannot be embedded or offers no IWebBrowser2.
  static std::unique_ptr<BrowserView> Create(HWND parent, const RECT& place,
                                             BrowserEventRaiser raise);
  ~BrowserView();  // tears the component down (if not yet) and destroys the window

  BrowserView(const BrowserView&) = delete;
  BrowserView& operator=(const BrowserView&) = delete;

  HWND hwnd() const;

  void Navigate(const Text& address);
  void Command(int32_t number);  // 0-9; other numbers do nothing
  // Properties 11 (url), 12 (StatusText), 13 (Caption): a new text, missing when empty.
  Text ReadProperty(int property);

  // Offers a key message aimed at a window inside the component to the component; true when it
  // consumed it and the message must not be dispatched.
  bool TranslateAccelerator(MSG& message);
  // The window is the view's own or lies inside it.
  bool Contains(HWND window) const;

  // Unadvises, closes the component and releases it; returns what the final Release returned
  // (0 when nothing else still holds the component). Idempotent: later calls return 0.
  ULONG ReleaseComponent();

  // The DWebBrowserEvents2 sink that the component calls, for tests that play the component.
  IDispatch* event_sink() const;
  IWebBrowser2* web_browser() const;

 private:
  struct Impl;
  explicit BrowserView(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace vx::win32
