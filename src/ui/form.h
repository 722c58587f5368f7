#pragma once
// The form runtime as the handlers see it: the one narrow interface through which the program's
// own code reaches the window, its controls, the browser view and the status bar.

#include <cstdint>
#include <optional>
#include <span>

#include "ui/controls.h"
#include "ui/text.h"

namespace vx {

// A control's place; an omitted value keeps the current one.
struct Place {
  std::optional<int32_t> left, top, width, height;
};

class Form {
 public:
  virtual ~Form() = default;

  // A property read: a new text owned by the caller, missing when the value is empty.
  virtual Text ReadText(Control control, int property) = 0;
  // A property write; a missing text counts as empty.
  virtual void WriteText(Control control, int property, const Text& text) = 0;

  virtual int32_t ClientWidth(Control window) = 0;
  virtual int32_t ClientHeight(Control window) = 0;
  // Moves a control within its parent's client area. A width or height of -1 keeps the
  // current one; an unchanged rectangle moves nothing.
  virtual void MoveControl(Control control, const Place& place) = 0;

  virtual void BrowserNavigate(Control view, const Text& address) = 0;
  virtual void BrowserCommand(Control view, int32_t number) = 0;  // 0-9, others do nothing

  virtual void SetStatusPartText(Control bar, int32_t part, const Text& text) = 0;
  virtual void SetStatusPartWidth(Control bar, int32_t part, int32_t width) = 0;
};

// What a handler gives back: nothing, or a logical value.
using HandlerResult = std::optional<bool>;
// A handler receives its event's arguments in order: at most five 32-bit values.
using Handler = HandlerResult (*)(Form& form, std::span<const int32_t> args);

}  // namespace vx
