#include "qorvexctl/platform/services/ShellOpener.h"

#include <cerrno>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qorvexctl::platform {

namespace {

// Runs `program target` from `workingFolder` in a grandchild so that nobody has to reap it: the
// child spawns the program and exits at once, and init adopts the program. The exit status of the
// child says whether the spawn worked.
bool SpawnDetached(const std::string& program, const std::string& target,
                   const std::string& workingFolder) {
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    ::setsid();
    if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0) ::_exit(1);
    pid_t grandchild = 0;
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(target.c_str()), nullptr};
    const int spawned =
        ::posix_spawnp(&grandchild, program.c_str(), nullptr, nullptr, argv, environ);
    ::_exit(spawned == 0 ? 0 : 1);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool XdgShellOpener::Open(std::string_view target, const std::string& workingFolder) {
  if (target.empty()) return false;
  return SpawnDetached(m_program, std::string(target), workingFolder);
}

bool RecordingShellOpener::Open(std::string_view target, const std::string& workingFolder) {
  m_opened.emplace_back(target);
  m_folders.push_back(workingFolder);
  return m_succeed;
}

}  // namespace qorvexctl::platform
