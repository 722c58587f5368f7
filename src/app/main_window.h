#pragma once
// The main window's definition: controls, places, texts, event bindings and status bar parts.

#include <string_view>

#include "ui/window_definition.h"

namespace vx {

// Shown by 标签2 and at the end of the initial caption.
inline constexpr std::string_view kContactNotice = "创建词条请先登录";
inline constexpr std::string_view kInitialCaption = "Vellumix-创建词条请先登录";
inline constexpr std::string_view kOpenWindowFailed = "载入启动窗口失败";

const WindowDefinition& MainWindowDefinition();

}  // namespace vx
