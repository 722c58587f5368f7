#include "app/keyboard_order.h"

#include <gtest/gtest.h>

#include <set>

#include "app/main_window.h"

namespace vx {
namespace {

using enum Control;

TEST(KeyboardOrder, MainWindowIsTheReverseOfTheDefinition) {
  EXPECT_EQ(
      KeyboardOrder(MainWindowDefinition()),
      (std::vector<Control>{超文本浏览框, 编辑框_搜索框, 按钮_进入词条, 按钮_搜索词条, 按钮_刷新}));
}

TEST(KeyboardOrder, SortsByOrderValueThenLaterDefinedFirst) {
  const ControlDefinition controls[] = {
      {按钮_刷新, "a", ControlKind::PushButton, MainWindow, 0, 0, 1, 1, "", true, 2},
      {标签1, "b", ControlKind::Label, MainWindow, 0, 0, 1, 1, "", false, 0},
      {按钮_搜索词条, "c", ControlKind::PushButton, MainWindow, 0, 0, 1, 1, "", true, 1},
      {编辑框_搜索框, "d", ControlKind::EditBox, MainWindow, 0, 0, 1, 1, "", true, 2},
      {按钮_进入词条, "e", ControlKind::PushButton, MainWindow, 0, 0, 1, 1, "", true, 1},
  };
  const WindowDefinition definition{"", 1, 1, true, controls, {}, {}};
  EXPECT_EQ(KeyboardOrder(definition),
            (std::vector<Control>{按钮_进入词条, 按钮_搜索词条, 编辑框_搜索框, 按钮_刷新}));
}

TEST(KeyboardOrder, NextSkipsUnavailableControlsAndWrapsBothWays) {
  const auto order = KeyboardOrder(MainWindowDefinition());
  std::set<Control> unavailable;
  const auto available = [&](Control c) { return !unavailable.contains(c); };

  EXPECT_EQ(NextInKeyboardOrder(order, 按钮_刷新, true, available), 超文本浏览框);
  EXPECT_EQ(NextInKeyboardOrder(order, 超文本浏览框, false, available), 按钮_刷新);
  EXPECT_EQ(NextInKeyboardOrder(order, 编辑框_搜索框, true, available), 按钮_进入词条);

  unavailable = {超文本浏览框, 按钮_进入词条};
  EXPECT_EQ(NextInKeyboardOrder(order, 按钮_刷新, true, available), 编辑框_搜索框);
  EXPECT_EQ(NextInKeyboardOrder(order, 编辑框_搜索框, false, available), 按钮_刷新);
  EXPECT_EQ(NextInKeyboardOrder(order, 编辑框_搜索框, true, available), 按钮_搜索词条);

  unavailable = {超文本浏览框, 编辑框_搜索框, 按钮_进入词条, 按钮_搜索词条};
  EXPECT_EQ(NextInKeyboardOrder(order, 按钮_刷新, true, available), 按钮_刷新);
  unavailable.insert(按钮_刷新);
  EXPECT_EQ(NextInKeyboardOrder(order, 按钮_刷新, true, available), std::nullopt);
  EXPECT_EQ(NextInKeyboardOrder(order, 标签1, true, available), std::nullopt);  // not a stop
}

TEST(FocusHolder, TheFocusWindowsControlElseItsParentsElseNone) {
  EXPECT_EQ(FocusHolder(编辑框_搜索框, std::nullopt), 编辑框_搜索框);  // the control's own window
  EXPECT_EQ(FocusHolder(std::nullopt, 超文本浏览框), 超文本浏览框);    // one level down
  EXPECT_EQ(FocusHolder(std::nullopt, std::nullopt), std::nullopt);    // two or more levels down
}

}  // namespace
}  // namespace vx
