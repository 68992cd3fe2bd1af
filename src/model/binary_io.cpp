#include "model/binary_io.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbica {

InputFile::~InputFile() { Close(); }

void InputFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

InputStatus InputFile::Open(const std::string& path) {
  Close();
  size_ = 0;
  // O_NONBLOCK makes the open itself return at once for a named pipe that
  // nobody writes to; O_NOCTTY keeps a terminal device from becoming ours.
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return status_ = InputStatus::CannotOpen;
  struct stat info;
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    return status_ = InputStatus::CannotOpen;
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    return status_ = InputStatus::NotRegular;
  }
  // Regular files never block; blocking reads are simply the normal ones.
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  fd_ = fd;
  size_ = static_cast<std::uint64_t>(info.st_size);
  return status_ = InputStatus::Ok;
}

std::size_t InputFile::Read(void* buffer, std::size_t size) {
  if (fd_ < 0) return 0;
  char* p = static_cast<char*>(buffer);
  std::size_t got = 0;
  while (got < size) {
    // Single reads stay below what every kernel accepts in one call.
    const std::size_t want = std::min<std::size_t>(size - got, std::size_t{1} << 30);
    const ssize_t n = ::read(fd_, p + got, want);
    if (n < 0) {
      if (errno == EINTR) continue;
      status_ = InputStatus::ReadFailed;
      break;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got;
}

Message NotRegularFileMessage(const std::string& path) {
  return {MessageId::NotRegularFile, {std::filesystem::path(path).filename().string()}};
}

InputStatus ReadInputFile(const std::string& path, std::vector<unsigned char>& bytes, std::uint64_t maxBytes,
                          std::uint64_t* fileSize) {
  bytes.clear();
  InputFile file;
  if (const InputStatus status = file.Open(path); status != InputStatus::Ok) return status;
  if (fileSize) *fileSize = file.Size();
  try {
    // The size may change while the file is read: what is there at the end counts.
    std::uint64_t want = std::min(file.Size(), maxBytes);
    bytes.resize(static_cast<std::size_t>(want));
    std::size_t have = file.Read(bytes.data(), bytes.size());
    if (have == bytes.size() && have < maxBytes) {
      unsigned char more[1 << 16];
      while (have < maxBytes) {
        const std::size_t n =
            file.Read(more, static_cast<std::size_t>(std::min<std::uint64_t>(sizeof more, maxBytes - have)));
        if (n == 0) break;
        bytes.insert(bytes.end(), more, more + n);
        have += n;
      }
    }
    bytes.resize(have);
  } catch (const std::bad_alloc&) {
    bytes.clear();
    bytes.shrink_to_fit();
    return InputStatus::NoMemory;
  } catch (const std::length_error&) {
    bytes.clear();
    bytes.shrink_to_fit();
    return InputStatus::NoMemory;
  }
  return file.Status();
}

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes) {
  return ReadInputFile(path, bytes) == InputStatus::Ok;
}

namespace {

// Temporaries are "<target>.tmp-" followed by six characters that mkstemp picks.
constexpr const char* kTemporaryInfix = ".tmp-";
constexpr std::size_t kTemporarySuffixLength = 6;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The mode a new file gets from the process's umask (read without changing it).
mode_t DefaultFileMode() {
  mode_t mask = 022;
  if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, status))
      if (std::strncmp(line, "Umask:", 6) == 0) {
        mask = static_cast<mode_t>(std::strtoul(line + 6, nullptr, 8));
        break;
      }
    std::fclose(status);
  }
  return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool IsTemporaryFileName(const std::string& name) {
  const std::size_t at = name.rfind(kTemporaryInfix);
  if (at == std::string::npos || at == 0) return false;
  const std::size_t suffix = at + std::strlen(kTemporaryInfix);
  if (name.size() - suffix != kTemporarySuffixLength) return false;
  for (std::size_t i = suffix; i < name.size(); ++i)
    if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
  return true;
}

int RemoveStaleTemporaries(const std::string& folder, std::int64_t maxAgeSeconds) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return 0;
  const std::time_t now = std::time(nullptr);
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (!IsTemporaryFileName(name)) continue;
    const std::string path = folder + "/" + name;
    struct stat st;
    // Only plain files of our own naming go; a planted link is left where it is.
    if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
    if (now - st.st_mtime <= maxAgeSeconds) continue;
    if (::unlink(path.c_str()) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size, std::string* error) {
  std::string temp = path + kTemporaryInfix + "XXXXXX";
  auto fail = [&](int err, bool remove) {
    if (error) *error = std::strerror(err);
    if (remove) ::unlink(temp.c_str());
    return false;
  };
  // mkostemp creates the file exclusively (O_CREAT | O_EXCL), so a link planted
  // under the name is never followed, and the name cannot be guessed beforehand.
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return fail(errno, false);
  auto failOpen = [&](int err) {
    ::close(fd);
    return fail(err, true);
  };
  // The new file keeps the permissions of the one it replaces.
  struct stat target;
  const mode_t mode = ::stat(path.c_str(), &target) == 0 ? (target.st_mode & 07777) : DefaultFileMode();
  if (::fchmod(fd, mode) != 0) return failOpen(errno);
  const char* p = static_cast<const char*>(data);
  std::size_t left = size;
  while (left > 0) {
    const ssize_t put = ::write(fd, p, left);
    if (put < 0) {
      if (errno == EINTR) continue;
      return failOpen(errno);
    }
    p += put;
    left -= static_cast<std::size_t>(put);
  }
  if (::fsync(fd) != 0 && errno != EINVAL) return failOpen(errno);
  if (::close(fd) != 0) return fail(errno, true);
  if (std::rename(temp.c_str(), path.c_str()) != 0) return fail(errno, true);
  // The new file is in place; syncing the folder makes the rename itself durable
  // and is done as well as the file system allows.
  const std::string folder = FolderOf(path);
  SyncFolder(folder);
  RemoveStaleTemporaries(folder, kStaleTemporarySeconds);
  return true;
}

}  // namespace orbica
