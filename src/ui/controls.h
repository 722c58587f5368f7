#pragma once
// Names and numbers by which handlers address the main window, its controls, their events and
// their properties. The numbers are the form runtime's and must not change.

#include <cstdint>

namespace vx {

// The controls in the order of the window definition (also their stacking order, first on top).
enum class Control : int {
  标签2,
  分组框1,
  按钮_刷新,
  状态条1,
  按钮_搜索词条,
  标签1,
  按钮_进入词条,
  编辑框_搜索框,
  超文本浏览框,
  MainWindow,  // the main window has no name of its own
};
inline constexpr int kControlCount = 9;  // MainWindow excluded

enum class ControlKind { Label, GroupBox, PushButton, StatusBar, EditBox, BrowserView };

// Event numbers per kind of control.
namespace window_event {
inline constexpr int kCreated = 0;
inline constexpr int kCloseQuery = 1;
inline constexpr int kAboutToBeDestroyed = 2;
inline constexpr int kMoved = 3;
inline constexpr int kSizeChanged = 4;
}  // namespace window_event

inline constexpr int kLeftButtonPressed = -1;  // every control and the main window: x, y, keys
inline constexpr int kButtonClicked = 0;
inline constexpr int kLabelRelayedNotification = 0;

namespace browser_event {
inline constexpr int 即将跳转 = 0;        // BeforeNavigate2
inline constexpr int 跳转完毕 = 1;        // NavigateComplete2
inline constexpr int 载入开始 = 2;        // DownloadBegin
inline constexpr int 载入进度改变 = 3;    // ProgressChange: percentage
inline constexpr int 载入完毕 = 4;        // DownloadComplete
inline constexpr int 已就绪 = 5;          // DocumentComplete
inline constexpr int 状态文本被改变 = 6;  // StatusTextChange
inline constexpr int 标题被改变 = 7;      // TitleChange
inline constexpr int 命令状态被改变 = 8;  // CommandStateChange: command, allowed
inline constexpr int 即将打开新窗口 = 9;  // NewWindow2
}  // namespace browser_event

// The two commands whose state the browser view reports, numbered as BrowserCommand takes them.
inline constexpr int32_t kCommandForward = 0;  // 前进
inline constexpr int32_t kCommandBack = 1;     // 后退
inline constexpr int32_t kCommandRefresh = 4;

// Property numbers: 0-7 are common to all controls, a kind's own follow from 8.
namespace property {
inline constexpr int kWindowCaption = 8;
inline constexpr int kEditText = 8;
inline constexpr int kBrowserFontSize = 8;
inline constexpr int kBrowserOffline = 9;
inline constexpr int kBrowserSilent = 10;
inline constexpr int kBrowserUrl = 11;
inline constexpr int kBrowserStatusText = 12;
inline constexpr int kBrowserCaption = 13;
}  // namespace property

}  // namespace vx
