#include "browser_view.h"

#include <docobj.h>
#include <ole2.h>

#include <string>
#include <utility>

#include "browser_events.h"
#include "browser_site.h"
#include "com_ptr.h"
#include "com_text.h"
#include "wide_text.h"
#include "ui/controls.h"

namespace vx::win32 {

namespace {

constexpr wchar_t kClassName[] = L"VellumixBrowserView";
HINSTANCE registered_instance = nullptr;

// A text that the view holds only while the event that carries it runs.
struct HeldText {
  bool held = false;
  std::string text;
};

}  // namespace

struct BrowserView::Impl final : BrowserNoticeHandler {
  explicit Impl(BrowserEventRaiser raiser) : raise(std::move(raiser)) {}
  ~Impl() {
    ReleaseComponent();
    if (window) DestroyWindow(window);
  }
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  bool CreateWindowIn(HWND parent, const RECT& place);
  bool Embed();
  void ApplySettings();
  void Subscribe();
  ULONG ReleaseComponent();

  void Navigate(const Text& address);
  void Command(int32_t number);
  static void ExecDocumentCommand(IWebBrowser2& web, OLECMDID command);
  Text ReadProperty(int property);
  std::string LocationName();
  bool TranslateAccelerator(MSG& message);
  bool Contains(HWND other) const { return window && (other == window || IsChild(window, other)); }
  HWND ComponentWindow() const;

  EventOutcome Handle(const BrowserNotice& notice) override;
  EventOutcome RaiseHolding(HeldText& slot, const BrowserNotice& notice);
  EventOutcome Raise(const BrowserNotice& notice);

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void OnSize(int width, int height);
  void OnSetFocus();
  void OnDestroy() { ReleaseComponent(); }
  void OnNcDestroy() { window = nullptr; }

  HWND window = nullptr;
  BrowserEventRaiser raise;
  ComPtr<IOleObject> component;
  ComPtr<IWebBrowser2> browser;
  ComPtr<BrowserSite> site;
  ComPtr<BrowserEventSink> sink;
  ComPtr<IConnectionPoint> connection;
  DWORD cookie = 0;

  std::string status_text;
  HeldText title;
  HeldText address;
  // Expires with the view: a handler may destroy it while one of its events runs.
  std::shared_ptr<int> alive = std::make_shared<int>(0);
};

// ---------------------------------------------------------------------------------------------
// Creation and teardown

bool BrowserView::Impl::CreateWindowIn(HWND parent, const RECT& place) {
  window = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                           place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, nullptr, registered_instance, this);
  return window != nullptr;
}

bool BrowserView::Impl::Embed() {
  if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                              component.put_void())))
    return false;
  site = ComPtr<BrowserSite>::Adopt(new BrowserSite(window));
  if (FAILED(component->SetClientSite(site.get()))) return false;
  // We hold the component only as its container does: its last release may free it.
  OleSetContainedObject(component.get(), TRUE);
  RECT area;
  GetClientRect(window, &area);
  if (FAILED(component->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, window, &area)))
    return false;
  browser = component.As<IWebBrowser2>(IID_IWebBrowser2);
  if (!browser) return false;
  ApplySettings();
  Subscribe();
  return true;
}

// Middle text size, online, dialogs allowed; no page until the first navigation.
void BrowserView::Impl::ApplySettings() {
  auto zoom = UniqueVariant::Int32(2);
  browser->ExecWB(OLECMDID_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, zoom.get(), nullptr);
  browser->put_Offline(VARIANT_FALSE);
  browser->put_Silent(VARIANT_FALSE);
}

// A view that cannot subscribe still shows pages; it just raises no events.
void BrowserView::Impl::Subscribe() {
  const auto container = component.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
  if (!container ||
      FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, connection.put())))
    return;
  sink = ComPtr<BrowserEventSink>::Adopt(new BrowserEventSink(*this));
  if (FAILED(connection->Advise(sink.get(), &cookie))) connection.Release();
}

ULONG BrowserView::Impl::ReleaseComponent() {
  if (sink) sink->Detach();
  if (connection) connection->Unadvise(cookie);
  connection.Release();
  sink.Release();
  browser.Release();
  ULONG left = 0;
  if (component) {
    component->Close(OLECLOSE_NOSAVE);
    component->SetClientSite(nullptr);
    left = component.Release();
  }
  site.Release();
  return left;
}

// ---------------------------------------------------------------------------------------------
// Operations

void BrowserView::Impl::Navigate(const Text& target) {
  // Our own reference: a handler that runs inside the call may release the view's.
  const auto held = ComPtr<IWebBrowser2>::Share(browser.get());
  if (!held) return;
  UniqueBstr url(WideFromAnsi(target.view()));
  auto flags = UniqueVariant::Int32(0);
  auto frame = UniqueVariant::NullString();
  UniqueVariant post_data;
  auto headers = UniqueVariant::NullString();
  held->Navigate(url.get(), flags.get(), frame.get(), post_data.get(), headers.get());
}

void BrowserView::Impl::Command(int32_t number) {
  const auto held = ComPtr<IWebBrowser2>::Share(browser.get());
  if (!held) return;
  switch (number) {
    case 0:
      held->GoForward();
      break;
    case 1:
      held->GoBack();
      break;
    case 2:
      held->GoHome();
      break;
    case 3:
      held->GoSearch();
      break;
    case 4:
      held->Refresh();
      break;
    case 5:
      held->Stop();
      break;
    case 6:
      ExecDocumentCommand(*held, OLECMDID_SAVEAS);
      break;
    case 7:
      ExecDocumentCommand(*held, OLECMDID_PRINT);
      break;
    case 8:
      ExecDocumentCommand(*held, OLECMDID_PRINTPREVIEW);
      break;
    case 9:
      ExecDocumentCommand(*held, OLECMDID_PAGESETUP);
      break;
    default:
      break;
  }
}

