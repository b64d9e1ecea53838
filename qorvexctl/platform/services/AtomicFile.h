#pragma once
// Files that are replaced whole: a reader (or the next start after a crash) sees either the old
// contents or the new ones, never a mixture or a truncated file. Writers that must not lose each
// other's changes take a FileLock around read-modify-write.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace qorvexctl::platform {

// Replaces `path` with `contents`: a temporary file in the same folder is written and fsynced,
// renamed over `path`, and the folder is fsynced so the rename itself survives a power loss.
// Creates missing folders. False (and `path` untouched) on any failure.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents,
                         mode_t mode = 0644);

// The whole file as bytes, or nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Removes temporary files a killed writer of `path` left behind. Call it only while holding
// the FileLock that all writers of `path` take.
void RemoveStaleTemporaries(const std::filesystem::path& path);

// An exclusive flock(2) on a lock file beside the data, held from construction to
// destruction. Works between processes and between two locks of one process.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& lockFile);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // False when the lock file could not be opened or locked.
  bool Locked() const { return m_fd >= 0; }

 private:
  int m_fd = -1;
};

}  // namespace qorvexctl::platform
