#include "feedback/browser_handlers.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "fake_form.h"

namespace vx {
namespace {

using testing::FakeForm;

class BrowserHandlers : public ::testing::Test {
 protected:
  void SetStatusText(const std::string& text) {
    form.properties[{Control::超文本浏览框, property::kBrowserStatusText}] = text;
  }
  std::string Caption() { return std::string(form.ReadText(Control::MainWindow, 8).view()); }

  FakeForm form{MainWindowDefinition()};
};

TEST_F(BrowserHandlers, StatusTextGoesIntoPartZeroAndAnEmptyOneClearsIt) {
  SetStatusText("http://encyclopedia.test/a");
  OnBrowserStatusTextChanged(form, {});
  EXPECT_EQ(form.status_bar.shown[0], "http://encyclopedia.test/a");
  SetStatusText("");
  OnBrowserStatusTextChanged(form, {});
  EXPECT_EQ(form.status_bar.shown[0], "");
  EXPECT_FALSE(form.status_parts.part(0).text.missing());
}

TEST_F(BrowserHandlers, TitleBecomesTheCaptionAndAnEmptyTitleEmptiesIt) {
  form.properties[{Control::MainWindow, property::kWindowCaption}] = "Vellumix-";
  form.properties[{Control::超文本浏览框, property::kBrowserCaption}] = "\xB4\xCA\xCC\xF5";
  OnBrowserTitleChanged(form, {});
  EXPECT_EQ(Caption(), "\xB4\xCA\xCC\xF5");
  form.properties.erase({Control::超文本浏览框, property::kBrowserCaption});
  OnBrowserTitleChanged(form, {});
  EXPECT_EQ(Caption(), "");
}

TEST_F(BrowserHandlers, CommandStateShowsWhichCommandChangedNotWhetherAllowed) {
  const std::tuple<int32_t, int32_t, const char*> cases[] = {{kCommandForward, 1, "0"},
                                                             {kCommandForward, 0, "0"},
                                                             {kCommandBack, 1, "1"},
                                                             {kCommandBack, 0, "1"}};
  for (const auto& [command, allowed, shown] : cases) {
    const int32_t args[] = {command, allowed};
    OnBrowserCommandStateChanged(form, args);
    EXPECT_EQ(form.status_bar.shown[1], shown);
  }
  EXPECT_EQ(form.status_bar.shown[0], "");  // part 0 untouched
}

TEST_F(BrowserHandlers, NewWindowIsAlwaysRefusedAndOpensTheStatusTextHere) {
  EXPECT_EQ(OnBrowserNewWindow(form, {}), false);  // never any status text yet
  SetStatusText("");
  EXPECT_EQ(OnBrowserNewWindow(form, {}), false);
  EXPECT_TRUE(form.navigations.empty());

  SetStatusText("http://encyclopedia.test/link");
  EXPECT_EQ(OnBrowserNewWindow(form, {}), false);
  SetStatusText("完成");  // not an address: handed on all the same
  EXPECT_EQ(OnBrowserNewWindow(form, {}), false);
  EXPECT_EQ(form.navigations, (std::vector<std::string>{"http://encyclopedia.test/link", "完成"}));
}

TEST_F(BrowserHandlers, NestedNotificationsDuringANewWindowNavigation) {
  SetStatusText("http://encyclopedia.test/link");
  form.on_navigate = [&](const std::string&) {
    SetStatusText("");  // the component reports while still inside the outer notification
    OnBrowserStatusTextChanged(form, {});
  };
  EXPECT_EQ(OnBrowserNewWindow(form, {}), false);
  EXPECT_EQ(form.navigations.size(), 1u);
  EXPECT_EQ(form.status_bar.shown[0], "");
}

TEST_F(BrowserHandlers, BeforeNavigateLetsEveryNavigationProceed) {
  EXPECT_EQ(OnBrowserBeforeNavigate(form, {}), std::nullopt);
}

}  // namespace
}  // namespace vx
