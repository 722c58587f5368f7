#include "app/layout.h"

namespace vx {
namespace {

constexpr int32_t kBrowserLeft = 0;
constexpr int32_t kBrowserTop = 50;
constexpr int32_t kWidthReduction = 5;
constexpr int32_t kHeightReduction = 55;  // the top offset plus 5 pixels below the browser
constexpr int32_t kStatusReserve = 60;    // status part 1 keeps the rightmost 60 pixels

}  // namespace

HandlerResult OnWindowSizeChanged(Form& form, std::span<const int32_t>) {
  const int32_t width = form.ClientWidth(Control::MainWindow);
  const int32_t height = form.ClientHeight(Control::MainWindow);
  form.MoveControl(Control::超文本浏览框,
                   {kBrowserLeft, kBrowserTop, width - kWidthReduction, height - kHeightReduction});
  const int32_t width_again = form.ClientWidth(Control::MainWindow);
  form.SetStatusPartWidth(Control::状态条1, 0, width_again - kStatusReserve);
  return std::nullopt;
}

}  // namespace vx
