#include "qorvexctl/platform/services/AtomicFile.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qorvexctl::platform {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

std::filesystem::path FolderOf(const std::filesystem::path& path) {
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// Writes the temporary file completely and durably; false on any failure.
bool FillTemporary(int fd, std::string_view contents, mode_t mode) {
  return ::fchmod(fd, mode) == 0 && WriteAll(fd, contents) && ::fsync(fd) == 0;
}

}  // namespace

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view contents,
                         mode_t mode) {
  const std::filesystem::path folder = FolderOf(path);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::string temporary = path.string() + std::string(kTemporaryMark) + "XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  const bool filled = FillTemporary(fd, contents, mode);
  const bool closed = ::close(fd) == 0;
  if (!filled || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The new contents are in place; syncing the folder only makes the rename itself durable,
  // so a folder that cannot be synced does not make the write fail.
  SyncFolder(folder);
  return true;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  // One read of the size the file has now; a file that grows meanwhile is read on.
  struct stat status {};
  std::string bytes;
  if (::fstat(fd, &status) == 0 && status.st_size > 0) {
    bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
  }
  std::size_t filled = 0;
  ssize_t got = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() + 65536);
    got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    filled += static_cast<std::size_t>(got);
  }
  ::close(fd);
  if (got < 0) return std::nullopt;
  bytes.resize(filled);
  return bytes;
}

void RemoveStaleTemporaries(const std::filesystem::path& path) {
  const std::string prefix = path.filename().string() + std::string(kTemporaryMark);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(FolderOf(path), error)) {
    if (entry.path().filename().string().starts_with(prefix)) {
      std::filesystem::remove(entry.path(), error);
    }
  }
}

FileLock::FileLock(const std::filesystem::path& lockFile) {
  std::error_code error;
  std::filesystem::create_directories(FolderOf(lockFile), error);
  m_fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (m_fd < 0) return;
  int result = 0;
  do {
    result = ::flock(m_fd, LOCK_EX);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    ::close(m_fd);
    m_fd = -1;
  }
}

FileLock::~FileLock() {
  if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
}

}  // namespace qorvexctl::platform
