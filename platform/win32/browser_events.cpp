#include "browser_events.h"

#include <exdisp.h>
#include <exdispid.h>

#include <initializer_list>

#include "com_ptr.h"
#include "com_text.h"
#include "ui/controls.h"

namespace vx::win32 {

namespace {

LONG live_sinks = 0;  // one GUI thread: no need for interlocked counts

// The component's arguments in the order they are declared; DISPPARAMS holds them reversed.
class Arguments {
 public:
  explicit Arguments(const DISPPARAMS* params) : params_(params) {}

  bool AtLeast(UINT count) const { return params_ && params_->rgvarg && params_->cArgs >= count; }
  // The argument itself, one VT_BYREF|VT_VARIANT level looked through; null when it is not there.
  const VARIANT* operator[](UINT index) const {
    if (!AtLeast(index + 1)) return nullptr;
    const VARIANT* argument = &params_->rgvarg[params_->cArgs - 1 - index];
    if (V_VT(argument) == (VT_BYREF | VT_VARIANT)) argument = V_VARIANTREF(argument);
    return argument;
  }

 private:
  const DISPPARAMS* params_;
};

std::optional<std::wstring_view> StringOf(const VARIANT* argument) {
  if (!argument) return std::nullopt;
  switch (V_VT(argument)) {
    case VT_BSTR:
      return ViewOf(V_BSTR(argument));
    case VT_BYREF | VT_BSTR:
      if (!V_BSTRREF(argument)) return std::nullopt;
      return ViewOf(*V_BSTRREF(argument));
    default:
      return std::nullopt;
  }
}

std::optional<int32_t> Int32Of(const VARIANT* argument) {
  if (!argument) return std::nullopt;
  switch (V_VT(argument)) {
    case VT_I4:
      return V_I4(argument);
    case VT_INT:
      return V_INT(argument);
    case VT_BYREF | VT_I4:
      if (!V_I4REF(argument)) return std::nullopt;
      return *V_I4REF(argument);
    case VT_BYREF | VT_INT:
      if (!V_INTREF(argument)) return std::nullopt;
      return *V_INTREF(argument);
    default:
      return std::nullopt;
  }
}

std::optional<bool> BoolOf(const VARIANT* argument) {
  if (!argument) return std::nullopt;
  switch (V_VT(argument)) {
    case VT_BOOL:
      return V_BOOL(argument) != VARIANT_FALSE;
    case VT_BYREF | VT_BOOL:
      if (!V_BOOLREF(argument)) return std::nullopt;
      return *V_BOOLREF(argument) != VARIANT_FALSE;
    default:
      return std::nullopt;
  }
}

VARIANT_BOOL* CancelFlagOf(const VARIANT* argument) {
  if (!argument || V_VT(argument) != (VT_BYREF | VT_BOOL)) return nullptr;
  return V_BOOLREF(argument);
}

BrowserNotice Notice(int event, std::wstring_view text = {}, VARIANT_BOOL* cancel = nullptr) {
  BrowserNotice notice;
  notice.event = event;
  notice.text = text;
  notice.cancel = cancel;
  return notice;
}

BrowserNotice NoticeWithArgs(int event, std::initializer_list<int32_t> args) {
  BrowserNotice notice;
  notice.event = event;
  for (int32_t arg : args) notice.args[notice.arg_count++] = arg;
  return notice;
}

// NavigateComplete2 and DocumentComplete: (dispatch, URL).
std::optional<BrowserNotice> WithAddress(int event, const Arguments& arguments) {
  const auto url = StringOf(arguments[1]);
  if (!url) return std::nullopt;
  return Notice(event, *url);
}

// StatusTextChange and TitleChange: (text).
std::optional<BrowserNotice> WithText(int event, const Arguments& arguments) {
  const auto text = StringOf(arguments[0]);
  if (!text) return std::nullopt;
  return Notice(event, *text);
}

// BeforeNavigate2: (dispatch, URL, flags, target frame, post data, headers, cancel).
std::optional<BrowserNotice> BeforeNavigate(const Arguments& arguments) {
  const auto url = StringOf(arguments[1]);
  VARIANT_BOOL* cancel = CancelFlagOf(arguments[6]);
  if (!url || !cancel) return std::nullopt;
  return Notice(browser_event::即将跳转, *url, cancel);
}

// NewWindow2: (new browser object by reference, left alone; cancel).
std::optional<BrowserNotice> NewWindow(const Arguments& arguments) {
  VARIANT_BOOL* cancel = CancelFlagOf(arguments[1]);
  if (!cancel) return std::nullopt;
  return Notice(browser_event::即将打开新窗口, {}, cancel);
}

// ProgressChange: (progress, progress max) -> the percentage, rounded as MulDiv rounds.
std::optional<BrowserNotice> Progress(const Arguments& arguments) {
  const auto progress = Int32Of(arguments[0]);
  const auto maximum = Int32Of(arguments[1]);
  if (!progress || !maximum) return std::nullopt;
  const int32_t percentage = *maximum == 0 ? 100 : MulDiv(*progress, 100, *maximum);
  return NoticeWithArgs(browser_event::载入进度改变, {percentage});
}

// CommandStateChange: (command, enable); only the forward and back commands raise the event.
std::optional<BrowserNotice> CommandState(const Arguments& arguments) {
  const auto command = Int32Of(arguments[0]);
  const auto enable = BoolOf(arguments[1]);
  if (!command || !enable) return std::nullopt;
  int32_t number;
  if (*command == CSC_NAVIGATEFORWARD)
    number = kCommandForward;
  else if (*command == CSC_NAVIGATEBACK)
    number = kCommandBack;
  else
    return std::nullopt;
  return NoticeWithArgs(browser_event::命令状态被改变, {number, *enable ? 1 : 0});
}

}  // namespace

std::optional<BrowserNotice> DecodeNotice(DISPID id, const DISPPARAMS* params) {
  const Arguments arguments(params);
  switch (id) {
    case DISPID_BEFORENAVIGATE2:
      return BeforeNavigate(arguments);
    case DISPID_NAVIGATECOMPLETE2:
      return WithAddress(browser_event::跳转完毕, arguments);
    case DISPID_DOWNLOADBEGIN:
      return Notice(browser_event::载入开始);
    case DISPID_PROGRESSCHANGE:
      return Progress(arguments);
    case DISPID_DOWNLOADCOMPLETE:
      return Notice(browser_event::载入完毕);
    case DISPID_DOCUMENTCOMPLETE:
      return WithAddress(browser_event::已就绪, arguments);
    case DISPID_STATUSTEXTCHANGE:
      return WithText(browser_event::状态文本被改变, arguments);
    case DISPID_TITLECHANGE:
      return WithText(browser_event::标题被改变, arguments);
    case DISPID_COMMANDSTATECHANGE:
      return CommandState(arguments);
    case DISPID_NEWWINDOW2:
      return NewWindow(arguments);
    default:  // PropertyChange, OnQuit, OnVisible and the rest raise nothing
      return std::nullopt;
  }
}

BrowserEventSink::BrowserEventSink(BrowserNoticeHandler& handler) : handler_(&handler) {
  ++live_sinks;
}
BrowserEventSink::~BrowserEventSink() { --live_sinks; }
LONG BrowserEventSink::live_objects() { return live_sinks; }

HRESULT BrowserEventSink::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG BrowserEventSink::AddRef() { return static_cast<ULONG>(++references_); }

ULONG BrowserEventSink::Release() {
  const LONG left = --references_;
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT BrowserEventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT BrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}

// Every notification is answered S_OK, also those that raise nothing. A handler may navigate,
// so notifications nest, and it may tear the view down: the sink keeps itself alive meanwhile.
HRESULT BrowserEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                 EXCEPINFO*, UINT*) {
  if (!handler_) return S_OK;
  const auto notice = DecodeNotice(id, params);
  if (!notice) return S_OK;
  const auto keep_alive = ComPtr<BrowserEventSink>::Share(this);
  const EventOutcome outcome = handler_->Handle(*notice);
  if (notice->cancel) *notice->cancel = outcome.Allows() ? VARIANT_FALSE : VARIANT_TRUE;
  return S_OK;
}

}  // namespace vx::win32
