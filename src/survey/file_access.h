// The file operations of the subpopulation store, behind one small interface so
// that tests can stand in for file systems the test machine does not have (one
// that ignores case, a file that cannot be read even by the superuser).
#pragma once

#include <string>
#include <vector>

namespace orbica {

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  // The whole file; false when it cannot be opened or read.
  virtual bool Read(const std::string& path, std::vector<unsigned char>& bytes);
  // Replaces the file safely (temporary file, then renamed); on failure `error` says why.
  virtual bool Write(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error);
  // Deletes the file; a file that is already gone counts as deleted.
  virtual bool Remove(const std::string& path, std::string& error);
  // Whether the two paths name one existing file (same device and inode), however
  // they are spelled; false when either does not exist.
  virtual bool SameFile(const std::string& a, const std::string& b);

  // The real file system.
  static FileAccess& System();
};

}  // namespace orbica
