#include "ui/event_delivery.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "fake_form.h"

namespace vx {
namespace {

std::vector<int32_t> g_seen;  // what the recording handler received

HandlerResult Record(Form&, std::span<const int32_t> args) {
  g_seen.assign(args.begin(), args.end());
  return std::nullopt;
}
HandlerResult Refuse(Form&, std::span<const int32_t>) { return false; }
HandlerResult Allow(Form&, std::span<const int32_t>) { return true; }

const EventBinding kBindings[] = {
    {Control::MainWindow, window_event::kSizeChanged, Record},
    {Control::超文本浏览框, browser_event::即将跳转, Refuse},
    {Control::超文本浏览框, browser_event::即将打开新窗口, Allow},
};
const WindowDefinition kDefinition{"", 1, 1, true, {}, kBindings, {}};

class Delivery : public ::testing::Test {
 protected:
  void SetUp() override { g_seen.clear(); }
  testing::FakeForm form{kDefinition};
  EventDelivery events{kDefinition, form};
};

TEST_F(Delivery, CallsTheBoundHandlerWithItsArgumentsInOrder) {
  const int32_t args[] = {7, -1, 3};
  const EventOutcome outcome = events.Raise(Control::MainWindow, window_event::kSizeChanged, args);
  EXPECT_TRUE(outcome.handled);
  EXPECT_EQ(outcome.value, std::nullopt);
  EXPECT_EQ(g_seen, (std::vector<int32_t>{7, -1, 3}));
}

TEST_F(Delivery, PermissionIsRefusedOnlyByAHandlerReturningFalse) {
  EXPECT_FALSE(events.Raise(Control::超文本浏览框, browser_event::即将跳转).Allows());
  EXPECT_TRUE(events.Raise(Control::超文本浏览框, browser_event::即将打开新窗口).Allows());
  EXPECT_TRUE(events.Raise(Control::MainWindow, window_event::kSizeChanged).Allows());
  const EventOutcome unbound = events.Raise(Control::MainWindow, window_event::kCloseQuery);
  EXPECT_FALSE(unbound.handled);
  EXPECT_TRUE(unbound.Allows());
}

TEST_F(Delivery, SuspendedEventsAreDroppedNotQueuedAndStoppedStaysStopped) {
  events.Suspend();
  EXPECT_FALSE(events.Raise(Control::MainWindow, window_event::kSizeChanged).handled);
  events.Resume();
  EXPECT_TRUE(g_seen.empty());  // nothing was delivered late
  EXPECT_TRUE(events.Raise(Control::MainWindow, window_event::kSizeChanged).handled);

  events.Stop();
  events.Resume();
  EXPECT_FALSE(events.Raise(Control::超文本浏览框, browser_event::即将跳转).handled);
  EXPECT_TRUE(events.Raise(Control::超文本浏览框, browser_event::即将跳转).Allows());
}

}  // namespace
}  // namespace vx
