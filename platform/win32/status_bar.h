#pragma once
// The status bar's native side: hands part edges, texts, icons and tips to the system's status
// bar control. The part model itself is the program's (app/status_parts.h).

#include <windows.h>

#include "ui/status_bar.h"

namespace vx::win32 {

class StatusBar final : public StatusBarPeer {
 public:
  explicit StatusBar(HWND bar) : bar_(bar) {}

  HWND hwnd() const { return bar_; }
  // The control keeps itself at the bottom of its parent's client area, full width, whenever it
  // is told that the parent's size changed.
  void Dock();
  // The window went with its parent; from now on nothing is handed to it.
  void Forget() { bar_ = nullptr; }

  bool SetPartEdges(std::span<const int32_t> right_edges) override;
  void ShowPartText(int32_t part, const Text& text, BorderStyle border) override;
  void SetPartIcon(int32_t part, int32_t icon) override;
  void SetPartTip(int32_t part, std::string_view utf8_tip) override;

 private:
  bool Addresses(int32_t part) const;

  HWND bar_;
};

}  // namespace vx::win32
