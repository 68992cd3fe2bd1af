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
  // Whether the two paths name one directory entry: the same spelling, or
  // spellings that differ only in case and resolve to the same existing file
  // (same device and inode), as on a file system that ignores case.
  virtual bool SameFile(const std::string& a, const std::string& b);
  // Names of the plain files in `folder` (unsorted); false with `error` when it
  // cannot be listed. A missing folder is listed as empty with `missing` set.
  virtual bool List(const std::string& folder, std::vector<std::string>& names, bool& missing, std::string& error);

  // The real file system.
  static FileAccess& System();
};

}  // namespace orbica
