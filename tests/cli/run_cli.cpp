#include "run_cli.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>

namespace vaneko::testing {

CliRun RunCli(const std::vector<std::string>& args) {
  int outPipe[2];
  int errPipe[2];
  if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return {};
  const pid_t child = fork();
  if (child == 0) {
    dup2(outPipe[1], STDOUT_FILENO);
    dup2(errPipe[1], STDERR_FILENO);
    close(outPipe[0]);
    close(errPipe[0]);
    std::vector<char*> argv;
    std::string program = VANEKO_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
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

}  // namespace vaneko::testing
