#include "engine/app_context.h"

#include <filesystem>

namespace orbica {

AppContext::AppContext(Notifier& n, std::string dir)
    : notifier(n),
      folder(std::move(dir)),
      subpopulations((std::filesystem::path(folder) / kSubpopulationFolderName).string()),
      displayed(subpopulations, n),
      analysis(model, questions, n, (std::filesystem::path(folder) / kCountsFileName).string()) {
  displayed.SetResults(&analysis.Results());
}

std::string AppContext::PathOf(const std::string& name) const {
  return (std::filesystem::path(folder) / name).string();
}

int AppContext::LoadModel() {
  if (model.Load(PathOf(kModelFileName), notifier) != 0) {
    notifier.Show(MessageId::ModelNotLoaded, MessageId::StartupCaption);
    return -1;
  }
  return 0;
}

int AppContext::StartUp() {
  if (LoadModel() != 0) return -1;
  settings.Load(PathOf(kSettingsFileName));
  if (questions.Load(PathOf(kQuestionsFileName), model, notifier) != 1) {
    notifier.Show(MessageId::QuestionListNotLoaded, MessageId::StartupCaption);
    return -1;
  }
  if (!subpopulations.Build()) {
    notifier.Show(MessageId::SubpopulationListNotLoaded, MessageId::StartupCaption);
    return -1;
  }
  if (!subpopulations.ListingError().empty())
    notifier.Show({MessageId::SubpopulationListNotRead, {subpopulations.ListingError()}},
                  MessageId::ListNotReadCaption, MessageIcon::Warning);
  if (!displayed.Init()) {
    notifier.Show(MessageId::SubpopulationListNotInitialized, MessageId::StartupCaption);
    return -1;
  }
  return 0;
}

bool AppContext::SaveSettings() const {
  if (readOnly_) return true;  // nothing is written to a census opened read-only
  return settings.Save(PathOf(kSettingsFileName), notifier);
}

void AppContext::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  subpopulations.SetReadOnly(readOnly);
}

}  // namespace orbica
