#include "lookup/commands.h"

#include <gtest/gtest.h>

#include "app/main_window.h"
#include "fake_form.h"
#include "lookup/settings.h"

namespace vx {
namespace {

using testing::FakeForm;

class Commands : public ::testing::Test {
 protected:
  void TypeName(const std::string& name) {
    form.properties[{Control::编辑框_搜索框, property::kEditText}] = name;
  }
  FakeForm form{MainWindowDefinition()};
  const std::string prefix = "http://encyclopedia.test/searchword/?word=";
};

TEST_F(Commands, SearchAndCreateAddresses) {
  struct Case {
    std::string name, encoded;
  };
  const Case cases[] = {
      {"", ""},
      {"Vellumix42", "Vellumix42"},
      {"a b%c&d#e=f", "a%20b%25c%26d%23e%3Df"},
      {"\xB4\xCA\xCC\xF5", "%B4%CA%CC%F5"},
  };
  for (const auto& [name, encoded] : cases) {
    form.navigations.clear();
    TypeName(name);
    OnSearchEntryClicked(form, {});
    OnCreateEntryClicked(form, {});
    ASSERT_EQ(form.navigations.size(), 2u);
    EXPECT_EQ(form.navigations[0], prefix + encoded + "&pic=2&sug=1&oq=" + encoded) << name;
    EXPECT_EQ(form.navigations[1], prefix + encoded + "&pic=1&sug=1") << name;
  }
}

TEST_F(Commands, AddressLengthsFollowTheEncodedName) {
  const std::string name(1000, '\xFF');
  TypeName(name);
  OnSearchEntryClicked(form, {});
  OnSearchEntryClicked(form, {});
  OnCreateEntryClicked(form, {});
  const std::size_t host = EncyclopediaHost().size(), encoded = 3 * name.size();
  EXPECT_EQ(form.navigations[0].size(), 41 + host + 2 * encoded);
  EXPECT_EQ(form.navigations[1], form.navigations[0]);  // the same name, byte for byte
  EXPECT_EQ(form.navigations[2].size(), 37 + host + encoded);
}

TEST_F(Commands, RefreshSendsCommandFourAndNavigatesNowhere) {
  OnRefreshClicked(form, {});
  EXPECT_EQ(form.commands, std::vector<int32_t>{kCommandRefresh});
  EXPECT_TRUE(form.navigations.empty());
}

}  // namespace
}  // namespace vx
