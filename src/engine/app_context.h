// The objects that live once for a whole run of the program or of the CLI, owned
// in one place, and the start-up load sequence that fills them.
#pragma once

#include <string>

#include "model/model.h"
#include "model/notifier.h"

namespace orbica {

inline constexpr const char* kStartupCaption = "Direzu - error";

class AppContext {
 public:
  // `folder` holds the census files (the current directory for the program).
  AppContext(Notifier& notifier, std::string folder = ".");
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  // The start-up load sequence. Each failure shows its box after the loader's own
  // and ends the sequence. Returns 0 on success, -1 on failure.
  int StartUp();

  // Path of a census file inside the folder.
  std::string PathOf(const std::string& name) const;

  Notifier& notifier;
  const std::string folder;
  CModel model;
};

}  // namespace orbica
