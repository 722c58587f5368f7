#include "fatal_error_box.h"

#include <algorithm>
#include <array>

namespace vx::win32 {
namespace {

constexpr std::wstring_view kLead = L"运行时出错!\r\n\r\n错误信息：";
constexpr std::wstring_view kEnd = L"\r\n";
constexpr wchar_t kTitle[] = L"错误";

FatalErrorBoxShower g_shower = nullptr;

void ShowMessageBox(const wchar_t* text) {
  MessageBoxW(nullptr, text, kTitle, MB_OK | MB_ICONERROR);
}

// A UTF-8 text never has fewer bytes than UTF-16 units, so `room` bytes always convert into
// `room` units; the cut backs off to the start of a character.
std::string_view CutUtf8(std::string_view text, size_t room) {
  if (text.size() <= room) return text;
  size_t end = room;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

size_t Append(std::span<wchar_t> buffer, size_t used, std::wstring_view text) {
  const size_t count = std::min(text.size(), buffer.size() - used);
  std::copy_n(text.begin(), count, buffer.begin() + static_cast<ptrdiff_t>(used));
  return used + count;
}

size_t AppendUtf8(std::span<wchar_t> buffer, size_t used, std::string_view utf8) {
  const std::string_view cut = CutUtf8(utf8, buffer.size() - used);
  if (cut.empty()) return used;
  const int converted = MultiByteToWideChar(CP_UTF8, 0, cut.data(), static_cast<int>(cut.size()),
                                            buffer.data() + used, static_cast<int>(cut.size()));
  return used + static_cast<size_t>(std::max(converted, 0));
}

}  // namespace

std::wstring_view FormatFatalErrorText(std::string_view utf8_message, std::span<wchar_t> buffer) {
  if (buffer.empty()) return {};
  const std::span<wchar_t> room = buffer.first(buffer.size() - 1);  // the NUL's place
  size_t used = Append(room, 0, kLead);
  used = AppendUtf8(room, used, utf8_message);
  used = Append(room, used, kEnd);
  buffer[used] = L'\0';
  return {buffer.data(), used};
}

void ShowFatalErrorBox(std::string_view utf8_message) {
  std::array<wchar_t, 2048> buffer;
  FormatFatalErrorText(utf8_message, buffer);
  (g_shower ? g_shower : ShowMessageBox)(buffer.data());
}

void SetFatalErrorBoxForTesting(FatalErrorBoxShower shower) { g_shower = shower; }

}  // namespace vx::win32
