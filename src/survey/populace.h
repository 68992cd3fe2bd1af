// Subpopulations: a condition set with an identity and a name; listed ones carry
// a note and their file, analysis results carry their numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/model.h"
#include "model/notifier.h"
#include "model/questionnaire.h"
#include "survey/file_access.h"

namespace orbica {

class CQuestionList;

inline constexpr const char* kWholePopulationName = "Whole population";
inline constexpr int kWholePopulationIdentity = 1;
inline constexpr int kMaxConstrainedQuestions = 15;
inline constexpr std::int64_t kMinSubpopulationSize = 1612;
// A name holds at most this many characters; its file keeps at most 255 bytes of it.
inline constexpr std::size_t kMaxNameCharacters = 255;
inline constexpr std::size_t kMaxNameBytes = 255;
// Appended to the file name of a ".pop" file that cannot be read, as its list name.
inline constexpr const char* kUnreadableMark = " (cannot be read)";

class CBasePopulace {
 public:
  // A new whole population with the given identity (raises the highest identity).
  explicit CBasePopulace(int identity);
  // A copy of `source`; with `newIdentity` it gets highest identity + 1.
  CBasePopulace(const CBasePopulace& source, bool newIdentity);
  virtual ~CBasePopulace() = default;

  int Identity() const { return identity_; }
  void SetIdentity(int identity);
  const ConditionSet& Masks() const { return masks_; }
  ConditionSet& Masks() { return masks_; }
  const std::string& Name() const { return name_; }
  // Keeps at most 255 characters.
  void SetName(const std::string& name);
  // Number of questions with a nonzero mask.
  int ConstrainedQuestions() const;

  std::string Code() const;
  // Short texts of the allowed answers (answers the question really has), each
  // followed by a blank ("" for the whole population).
  std::string AnswerDescription(const CQuestionList& questions) const;
  std::int64_t Size(const CModel& model) const { return model.Size(masks_); }

  // The largest identity given so far in this process.
  static int HighestIdentity();

 protected:
  CBasePopulace& operator=(const CBasePopulace&) = default;

 private:
  int identity_ = 0;
  ConditionSet masks_{};
  std::string name_;
};

class CPopulace : public CBasePopulace {
 public:
  explicit CPopulace(int identity) : CBasePopulace(identity) {}
  // Copies masks and name (and the note when `source` is a CPopulace); no file name.
  CPopulace(const CBasePopulace& source, bool newIdentity);
  // Reads a ".pop" file. A file too short for the masks leaves the whole
  // population, one without a name byte keeps the name "Whole population". A
  // name or note that is not valid UTF-8 is read as windows-1250. A file that
  // cannot be read gives an entry named after the file with the unreadable mark,
  // which the store never selects, writes or deletes.
  static CPopulace FromFile(const std::string& path, int identity, FileAccess& files = FileAccess::System());

  // False for an entry whose file could not be read.
  bool Readable() const { return readable_; }
  const std::optional<std::string>& FileName() const { return fileName_; }
  const std::string& Note() const { return note_; }
  void SetNote(std::string note) { note_ = std::move(note); }

  // Path of this subpopulation's file inside `folder`: "<folder>/<stem>.pop" with
  // the stem from PopFileStem.
  std::string PathIn(const std::string& folder) const;
  // Writes the file (to a temporary name, then renamed; the folder is made when
  // missing) and only then deletes the old file when it is another file (not the
  // same one under another spelling) and `removeOldFile` allows it (another list
  // entry may still use it). On failure tells the user, keeps every file and the
  // file name as they were and returns false.
  bool Write(const std::string& folder, Notifier& notifier, FileAccess& files = FileAccess::System(),
             bool removeOldFile = true);

 private:
  std::optional<std::string> fileName_;
  std::string note_;
  bool readable_ = true;
};

// The name as its file keeps it: windows-1250 when every character has a byte
// there (and those bytes cannot be mistaken for UTF-8), UTF-8 otherwise, cut
// to 255 bytes without cutting a character.
std::string PopFileName(const std::string& name);

// Stem of the ".pop" file of a condition set: the code's digits and letters
// without blanks ("3ac12b"), "Celá" for the whole population. Nothing else of a
// subpopulation reaches a path.
std::string PopFileStem(const ConditionSet& masks);
// "<folder>/<stem>.pop" for a condition set.
std::string PopPathIn(const std::string& folder, const ConditionSet& masks);

// A ranked condition of an analysis run.
class CInfPopulace : public CBasePopulace {
 public:
  using CBasePopulace::CBasePopulace;
  double criterionValue = 0.0;
  double difference = 0.0;
  double trueSize = 0.0;  // observed share of the whole population, 0..1
};

// Result of one editing step of a subpopulation (checking or unchecking an answer).
enum class EditResult { Accepted, TooManyConditions, TooSmall };

// Applies the editor's rules to allowing (`allow`) or forbidding answer a of
// question q: at most 15 constrained questions and at least 1612 respondents.
// A refused step leaves the masks as they were and shows its message. Allowing
// an answer already allowed, or forbidding one not allowed, changes nothing.
EditResult EditAnswer(CBasePopulace& population, int q, int a, bool allow, const CModel& model, Notifier& notifier);

}  // namespace orbica
