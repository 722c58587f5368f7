// The end-to-end tests' driver: finds the program's windows in the same Wine prefix, reads them
// and acts on them as a user or the system would.
//
//   driver <command> <arguments...>   runs one command; exit code 0 on success
//   driver serve                      reads commands from stdin, one per line, words separated by
//                                     tabs (UTF-8); after each prints {"end": true|false}
//
// Every answer is one JSON object per line (see commands.cpp for the commands).

#include <windows.h>

#include <string>

#include "commands.h"
#include "json_line.h"

namespace {

// Reads one line from stdin (a pipe); false at its end.
bool ReadLine(std::string& line) {
  line.clear();
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  for (;;) {
    char c = 0;
    DWORD read = 0;
    if (!ReadFile(input, &c, 1, &read, nullptr) || read == 0) return !line.empty();
    if (c == '\n') return true;
    if (c != '\r') line += c;
  }
}

e2e::Arguments SplitAtTabs(const std::string& line) {
  e2e::Arguments words;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    words.push_back(e2e::FromUtf8(line.substr(start, tab - start)));
    if (tab == std::string::npos) return words;
    start = tab + 1;
  }
}

int Serve() {
  std::string line;
  while (ReadLine(line)) {
    if (line.empty()) continue;
    bool ok = e2e::RunCommand(SplitAtTabs(line));
    e2e::JsonLine().AddBool("end", ok).Print();
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && std::wstring(argv[1]) == L"serve") return Serve();
  return e2e::RunCommand(e2e::Arguments(argv + 1, argv + argc)) ? 0 : 1;
}
