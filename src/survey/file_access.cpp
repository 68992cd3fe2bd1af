#include "survey/file_access.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "model/binary_io.h"

namespace orbica {

bool FileAccess::Read(const std::string& path, std::vector<unsigned char>& bytes) {
  return ReadWholeFile(path, bytes);
}

bool FileAccess::Write(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error) {
  return WriteFileAtomically(path, bytes.data(), bytes.size(), &error);
}

bool FileAccess::Remove(const std::string& path, std::string& error) {
  if (::unlink(path.c_str()) == 0 || errno == ENOENT) return true;
  error = std::strerror(errno);
  return false;
}

bool FileAccess::SameFile(const std::string& a, const std::string& b) {
  struct stat first, second;
  if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

FileAccess& FileAccess::System() {
  static FileAccess system;
  return system;
}

}  // namespace orbica
