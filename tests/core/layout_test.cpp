#include "app/layout.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "fake_form.h"

namespace vx {
namespace {

using testing::FakeForm;
using testing::Rect;

TEST(Layout, BrowserAndStatusPartsFollowTheClientArea) {
  struct Case {
    int32_t width, height;
    Rect browser;                // from a starting browser of 100 x 100 at (0, 50)
    std::vector<int32_t> edges;  // status part right edges
  };
  const Case cases[] = {
      {645, 302, {0, 50, 640, 247}, {585, 645}},
      {60, 200, {0, 50, 55, 145}, {0, 60}},      // part 0 has no width left
      {59, 200, {0, 50, 54, 145}, {-1, 0}},      // part 0 runs to the end, part 1 gets nothing
      {4, 200, {0, 50, 100, 145}, {-1, 0}},      // browser width -1 keeps the current width
      {300, 54, {0, 50, 295, 100}, {240, 300}},  // browser height -1 keeps the current height
      {0, 0, {0, 50, -5, -55}, {-1, 0}},         // minimised: handed on as computed
  };
  for (const auto& [width, height, browser, edges] : cases) {
    FakeForm form{MainWindowDefinition()};
    form.rects[Control::超文本浏览框] = {0, 50, 100, 100};
    form.client_width = width;
    form.client_height = height;
    OnWindowSizeChanged(form, {});
    EXPECT_EQ(form.rects[Control::超文本浏览框], browser) << width << " x " << height;
    EXPECT_EQ(form.status_bar.edges, edges) << width << " x " << height;
  }
}

TEST(Layout, OnlyTheBrowserMovesAndTheOtherControlsKeepTheirPlaces) {
  FakeForm form{MainWindowDefinition()};
  const auto before = form.rects;
  form.client_width = 900;
  form.client_height = 700;
  OnWindowSizeChanged(form, {});
  for (const auto& [control, rect] : before)
    if (control != Control::超文本浏览框) {
      EXPECT_EQ(form.rects[control], rect);
    }
}

TEST(Layout, UnchangedSizeMovesNothingButReappliesPartsWithTheirTexts) {
  FakeForm form{MainWindowDefinition()};
  OnWindowSizeChanged(form, {});
  form.SetStatusPartText(Control::状态条1, 0, Text::Copy("载入中"));
  form.SetStatusPartText(Control::状态条1, 1, Text::Copy("1"));
  form.status_bar.shown.clear();
  const int moves = form.moves, edge_changes = form.status_bar.edge_changes;

  OnWindowSizeChanged(form, {});
  EXPECT_EQ(form.moves, moves);
  EXPECT_EQ(form.status_bar.edge_changes, edge_changes + 1);
  EXPECT_EQ(form.status_bar.shown[0], "载入中");
  EXPECT_EQ(form.status_bar.shown[1], "1");
}

TEST(Layout, PartsComeBackAfterTheWindowWasTooNarrow) {
  FakeForm form{MainWindowDefinition()};
  for (int32_t width : {0, 40, 645}) {
    form.client_width = width;
    OnWindowSizeChanged(form, {});
  }
  EXPECT_EQ(form.status_bar.edges, (std::vector<int32_t>{585, 645}));
}

}  // namespace
}  // namespace vx
