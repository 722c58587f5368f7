#include "app/status_parts.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "fake_form.h"

namespace vx {
namespace {

using testing::RecordingStatusBar;

TEST(StatusParts, RightEdgesFromWidths) {
  const std::pair<std::vector<int32_t>, std::vector<int32_t>> cases[] = {
      {{550, 60}, {550, 610}},          {{0, 60}, {0, 60}}, {{-1, 60}, {-1, 0}},
      {{10, -1, 5, 5}, {10, -1, 0, 0}}, {{}, {}},
  };
  for (const auto& [widths, edges] : cases) EXPECT_EQ(StatusParts::RightEdges(widths), edges);
}

class StatusPartsModel : public ::testing::Test {
 protected:
  RecordingStatusBar bar;
  StatusParts parts{MainWindowDefinition().status_parts, bar};
};

TEST_F(StatusPartsModel, StartsFromTheDefinition) {
  parts.Apply();
  EXPECT_EQ(bar.edges, (std::vector<int32_t>{550, 610}));
  EXPECT_EQ(bar.tips[0], "状态文本");
  EXPECT_EQ(bar.tips[1], "命令");
  EXPECT_EQ(bar.shown[0], "");
  EXPECT_EQ(bar.shown[1], "");
}

TEST_F(StatusPartsModel, WidthBelowMinusOneIsStoredAsMinusOne) {
  parts.SetWidth(0, -55);
  EXPECT_EQ(parts.part(0).width, -1);
  EXPECT_EQ(bar.edges, (std::vector<int32_t>{-1, 0}));
}

TEST_F(StatusPartsModel, PartNumbersOutsideThePartsChangeNothing) {
  parts.SetText(0, Text::Copy("a"));
  for (int32_t index : {-1, 2}) {
    parts.SetText(index, Text::Copy("x"));
    parts.SetWidth(index, 10);
  }
  EXPECT_EQ(bar.shown.size(), 1u);
  EXPECT_EQ(bar.edge_changes, 0);
  EXPECT_EQ(parts.part(0).width, 550);
  EXPECT_EQ(parts.part(1).width, 60);
}

TEST_F(StatusPartsModel, TextSurvivesAWidthChangeAndKeepsTheOtherFields) {
  parts.SetText(0, Text::Copy("正在载入"));
  parts.SetText(1, Text());  // a missing text shows as empty
  bar.shown.clear();
  parts.SetWidth(0, 300);
  EXPECT_EQ(bar.shown[0], "正在载入");
  EXPECT_EQ(bar.shown[1], "");
  EXPECT_EQ(parts.part(0).tip, "状态文本");
  EXPECT_EQ(parts.part(0).border, BorderStyle::Normal);
}

TEST_F(StatusPartsModel, ABarThatRefusesTheEdgesKeepsWhatItShowed) {
  parts.SetText(0, Text::Copy("a"));
  bar.refuse_edges = true;
  bar.shown.clear();
  parts.SetWidth(0, 100);
  EXPECT_TRUE(bar.shown.empty());
  EXPECT_EQ(parts.part(0).width, 100);  // the record still changed
}

}  // namespace
}  // namespace vx
