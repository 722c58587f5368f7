#include "browser_site.h"

namespace vx::win32 {

namespace {
LONG live_sites = 0;  // one GUI thread: no need for interlocked counts
}

BrowserSite::BrowserSite(HWND window) : window_(window) { ++live_sites; }
BrowserSite::~BrowserSite() { --live_sites; }
LONG BrowserSite::live_objects() { return live_sites; }

HRESULT BrowserSite::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite)
    *object = static_cast<IOleClientSite*>(this);
  else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
    *object = static_cast<IOleInPlaceSite*>(this);
  else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
    *object = static_cast<IOleInPlaceFrame*>(this);
  else {
    // The component also asks for IDispatch (ambient properties), IDocHostUIHandler and
    // IOleCommandTarget; it runs with its defaults without them.
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG BrowserSite::AddRef() { return static_cast<ULONG>(++references_); }

ULONG BrowserSite::Release() {
  const LONG left = --references_;
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

// --- IOleClientSite: an embedded view that is never saved and has no container of its own

HRESULT BrowserSite::SaveObject() { return E_NOTIMPL; }
HRESULT BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}
HRESULT BrowserSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}
HRESULT BrowserSite::ShowObject() { return S_OK; }
HRESULT BrowserSite::OnShowWindow(BOOL) { return S_OK; }
HRESULT BrowserSite::RequestNewObjectLayout() { return E_NOTIMPL; }

// --- IOleWindow

HRESULT BrowserSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = window_;
  return S_OK;
}
HRESULT BrowserSite::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

// --- IOleInPlaceSite: the component fills the view's client area

HRESULT BrowserSite::CanInPlaceActivate() { return S_OK; }
HRESULT BrowserSite::OnInPlaceActivate() { return S_OK; }
HRESULT BrowserSite::OnUIActivate() { return S_OK; }

HRESULT BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                      LPRECT position, LPRECT clip,
                                      LPOLEINPLACEFRAMEINFO frame_info) {
  if (!frame || !document || !position || !clip || !frame_info) return E_POINTER;
  *frame = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  *document = nullptr;  // the frame is the only UI window
  GetClientRect(window_, position);
  *clip = *position;
  frame_info->fMDIApp = FALSE;
  frame_info->hwndFrame = GetAncestor(window_, GA_ROOT);
  frame_info->haccel = nullptr;
  frame_info->cAccelEntries = 0;
  return S_OK;
}

HRESULT BrowserSite::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT BrowserSite::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT BrowserSite::OnInPlaceDeactivate() { return S_OK; }
HRESULT BrowserSite::DiscardUndoState() { return E_NOTIMPL; }
HRESULT BrowserSite::DeactivateAndUndo() { return E_NOTIMPL; }
// The view decides the component's place (on its own size changes), not the component.
HRESULT BrowserSite::OnPosRectChange(LPCRECT) { return S_OK; }

// --- IOleInPlaceUIWindow: no toolbars, no border space

HRESULT BrowserSite::GetBorder(LPRECT) { return INPLACE_E_NOTOOLSPACE; }
HRESULT BrowserSite::RequestBorderSpace(LPCBORDERWIDTHS) { return INPLACE_E_NOTOOLSPACE; }
HRESULT BrowserSite::SetBorderSpace(LPCBORDERWIDTHS) { return OLE_E_INVALIDRECT; }
// The view asks the component itself for its active object when it offers it a key.
HRESULT BrowserSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }

// --- IOleInPlaceFrame: no menus

HRESULT BrowserSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT BrowserSite::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT BrowserSite::RemoveMenus(HMENU) { return E_NOTIMPL; }
// The same texts arrive as StatusTextChange notifications, which the view handles.
HRESULT BrowserSite::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT BrowserSite::EnableModeless(BOOL) { return S_OK; }
HRESULT BrowserSite::TranslateAccelerator(LPMSG, WORD) { return S_FALSE; }

}  // namespace vx::win32
