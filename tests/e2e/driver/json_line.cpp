#include "json_line.h"

#include <cstdio>

namespace e2e {
namespace {

std::string Quoted(std::wstring_view text) {
  std::string out = "\"";
  for (char c : ToUtf8(text)) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void WriteStdout(const std::string& bytes) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

}  // namespace

std::string ToUtf8(std::wstring_view text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::wstring FromUtf8(std::string_view text) {
  if (text.empty()) return {};
  int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

void JsonLine::Key(std::string_view key) {
  body_ += body_.empty() ? "{" : ", ";
  body_ += '"';
  body_ += key;
  body_ += "\": ";
}

JsonLine& JsonLine::Add(std::string_view key, std::wstring_view text) {
  Key(key);
  body_ += Quoted(text);
  return *this;
}

JsonLine& JsonLine::Add(std::string_view key, long long number) {
  Key(key);
  body_ += std::to_string(number);
  return *this;
}

JsonLine& JsonLine::AddHandle(std::string_view key, HWND window) {
  return Add(key, static_cast<long long>(reinterpret_cast<uintptr_t>(window)));
}

JsonLine& JsonLine::AddNumbers(std::string_view key, const std::vector<long long>& values) {
  Key(key);
  body_ += '[';
  const char* separator = "";
  for (long long value : values) {
    body_ += separator + std::to_string(value);
    separator = ", ";
  }
  body_ += ']';
  return *this;
}

JsonLine& JsonLine::AddTexts(std::string_view key, const std::vector<std::wstring>& texts) {
  Key(key);
  body_ += '[';
  const char* separator = "";
  for (const auto& text : texts) {
    body_ += separator + Quoted(text);
    separator = ", ";
  }
  body_ += ']';
  return *this;
}

JsonLine& JsonLine::AddBool(std::string_view key, bool value) {
  Key(key);
  body_ += value ? "true" : "false";
  return *this;
}

void JsonLine::Print() {
  WriteStdout((body_.empty() ? std::string("{") : body_) + "}\n");
  body_.clear();
}

void PrintError(std::wstring_view message) { JsonLine().Add("error", message).Print(); }

}  // namespace e2e
