#include "app/status_parts.h"

namespace vx {

StatusParts::StatusParts(std::span<const StatusPartDefinition> parts, StatusBarPeer& peer)
    : peer_(peer) {
  parts_.reserve(parts.size());
  for (const auto& part : parts)
    parts_.push_back({part.width < -1 ? -1 : part.width, part.border, part.icon, Text::Copy(""),
                      std::string(part.tip)});
}

void StatusParts::SetWidth(int32_t index, int32_t width) {
  if (!Contains(index)) return;
  parts_[static_cast<size_t>(index)].width = width < -1 ? -1 : width;
  Apply();
}

void StatusParts::SetText(int32_t index, const Text& text) {
  if (!Contains(index)) return;
  StatusPart& part = parts_[static_cast<size_t>(index)];
  part.text = Text::Copy(text.view());
  peer_.ShowPartText(index, part.text, part.border);
}

void StatusParts::Apply() {
  std::vector<int32_t> widths;
  for (const auto& part : parts_) widths.push_back(part.width);
  if (!peer_.SetPartEdges(RightEdges(widths))) return;
  for (int32_t index = 0; index < count(); ++index) {
    const StatusPart& part = parts_[static_cast<size_t>(index)];
    peer_.ShowPartText(index, part.text, part.border);
    peer_.SetPartIcon(index, part.icon);
    peer_.SetPartTip(index, part.tip);
  }
}

std::vector<int32_t> StatusParts::RightEdges(std::span<const int32_t> widths) {
  std::vector<int32_t> edges;
  edges.reserve(widths.size());
  int64_t total = 0;
  bool reached_end = false;
  for (int32_t width : widths) {
    if (reached_end) {
      edges.push_back(0);
    } else if (width == -1) {
      reached_end = true;
      edges.push_back(-1);
    } else {
      total += width;
      edges.push_back(static_cast<int32_t>(total));
    }
  }
  return edges;
}

}  // namespace vx
