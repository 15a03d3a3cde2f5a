#include "bench/child_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace lemmbench {

std::string SelfPath() {
  char path[4096];
  const ssize_t size = readlink("/proc/self/exe", path, sizeof(path) - 1);
  return size > 0 ? std::string(path, static_cast<size_t>(size)) : std::string();
}

bool RunCapture(const std::vector<std::string>& argv, std::string& output) {
  output.clear();
  int pipeEnds[2];
  if (argv.empty() || pipe(pipeEnds) != 0) return false;
  const pid_t child = fork();
  if (child < 0) {
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    return false;
  }
  if (child == 0) {
    dup2(pipeEnds[1], STDOUT_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(pipeEnds[1]);
  char buffer[4096];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof(buffer))) != 0;) {
    if (n > 0)
      output.append(buffer, static_cast<size_t>(n));
    else if (errno != EINTR)
      break;
  }
  close(pipeEnds[0]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string directories = path == nullptr ? "/usr/bin:/bin" : path;
  size_t start = 0;
  while (start <= directories.size()) {
    size_t end = directories.find(':', start);
    if (end == std::string::npos) end = directories.size();
    const std::string candidate = directories.substr(start, end - start) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace lemmbench
