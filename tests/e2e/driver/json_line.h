#pragma once
// One JSON object per output line: the test side reads the driver's answers with json.loads.

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view text);

class JsonLine {
 public:
  JsonLine& Add(std::string_view key, std::wstring_view text);
  JsonLine& Add(std::string_view key, long long number);
  JsonLine& AddHandle(std::string_view key, HWND window);
  JsonLine& AddNumbers(std::string_view key, const std::vector<long long>& values);
  JsonLine& AddTexts(std::string_view key, const std::vector<std::wstring>& texts);
  JsonLine& AddBool(std::string_view key, bool value);
  void Print();  // writes the object and a newline to stdout

 private:
  void Key(std::string_view key);
  std::string body_;
};

// An error line, {"error": message}.
void PrintError(std::wstring_view message);

}  // namespace e2e
