#include <windows.h>
#include <gtest/gtest.h>
TEST(Smoke, AnsiCodePageIsGbk) { EXPECT_EQ(GetACP(), 936u); }
