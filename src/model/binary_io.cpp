#include "model/binary_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <stdexcept>
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

std::string NotRegularFileMessage(const std::string& path) {
  return "\"" + std::filesystem::path(path).filename().string() +
         "\" is not a regular file (a named pipe, device or folder); it is not read.";
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

bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size, std::string* error) {
  const std::string temp = path + ".tmp";
  auto fail = [&](int err, bool remove) {
    if (error) *error = std::strerror(err);
    if (remove) ::unlink(temp.c_str());
    return false;
  };
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return fail(errno, false);
  const char* p = static_cast<const char*>(data);
  std::size_t left = size;
  while (left > 0) {
    const ssize_t put = ::write(fd, p, left);
    if (put < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      return fail(err, true);
    }
    p += put;
    left -= static_cast<std::size_t>(put);
  }
  if (::fsync(fd) != 0 && errno != EINVAL) {
    const int err = errno;
    ::close(fd);
    return fail(err, true);
  }
  if (::close(fd) != 0) return fail(errno, true);
  if (std::rename(temp.c_str(), path.c_str()) != 0) return fail(errno, true);
  return true;
}

}  // namespace orbica
