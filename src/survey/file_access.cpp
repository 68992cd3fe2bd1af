#include "survey/file_access.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>
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
  if (a == b) return true;
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  struct stat first, second;
  if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool FileAccess::List(const std::string& folder, std::vector<std::string>& names, bool& missing,
                      std::string& error) {
  namespace fs = std::filesystem;
  names.clear();
  missing = false;
  std::error_code ec;
  const fs::path path(folder);
  if (!fs::exists(path, ec)) {
    if (!ec) missing = true;
    error = ec.message();
    return !ec;
  }
  if (!fs::is_directory(path, ec)) {
    error = (ec ? ec : std::make_error_code(std::errc::not_a_directory)).message();
    return false;
  }
  fs::directory_iterator it(path, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
  }
  if (ec) error = ec.message();
  return !ec;
}

FileAccess& FileAccess::System() {
  static FileAccess system;
  return system;
}

}  // namespace orbica