// Commands on the page itself go to the document, when there is one.
void BrowserView::Impl::ExecDocumentCommand(IWebBrowser2& web, OLECMDID command) {
  ComPtr<IDispatch> document;
  if (FAILED(web.get_Document(document.put())) || !document) return;
  const auto target = document.As<IOleCommandTarget>(IID_IOleCommandTarget);
  if (target) target->Exec(nullptr, command, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
}

Text BrowserView::Impl::ReadProperty(int property) {
  switch (property) {
    case property::kBrowserUrl:
      return Text::CopyOrMissing(address.text);
    case property::kBrowserStatusText:
      return Text::CopyOrMissing(status_text);
    case property::kBrowserCaption:
      return Text::CopyOrMissing(title.held ? title.text : LocationName());
    default:
      return {};
  }
}

std::string BrowserView::Impl::LocationName() {
  UniqueBstr name;
  if (!browser || FAILED(browser->get_LocationName(name.put()))) return {};
  return AnsiFromWide(ViewOf(name.get()));
}

bool BrowserView::Impl::TranslateAccelerator(MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
  if (message.hwnd == window || !Contains(message.hwnd)) return false;
  const auto active = component.As<IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject);
  return active && active->TranslateAccelerator(&message) == S_OK;
}

// The component's own window: the in-place object names it; else the view's first child.
HWND BrowserView::Impl::ComponentWindow() const {
  HWND inner = nullptr;
  const auto in_place = component.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
  if (!in_place || FAILED(in_place->GetWindow(&inner)) || !inner || !IsChild(window, inner))
    inner = GetWindow(window, GW_CHILD);
  return inner;
}

// ---------------------------------------------------------------------------------------------
// Notifications

EventOutcome BrowserView::Impl::Handle(const BrowserNotice& notice) {
  switch (notice.event) {
    case browser_event::即将跳转:
    case browser_event::跳转完毕:
    case browser_event::已就绪:
      return RaiseHolding(address, notice);
    case browser_event::状态文本被改变:
      status_text = AnsiFromWide(notice.text);  // kept until the next one
      return Raise(notice);
    case browser_event::标题被改变:
      return RaiseHolding(title, notice);
    default:
      return Raise(notice);
  }
}

// Holds the notice's text while its event runs. Nested events hold their own and give the outer
// one's back; a handler that destroyed the view's window leaves the text held.
EventOutcome BrowserView::Impl::RaiseHolding(HeldText& slot, const BrowserNotice& notice) {
  HeldText outer = std::exchange(slot, HeldText{true, AnsiFromWide(notice.text)});
  const std::weak_ptr<int> view_alive = alive;
  const EventOutcome outcome = Raise(notice);
  if (!view_alive.expired() && window) slot = std::move(outer);
  return outcome;
}

EventOutcome BrowserView::Impl::Raise(const BrowserNotice& notice) {
  // A copy: the handler may destroy the view and with it the raiser.
  const BrowserEventRaiser raiser = raise;
  if (!raiser) return {};
  return raiser(notice.event, std::span<const int32_t>(notice.args.data(), notice.arg_count));
}

// ---------------------------------------------------------------------------------------------
// Window messages

void BrowserView::Impl::OnSize(int width, int height) {
  const auto in_place = component.As<IOleInPlaceObject>(IID_IOleInPlaceObject);
  if (!in_place) return;
  const RECT area{0, 0, width, height};
  in_place->SetObjectRects(&area, &area);
}

void BrowserView::Impl::OnSetFocus() {
  if (HWND inner = ComponentWindow()) SetFocus(inner);
}

LRESULT CALLBACK BrowserView::Impl::WindowProc(HWND window, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* view = reinterpret_cast<Impl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!view) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_SIZE:
      view->OnSize(LOWORD(lparam), HIWORD(lparam));
      return 0;
    case WM_SETFOCUS:
      view->OnSetFocus();
      return 0;
    case WM_DESTROY:
      view->OnDestroy();
      return 0;
    case WM_NCDESTROY:
      view->OnNcDestroy();
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

// ---------------------------------------------------------------------------------------------
// The view

bool BrowserView::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = Impl::WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  window_class.lpszClassName = kClassName;
  if (!RegisterClassExW(&window_class) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    return false;
  registered_instance = instance;
  return true;
}

std::unique_ptr<BrowserView> BrowserView::Create(HWND parent, const RECT& place,
                                                 BrowserEventRaiser raise) {
  auto impl = std::make_unique<Impl>(std::move(raise));
  // On failure the Impl takes down whatever was built.
  if (!impl->CreateWindowIn(parent, place) || !impl->Embed()) return nullptr;
  return std::unique_ptr<BrowserView>(new BrowserView(std::move(impl)));
}

BrowserView::BrowserView(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
BrowserView::~BrowserView() = default;

HWND BrowserView::hwnd() const { return impl_->window; }
void BrowserView::Navigate(const Text& address) { impl_->Navigate(address); }
void BrowserView::Command(int32_t number) { impl_->Command(number); }
Text BrowserView::ReadProperty(int property) { return impl_->ReadProperty(property); }
bool BrowserView::TranslateAccelerator(MSG& message) {
  return impl_->TranslateAccelerator(message);
}
bool BrowserView::Contains(HWND window) const { return impl_->Contains(window); }
ULONG BrowserView::ReleaseComponent() { return impl_->ReleaseComponent(); }
IDispatch* BrowserView::event_sink() const { return impl_->sink.get(); }
IWebBrowser2* BrowserView::web_browser() const { return impl_->browser.get(); }

}  // namespace vx::win32
