#include "run_cli.h"

#ifdef _WIN32
#include <windows.h>

#include <mutex>
#include <thread>
#else
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#endif

namespace vaneko::testing {

std::string QuoteWindowsArgument(std::string_view arg) {
  if (!arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string_view::npos) {
    return std::string(arg);
  }
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes are literal unless a quote follows them: then each one is doubled, and the
    // quote itself is escaped.
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    quoted += c;
    backslashes = 0;
  }
  // The closing quote follows: the trailing backslashes are doubled so that it stays a quote.
  quoted.append(2 * backslashes, '\\');
  quoted += '"';
  return quoted;
}

#ifdef _WIN32

namespace {

std::wstring Widen(const std::string& utf8) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return wide;
}

// vaneko-cli.exe in the folder of the running program.
std::wstring CliPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.erase(path.find_last_of(L"\\/") + 1);
  return path + L"vaneko-cli.exe";
}

void ReadAll(HANDLE pipe, std::string& into) {
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) into.append(buffer, n);
}

}  // namespace

CliRun RunCli(const std::vector<std::string>& args) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE outRead = nullptr;
  HANDLE outWrite = nullptr;
  HANDLE errRead = nullptr;
  HANDLE errWrite = nullptr;
  // Pipes are made and handed to the child under one lock, and our copies of the write ends are
  // closed before the next child starts: no child inherits another's pipe and holds it open.
  static std::mutex spawning;
  std::unique_lock<std::mutex> lock(spawning);
  if (!CreatePipe(&outRead, &outWrite, &inheritable, 0)) return {};
  if (!CreatePipe(&errRead, &errWrite, &inheritable, 0)) {
    CloseHandle(outRead);
    CloseHandle(outWrite);
    return {};
  }
  // Only the write ends go to the child; it must not hold our read ends open.
  SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

  const std::wstring program = CliPath();
  std::wstring commandLine = L"\"" + program + L"\"";
  for (const std::string& arg : args) commandLine += L" " + Widen(QuoteWindowsArgument(arg));

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  PROCESS_INFORMATION process{};
  // Under wine on a loaded machine a start can fail for want of resources, before the program
  // runs at all: that is no output of the program's, so the start is tried again.
  BOOL started = FALSE;
  for (int attempt = 0; attempt < 5 && !started; ++attempt) {
    if (attempt > 0) Sleep(200 * attempt);
    started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                             CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
  }
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  lock.unlock();
  CliRun run;
  if (started) {
    // Both pipes are drained at once, so that a child filling one of them never blocks.
    std::thread errReader(ReadAll, errRead, std::ref(run.err));
    ReadAll(outRead, run.out);
    errReader.join();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.hProcess, &code)) run.exitCode = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(outRead);
  CloseHandle(errRead);
  return run;
}

#else

CliRun RunCli(const std::vector<std::string>& args) {
  // The arguments are ready before the fork: other threads may hold the allocator's lock, so
  // the child does nothing but redirect and exec. The pipes are close-on-exec, so a child
  // started by another thread holds none of ours open; dup2 clears the flag on 1 and 2.
  std::string program = VANEKO_CLI_PATH;
  std::vector<std::string> copies = args;
  std::vector<char*> argv;
  argv.push_back(program.data());
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  int outPipe[2];
  int errPipe[2];
  if (pipe2(outPipe, O_CLOEXEC) != 0) return {};
  if (pipe2(errPipe, O_CLOEXEC) != 0) {
    close(outPipe[0]);
    close(outPipe[1]);
    return {};
  }
  const pid_t child = fork();
  if (child == 0) {
    dup2(outPipe[1], STDOUT_FILENO);
    dup2(errPipe[1], STDERR_FILENO);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  if (child < 0) {
    for (const int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) close(fd);
    return {};
  }
  close(outPipe[1]);
  close(errPipe[1]);
  CliRun run;
  std::array<pollfd, 2> fds{{{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}}};
  int open = 2;
  while (open > 0 && poll(fds.data(), fds.size(), -1) > 0) {
    for (std::size_t k = 0; k < fds.size(); ++k) {
      if (fds[k].fd < 0 || (fds[k].revents & (POLLIN | POLLHUP)) == 0) continue;
      char buffer[4096];
      const ssize_t n = read(fds[k].fd, buffer, sizeof buffer);
      if (n <= 0) {
        close(fds[k].fd);
        fds[k].fd = -1;
        --open;
      } else {
        (k == 0 ? run.out : run.err).append(buffer, static_cast<std::size_t>(n));
      }
    }
  }
  int status = 0;
  waitpid(child, &status, 0);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

#endif

}  // namespace vaneko::testing
