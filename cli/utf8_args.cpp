#include "cli/utf8_args.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h before shellapi.h, which needs its types.
#include <shellapi.h>

#include <cstdio>
#include <memory>
#endif

namespace vaneko::cli {

namespace {

#ifdef _WIN32
// A NUL-terminated UTF-16 text as UTF-8; false when Windows cannot convert it.
bool WideToUtf8(const wchar_t* wide, std::string& utf8) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return false;
  utf8.assign(static_cast<std::size_t>(size), '\0');
  if (WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr) != size) {
    return false;
  }
  utf8.pop_back();  // the converted terminator
  return true;
}

// The arguments from the wide command line, or nothing when they cannot be read.
std::vector<std::string> WideArguments() {
  int count = 0;
  const std::unique_ptr<LPWSTR[], decltype(&LocalFree)> wide(
      CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
  if (!wide || count <= 0) return {};
  std::vector<std::string> texts(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    if (!WideToUtf8(wide[k], texts[static_cast<std::size_t>(k)])) return {};
  }
  return texts;
}
#endif

}  // namespace

Utf8Arguments::Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
  texts_ = WideArguments();
#endif
  if (texts_.empty()) texts_.assign(argv, argv + argc);
  for (std::string& text : texts_) pointers_.push_back(text.data());
  pointers_.push_back(nullptr);
}

void UseUtf8Console() {
#ifdef _WIN32
  SetConsoleOutputCP(CP_UTF8);
  std::fflush(stdout);
  std::fflush(stderr);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
}

}  // namespace vaneko::cli
