#include "model/binary_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orbica {

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>& bytes) {
  bytes.clear();
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  unsigned char buffer[1 << 16];
  bool ok = true;
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, f);
    bytes.insert(bytes.end(), buffer, buffer + got);
    if (got < sizeof buffer) {
      ok = !std::ferror(f);
      break;
    }
  }
  std::fclose(f);
  return ok;
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
