#include "engine/app_context.h"

#include <filesystem>

namespace orbica {

AppContext::AppContext(Notifier& n, std::string dir) : notifier(n), folder(std::move(dir)) {}

std::string AppContext::PathOf(const std::string& name) const {
  return (std::filesystem::path(folder) / name).string();
}

int AppContext::StartUp() {
  if (model.Load(PathOf("data.mle"), notifier) != 0) {
    notifier.Show("Cannot load the model.", kStartupCaption);
    return -1;
  }
  return 0;
}

}  // namespace orbica
