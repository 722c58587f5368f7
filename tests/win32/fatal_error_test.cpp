// The fatal-error report: the box's text, and the end of the process with -1 after it.

#include <ole2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "app/main_window.h"
#include "fatal_error_box.h"
#include "form_runtime.h"
#include "ui/fatal_error.h"

namespace vx::win32 {
namespace {

std::wstring Format(std::string_view message, size_t room = 2048) {
  std::wstring buffer(room, L'#');
  const std::wstring_view text = FormatFatalErrorText(message, buffer);
  EXPECT_EQ(buffer[text.size()], L'\0');
  return std::wstring(text);
}

TEST(FatalErrorText, LeadEmptyLineMessageAndFinalLineBreak) {
  EXPECT_EQ(Format("载入启动窗口失败"), L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n");
  EXPECT_EQ(Format(""), L"运行时出错!\r\n\r\n错误信息：\r\n");
}

TEST(FatalErrorText, ALongMessageIsCutToTheBufferAtACharacterBoundary) {
  const std::wstring lead = L"运行时出错!\r\n\r\n错误信息：";
  // Room for the lead, one CJK character (3 UTF-8 bytes) plus two units, and the NUL.
  const std::wstring text = Format("内存不足", lead.size() + 3 + 1);
  EXPECT_EQ(text.substr(0, lead.size() + 1), lead + L"内");
  EXPECT_LE(text.size(), lead.size() + 3);
  EXPECT_EQ(Format("x", 1), L"");
  EXPECT_TRUE(FormatFatalErrorText("x", std::span<wchar_t>()).empty());
}

void ShowOnStandardError(const wchar_t* text) {
  std::fputs("box shown:", stderr);
  std::string ascii;  // the message part is what the tests look for
  for (const wchar_t* c = text; *c; ++c)
    if (*c >= 0x20 && *c < 0x7F) ascii += static_cast<char>(*c);
  std::fputs(ascii.c_str(), stderr);
  std::fflush(stderr);
}

class FatalErrorDeathTest : public ::testing::Test {
 protected:
  void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(FatalErrorDeathTest, ReportShowsTheBoxReleasesTheWindowAndExitsWithMinusOne) {
  EXPECT_EXIT(
      {
        SetFatalErrorBoxForTesting(ShowOnStandardError);
        OleInitialize(nullptr);
        FormRuntime runtime(GetModuleHandleW(nullptr));
        if (!runtime.OpenWindow(MainWindowDefinition())) std::exit(3);
        vx::ReportFatalError("boom");
      },
      ::testing::ExitedWithCode(-1), "box shown:.*boom");
}

TEST_F(FatalErrorDeathTest, WithoutALiveRuntimeTheReportStillEndsWithMinusOne) {
  EXPECT_EXIT(
      {
        SetFatalErrorBoxForTesting(ShowOnStandardError);
        { FormRuntime gone(GetModuleHandleW(nullptr)); }
        vx::ReportFatalError("late");
      },
      ::testing::ExitedWithCode(-1), "box shown:.*late");
}

}  // namespace
}  // namespace vx::win32
