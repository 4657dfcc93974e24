// The command line as UTF-8, on every platform.
//
// Windows hands a program its `argv` in the ANSI code page, so "Kilomètre" typed in a console
// arrives as "Kilom\xE8tre" (or with a '?' for characters the code page lacks) and matches no
// unit. There the arguments are read again from the wide command line and converted to UTF-8,
// and the console is told to show our output as UTF-8. Elsewhere the arguments already are the
// bytes the user typed and pass through unchanged.
#pragma once

#include <string>
#include <vector>

namespace vaneko::cli {

class Utf8Arguments {
 public:
  // Windows: takes the arguments from GetCommandLineW() and ignores `argv`, unless the wide
  // command line cannot be read. Elsewhere: copies `argv`.
  Utf8Arguments(int argc, char** argv);
  Utf8Arguments(const Utf8Arguments&) = delete;
  Utf8Arguments& operator=(const Utf8Arguments&) = delete;

  int argc() const { return static_cast<int>(texts_.size()); }
  // A null-terminated array of argc() pointers into this object's strings.
  char** argv() { return pointers_.data(); }

 private:
  std::vector<std::string> texts_;
  std::vector<char*> pointers_;
};

// Makes the standard streams carry UTF-8 bytes unchanged: on Windows, the console shows them as
// UTF-8 and no "\n" becomes "\r\n", so a pipe or a file receives exactly the bytes written on
// every platform. Does nothing elsewhere.
void UseUtf8Console();

}  // namespace vaneko::cli
