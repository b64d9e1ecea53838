#pragma once
// Opening an address or a file with the user's preferred application. The desktop's opener
// runs xdg-open without waiting for it; the recording opener, for tests, only notes what it
// was asked to open.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qorvexctl::platform {

class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  // Starts opening `target` (an http(s) address or a file path) from `workingFolder` (the
  // current folder when empty), so a relative path is found there; false when that could not
  // be started.
  virtual bool Open(std::string_view target, const std::string& workingFolder = {}) = 0;
};

class XdgShellOpener final : public ShellOpener {
 public:
  // `program` is what runs with the target as its only argument.
  explicit XdgShellOpener(std::string program = "xdg-open") : m_program(std::move(program)) {}
  bool Open(std::string_view target, const std::string& workingFolder = {}) override;

 private:
  std::string m_program;
};

class RecordingShellOpener final : public ShellOpener {
 public:
  bool Open(std::string_view target, const std::string& workingFolder = {}) override;
  const std::vector<std::string>& Opened() const { return m_opened; }
  // The working folder of each Open, in the same order.
  const std::vector<std::string>& WorkingFolders() const { return m_folders; }
  // What Open answers (true by default).
  void Succeed(bool succeed) { m_succeed = succeed; }

 private:
  std::vector<std::string> m_opened;
  std::vector<std::string> m_folders;
  bool m_succeed = true;
};

}  // namespace qorvexctl::platform
