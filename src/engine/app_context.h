// The objects that live once for a whole run of the program or of the CLI, owned
// in one place, and the start-up load sequence that fills them.
#pragma once

#include <string>

#include "analysis/analysis.h"
#include "model/model.h"
#include "model/notifier.h"
#include "survey/question_list.h"
#include "survey/settings.h"
#include "survey/subpopulation_store.h"

namespace orbica {

// File names inside the census folder.
inline constexpr const char* kModelFileName = "data.mle";
inline constexpr const char* kCountsFileName = "zData.gcd";
inline constexpr const char* kQuestionsFileName = "Otazky.txt";
inline constexpr const char* kSettingsFileName = "Status.dat";
inline constexpr const char* kSubpopulationFolderName = "Populace";

class AppContext {
 public:
  // `folder` holds the census files (the current directory for the program).
  AppContext(Notifier& notifier, std::string folder = ".");
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

  // The start-up load sequence: the model (with the observed counts), the
  // settings, the question texts, the subpopulation list and the four display
  // slots. Each failure shows its box after the loader's own and ends the
  // sequence. Returns 0 on success, -1 on failure.
  int StartUp();
  // Only the first step: the model with the observed counts ("Cannot load the
  // model." after the loader's own box on failure). Returns 0 or -1.
  int LoadModel();
  // Writes the settings back to "Status.dat" (the user is told when that fails);
  // writes nothing when the census is open read-only.
  bool SaveSettings() const;
  // Read-only: neither the settings nor any subpopulation file is written or deleted.
  void SetReadOnly(bool readOnly);
  bool ReadOnly() const { return readOnly_; }

  // Path of a census file inside the folder.
  std::string PathOf(const std::string& name) const;

  Notifier& notifier;
  const std::string folder;
  CModel model;
  CSettings settings;
  CQuestionList questions;
  CSubpopulationList subpopulations;
  CDisplayedSubpopulations displayed;
  // The analysis and its last results (which display slot 3 selects from).
  CAnalysis analysis;

 private:
  bool readOnly_ = false;
};

}  // namespace orbica
