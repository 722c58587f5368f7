#pragma once
// The status bar's parts: one record per part, laid out by right edges and re-applied to the
// native bar whenever a width changes, so that every part shows its stored text again.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ui/status_bar.h"
#include "ui/text.h"

namespace vx {

struct StatusPart {
  int32_t width;
  BorderStyle border;
  int32_t icon;
  Text text;
  std::string tip;  // UTF-8
};

class StatusParts {
 public:
  StatusParts(std::span<const StatusPartDefinition> parts, StatusBarPeer& peer);

  int32_t count() const { return static_cast<int32_t>(parts_.size()); }
  const StatusPart& part(int32_t index) const { return parts_.at(static_cast<size_t>(index)); }

  // Parts outside 0..count-1 are ignored. A width below -1 is stored as -1.
  void SetWidth(int32_t index, int32_t width);
  void SetText(int32_t index, const Text& text);
  // Hands the edges and every part's text, icon and tip to the bar.
  void Apply();

  // Right edges from the widths: a running total; the first -1 runs to the bar's end (-1) and
  // leaves the parts after it no room (0).
  static std::vector<int32_t> RightEdges(std::span<const int32_t> widths);

 private:
  bool Contains(int32_t index) const { return index >= 0 && index < count(); }

  std::vector<StatusPart> parts_;
  StatusBarPeer& peer_;
};

}  // namespace vx
