#pragma once
// An in-memory form runtime: controls with texts and rectangles, a browser view that records what
// it is sent, and the real status-part model over a recording peer.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/status_parts.h"
#include "ui/form.h"
#include "ui/window_definition.h"

namespace vx::testing {

struct Rect {
  int32_t left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

class RecordingStatusBar final : public StatusBarPeer {
 public:
  bool SetPartEdges(std::span<const int32_t> right_edges) override;
  void ShowPartText(int32_t part, const Text& text, BorderStyle border) override;
  void SetPartIcon(int32_t, int32_t) override {}
  void SetPartTip(int32_t part, std::string_view utf8_tip) override;

  bool refuse_edges = false;
  std::vector<int32_t> edges;
  std::map<int32_t, std::string> shown;  // what each part shows now
  std::map<int32_t, std::string> tips;
  int edge_changes = 0;
};

class FakeForm final : public Form {
 public:
  explicit FakeForm(const WindowDefinition& definition);

  Text ReadText(Control control, int property) override;
  void WriteText(Control control, int property, const Text& text) override;
  int32_t ClientWidth(Control) override { return client_width; }
  int32_t ClientHeight(Control) override { return client_height; }
  void MoveControl(Control control, const Place& place) override;
  void BrowserNavigate(Control view, const Text& address) override;
  void BrowserCommand(Control view, int32_t number) override;
  void SetStatusPartText(Control bar, int32_t part, const Text& text) override;
  void SetStatusPartWidth(Control bar, int32_t part, int32_t width) override;

  // Property values by (control, number); an absent entry or "" reads as missing.
  std::map<std::pair<Control, int>, std::string> properties;
  int32_t client_width = 645, client_height = 302;
  std::map<Control, Rect> rects;
  int moves = 0;
  std::vector<std::string> navigations;
  std::vector<int32_t> commands;
  // Runs inside BrowserNavigate, as a component's nested notifications would.
  std::function<void(const std::string& address)> on_navigate;

  RecordingStatusBar status_bar;
  StatusParts status_parts;
};

}  // namespace vx::testing
