#include "fake_form.h"

namespace vx::testing {

bool RecordingStatusBar::SetPartEdges(std::span<const int32_t> right_edges) {
  if (refuse_edges) return false;
  edges.assign(right_edges.begin(), right_edges.end());
  ++edge_changes;
  return true;
}

void RecordingStatusBar::ShowPartText(int32_t part, const Text& text, BorderStyle) {
  shown[part] = std::string(text.view());
}

void RecordingStatusBar::SetPartTip(int32_t part, std::string_view utf8_tip) {
  tips[part] = std::string(utf8_tip);
}

FakeForm::FakeForm(const WindowDefinition& definition)
    : status_parts(definition.status_parts, status_bar) {
  for (const auto& control : definition.controls)
    rects[control.id] = {control.left, control.top, control.width, control.height};
}

Text FakeForm::ReadText(Control control, int property) {
  const auto found = properties.find({control, property});
  return found == properties.end() ? Text() : Text::CopyOrMissing(found->second);
}

void FakeForm::WriteText(Control control, int property, const Text& text) {
  properties[{control, property}] = std::string(text.view());
}

void FakeForm::MoveControl(Control control, const Place& place) {
  Rect& current = rects[control];
  Rect moved = current;
  if (place.left) moved.left = *place.left;
  if (place.top) moved.top = *place.top;
  if (place.width && *place.width != -1) moved.width = *place.width;
  if (place.height && *place.height != -1) moved.height = *place.height;
  if (moved == current) return;
  current = moved;
  ++moves;
}

void FakeForm::BrowserNavigate(Control, const Text& address) {
  navigations.emplace_back(address.view());
  if (on_navigate) on_navigate(navigations.back());
}

void FakeForm::BrowserCommand(Control, int32_t number) { commands.push_back(number); }

void FakeForm::SetStatusPartText(Control, int32_t part, const Text& text) {
  status_parts.SetText(part, text);
}

void FakeForm::SetStatusPartWidth(Control, int32_t part, int32_t width) {
  status_parts.SetWidth(part, width);
}

}  // namespace vx::testing
