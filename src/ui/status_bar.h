#pragma once
// The native side of a status bar with numbered parts. The part model itself (widths, texts,
// placement) is the program's own, in app/status_parts.h; a peer only shows what it is handed.

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/text.h"

namespace vx {

enum class BorderStyle { Normal, None, Raised };

struct StatusPartDefinition {
  int32_t width;
  BorderStyle border;
  int32_t icon;          // -1: none
  std::string_view tip;  // UTF-8
};

class StatusBarPeer {
 public:
  virtual ~StatusBarPeer() = default;
  // Divides the bar by these right edges (-1: to the bar's end). False if the bar refuses.
  virtual bool SetPartEdges(std::span<const int32_t> right_edges) = 0;
  virtual void ShowPartText(int32_t part, const Text& text, BorderStyle border) = 0;
  virtual void SetPartIcon(int32_t part, int32_t icon) = 0;
  virtual void SetPartTip(int32_t part, std::string_view utf8_tip) = 0;
};

}  // namespace vx
