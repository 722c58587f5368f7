#include "app/main_window.h"

#include <array>

#include "app/layout.h"
#include "feedback/browser_handlers.h"
#include "lookup/commands.h"

namespace vx {
namespace {

// Bound where an event must have a handler that leaves everything to the control itself.
HandlerResult DoNothing(Form&, std::span<const int32_t>) { return std::nullopt; }

using enum Control;
using enum ControlKind;

// In definition order, which is also the stacking order among siblings (first on top). All five
// tab stops share one order value, so the keyboard order is the reverse of this order.
// clang-format off
constexpr std::array kControls = {
    ControlDefinition{标签2, "标签2", Label, 分组框1, 14, 13, 109, 15, kContactNotice, false, 0},
    ControlDefinition{分组框1, "分组框1", GroupBox, MainWindow, 464, 8, 131, 32, "", false, 0},
    ControlDefinition{按钮_刷新, "按钮_刷新", PushButton, MainWindow, 390, 16, 56, 24, "刷新", true, 0},
    ControlDefinition{状态条1, "状态条1", StatusBar, MainWindow, 0, 260, 504, 20, "", false, 0},
    ControlDefinition{按钮_搜索词条, "按钮_搜索词条", PushButton, MainWindow, 305, 16, 72, 24, "搜索词条", true, 0},
    ControlDefinition{标签1, "标签1", Label, MainWindow, 6, 16, 72, 24, "输入词条名称:", false, 0},
    ControlDefinition{按钮_进入词条, "按钮_进入词条", PushButton, MainWindow, 222, 16, 72, 24, "创建词条", true, 0},
    ControlDefinition{编辑框_搜索框, "编辑框_搜索框", EditBox, MainWindow, 85, 16, 128, 24, "", true, 0},
    ControlDefinition{超文本浏览框, "超文本浏览框", BrowserView, MainWindow, 8, 72, 480, 184, "", true, 0},
};

constexpr std::array kBindings = {
    EventBinding{MainWindow, window_event::kCreated, DoNothing},
    EventBinding{MainWindow, window_event::kSizeChanged, OnWindowSizeChanged},
    EventBinding{按钮_搜索词条, kButtonClicked, OnSearchEntryClicked},
    EventBinding{按钮_进入词条, kButtonClicked, OnCreateEntryClicked},
    EventBinding{按钮_刷新, kButtonClicked, OnRefreshClicked},
    EventBinding{超文本浏览框, browser_event::即将跳转, OnBrowserBeforeNavigate},
    EventBinding{超文本浏览框, browser_event::状态文本被改变, OnBrowserStatusTextChanged},
    EventBinding{超文本浏览框, browser_event::标题被改变, OnBrowserTitleChanged},
    EventBinding{超文本浏览框, browser_event::命令状态被改变, OnBrowserCommandStateChanged},
    EventBinding{超文本浏览框, browser_event::即将打开新窗口, OnBrowserNewWindow},
    EventBinding{标签2, kLeftButtonPressed, DoNothing},
    EventBinding{分组框1, kLeftButtonPressed, DoNothing},
    EventBinding{状态条1, kLeftButtonPressed, DoNothing},
    EventBinding{标签2, kLabelRelayedNotification, DoNothing},
};

constexpr std::array kStatusParts = {
    StatusPartDefinition{550, BorderStyle::Normal, -1, "状态文本"},
    StatusPartDefinition{60, BorderStyle::Normal, -1, "命令"},
};
// clang-format on

constexpr WindowDefinition kMainWindow{kInitialCaption, 661,       340,         /*esc_closes=*/true,
                                       kControls,       kBindings, kStatusParts};

}  // namespace

const WindowDefinition& MainWindowDefinition() { return kMainWindow; }

}  // namespace vx
