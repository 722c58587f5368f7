#pragma once
// The component's DWebBrowserEvents2 notifications: the sink that the component calls, and the
// decoded notice that it hands to the view, one event of the view per notification at most.

#include <windows.h>

#include <oaidl.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/event_delivery.h"

namespace vx::win32 {

// One notification, decoded: the view's event, its arguments, and what comes with it.
struct BrowserNotice {
  int event = 0;
  std::array<int32_t, 2> args{};
  std::size_t arg_count = 0;
  // The address (events 0, 1, 5), the status text (6) or the title (7); a view into the
  // component's string, valid while the notification runs.
  std::wstring_view text;
  // Events 0 and 9: where the answer to the component goes (true cancels).
  VARIANT_BOOL* cancel = nullptr;
};

// Decodes a notification with its arguments as the component sends them (in reverse order, some
// by reference). Nothing when it raises no event or its arguments are not what they should be.
std::optional<BrowserNotice> DecodeNotice(DISPID id, const DISPPARAMS* params);

// What the view does with a notice.
class BrowserNoticeHandler {
 public:
  virtual EventOutcome Handle(const BrowserNotice& notice) = 0;

 protected:
  ~BrowserNoticeHandler() = default;
};

// COM objects delete themselves in Release; the interfaces have no virtual destructors.
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#endif
class BrowserEventSink final : public IDispatch {
 public:
  // Starts with one reference, the creator's.
  explicit BrowserEventSink(BrowserNoticeHandler& handler);
  BrowserEventSink(const BrowserEventSink&) = delete;
  BrowserEventSink& operator=(const BrowserEventSink&) = delete;

  // The view is going away: later notifications raise nothing.
  void Detach() { handler_ = nullptr; }

  static LONG live_objects();  // for the tests: every sink is given back

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: only Invoke is used by the component.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argument_error) override;

 private:
  ~BrowserEventSink();  // only through Release

  LONG references_ = 1;
  BrowserNoticeHandler* handler_;
};
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

}  // namespace vx::win32
