#include "status_bar.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "wide_text.h"

namespace vx::win32 {
namespace {

constexpr size_t kMostParts = 256;  // what SB_SETPARTS accepts

WPARAM BorderFlags(BorderStyle border) {
  switch (border) {
    case BorderStyle::None:
      return SBT_NOBORDERS;
    case BorderStyle::Raised:
      return SBT_POPOUT;
    case BorderStyle::Normal:
      break;
  }
  return 0;
}

}  // namespace

void StatusBar::Dock() {
  if (bar_) SendMessageW(bar_, WM_SIZE, 0, 0);
}

bool StatusBar::SetPartEdges(std::span<const int32_t> right_edges) {
  if (!bar_ || right_edges.empty() || right_edges.size() > kMostParts) return false;
  std::vector<int> edges(right_edges.begin(), right_edges.end());
  return SendMessageW(bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data())) !=
         FALSE;
}

void StatusBar::ShowPartText(int32_t part, const Text& text, BorderStyle border) {
  if (!Addresses(part)) return;
  // The ANSI message: part texts are the program's ANSI texts, the control converts them.
  SendMessageW(bar_, SB_SETTEXTA, static_cast<WPARAM>(part) | BorderFlags(border),
               reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBar::SetPartIcon(int32_t part, int32_t /*icon*/) {
  // The bar has no icon list, so no index names an icon: every part shows none.
  if (Addresses(part)) SendMessageW(bar_, SB_SETICON, static_cast<WPARAM>(part), 0);
}

void StatusBar::SetPartTip(int32_t part, std::string_view utf8_tip) {
  if (!Addresses(part)) return;
  const std::wstring tip = WideFromUtf8(utf8_tip);
  SendMessageW(bar_, SB_SETTIPTEXTW, static_cast<WPARAM>(part),
               reinterpret_cast<LPARAM>(tip.c_str()));
}

bool StatusBar::Addresses(int32_t part) const {
  return bar_ && part >= 0 && part < SB_SIMPLEID;  // the part travels in the low byte
}

}  // namespace vx::win32
