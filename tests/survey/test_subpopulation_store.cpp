// Saved subpopulations: the ".pop" files, the list built from the folder,
// storing, renaming and removing with the files on disk, failed writes, and
// the four display slots.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "model/binary_io.h"
#include "survey/pop_format.h"
#include "survey/subpopulation_code.h"
#include "survey/subpopulation_store.h"
#include "survey/text_encoding.h"
#include "support/census_files.h"

namespace orbica {
namespace {

namespace fs = std::filesystem;
using test::Set;

std::vector<unsigned char> FileBytes(const std::string& path) {
  std::vector<unsigned char> bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
  return bytes;
}

std::vector<std::string> FolderFiles(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(PopFile, WritesTheLayoutAndReadsItBackWithALongNote) {
  test::TempDir dir;
  CPopulace p(0);
  p.Masks() = Set("3ac 12b");
  p.SetName("Commuters in towns");
  std::string note;
  for (int i = 0; i < 1500; ++i) note += "line " + std::to_string(i) + " Žluťoučký kůň\n";
  ASSERT_GT(note.size(), 3 * 4095u);
  p.SetNote(note);
  RecordingNotifier notifier;
  ASSERT_TRUE(p.Write(dir.Path(), notifier));
  EXPECT_TRUE(notifier.messages.empty());
  const std::string path = dir.File("3ac12b.pop");
  EXPECT_EQ(p.FileName(), path);
  EXPECT_EQ(FolderFiles(dir.Path()), std::vector<std::string>{"3ac12b.pop"});  // no temporary left

  const std::vector<unsigned char> bytes = FileBytes(path);
  ASSERT_EQ(bytes.size(), 352 + note.size());
  EXPECT_EQ(ReadLE<std::uint32_t>(bytes.data() + 4 * 2), 0b101u);
  EXPECT_EQ(ReadLE<std::uint32_t>(bytes.data() + 4 * 11), 0b10u);
  EXPECT_EQ(std::string(bytes.begin() + 96, bytes.begin() + 96 + 18), "Commuters in towns");
  for (std::size_t i = 96 + 18; i < 352; ++i) ASSERT_EQ(bytes[i], 0) << i;
  EXPECT_EQ(std::string(bytes.begin() + 352, bytes.end()), note);

  const CPopulace back = CPopulace::FromFile(path, 9);
  EXPECT_EQ(back.Identity(), 9);
  EXPECT_EQ(back.Masks(), p.Masks());
  EXPECT_EQ(back.Name(), "Commuters in towns");
  EXPECT_EQ(back.Note(), note);
  EXPECT_EQ(back.FileName(), path);
}

TEST(PopFile, ShortAndMissingFilesReadAsFarAsTheyGo) {
  test::TempDir dir;
  PopContents contents;
  contents.masks = Set("1a 24f");
  contents.name = "Short one";
  std::vector<unsigned char> bytes = EncodePop(contents);
  bytes.resize(200);  // masks and the start of the name buffer
  test::WriteBytes(dir.File("short.pop"), bytes);
  const CPopulace shortFile = CPopulace::FromFile(dir.File("short.pop"), 2);
  EXPECT_EQ(shortFile.Masks(), contents.masks);
  EXPECT_EQ(shortFile.Name(), "Short one");
  EXPECT_EQ(shortFile.Note(), "");

  // Without a name byte the name stays "Whole population"; without every mask
  // nothing of the file is taken.
  for (const std::size_t size : {std::size_t{96}, std::size_t{50}}) {
    bytes.resize(size);
    test::WriteBytes(dir.File("tiny.pop"), bytes);
    const CPopulace tiny = CPopulace::FromFile(dir.File("tiny.pop"), 3);
    EXPECT_EQ(tiny.Masks(), size == 96 ? contents.masks : ConditionSet{}) << size;
    EXPECT_EQ(tiny.Name(), "Whole population") << size;
    EXPECT_EQ(tiny.Note(), "");
    EXPECT_TRUE(tiny.Readable());
  }

  const CPopulace missing = CPopulace::FromFile(dir.File("missing.pop"), 4);
  EXPECT_EQ(missing.Identity(), 4);
  EXPECT_EQ(missing.Masks(), ConditionSet{});
  EXPECT_EQ(missing.Name(), "missing.pop (cannot be read)");
  EXPECT_FALSE(missing.Readable());
  EXPECT_EQ(missing.FileName(), dir.File("missing.pop"));
}

TEST(PopFile, LegacyEightBitNamesAndNotesAreReadAsUtf8) {
  test::TempDir dir;
  PopContents contents;
  contents.name = "Mu\x9E" "i";                   // "Muži" in windows-1250
  contents.note = "\xC8" "esk\xE1 republika";  // "Česká republika"
  test::WriteBytes(dir.File("x.pop"), EncodePop(contents));
  const CPopulace p = CPopulace::FromFile(dir.File("x.pop"), 2);
  EXPECT_EQ(p.Name(), "Muži");
  EXPECT_EQ(p.Note(), "Česká republika");
}

TEST(PopFile, NamesOf255CharactersSurviveLoadAndStore) {
  // The byte count the file keeps for each name: one byte a character in
  // windows-1250, UTF-8 (cut to 255 bytes) for characters that code page lacks.
  const std::string c = "č", zhe = "ж";
  auto times = [](const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
  };
  const struct {
    std::string name;
    std::size_t fileBytes;
    std::string readBack;
  } cases[] = {
      {times(c, 200) + times("n", 55), 255, times(c, 200) + times("n", 55)},
      {times(c, 255), 255, times(c, 255)},
      {times("n", 255), 255, times("n", 255)},
      {"Ă©", 4, "Ă©"},  // as windows-1250 bytes C3 A9 it would read back as UTF-8 "é"
      {times(zhe, 200), 254, times(zhe, 127)},
  };
  for (const auto& k : cases) {
    test::TempDir dir;
    CPopulace p(0);
    p.Masks() = Set("2b");
    p.SetName(k.name + "beyond");
    EXPECT_EQ(p.Name(), Utf8PrefixCharacters(k.name + "beyond", 255));
    p.SetName(k.name);
    RecordingNotifier notifier;
    ASSERT_TRUE(p.Write(dir.Path(), notifier));
    const std::vector<unsigned char> bytes = FileBytes(*p.FileName());
    EXPECT_EQ(std::find(bytes.begin() + 96, bytes.begin() + 352, 0) - (bytes.begin() + 96),
              static_cast<std::ptrdiff_t>(k.fileBytes))
        << k.name;
    CPopulace back = CPopulace::FromFile(*p.FileName(), 2);
    EXPECT_EQ(back.Name(), k.readBack);
    ASSERT_TRUE(back.Write(dir.Path(), notifier));
    EXPECT_EQ(FileBytes(*p.FileName()), bytes) << "stored again differently: " << k.name;
  }
}

TEST(PopFile, OnlyTheCodesDigitsAndLettersReachThePath) {
  CPopulace p(0);
  p.SetName("../../etc/passwd");
  EXPECT_EQ(p.PathIn("Populace"), "Populace/Celá.pop");
  p.Masks() = Set("10a 9bc");
  EXPECT_EQ(p.PathIn("Populace"), "Populace/9bc10a.pop");
  // Bits above 'z' would give '{', '|', '}', '~' and bytes above 0x7F in the code.
  p.Masks() = ConditionSet{};
  p.Masks()[4] = 0xFC000001u;
  EXPECT_EQ(PopFileStem(p.Masks()), "5a");
}

// Stands in for file systems the test machine lacks. Case-blind: names are kept
// in lower case on the disk below and listed with upper-case stems, as a FAT
// stick or an SMB share shows files written elsewhere; names in `alsoListed`
// appear a second time in lower case (a share that exports two spellings of
// one file). Files in `unreadable` cannot be read, and with `readOnly` no file
// can be written or deleted, even by the superuser.
class FakeFiles : public FileAccess {
 public:
  bool caseBlind = false, readOnly = false;
  std::vector<std::string> alsoListed, unreadable;

  bool Read(const std::string& path, std::vector<unsigned char>& bytes) override {
    if (std::find(unreadable.begin(), unreadable.end(), fs::path(path).filename()) != unreadable.end()) return false;
    return FileAccess::Read(Disk(path), bytes);
  }
  bool Write(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error) override {
    return !Refused(error) && FileAccess::Write(Disk(path), bytes, error);
  }
  bool Remove(const std::string& path, std::string& error) override {
    return !Refused(error) && FileAccess::Remove(Disk(path), error);
  }
  bool SameFile(const std::string& a, const std::string& b) override {
    return Disk(a) == Disk(b) && (a == b || fs::exists(Disk(a)));
  }
  bool List(const std::string& folder, std::vector<std::string>& names, bool& missing, std::string& error) override {
    if (!FileAccess::List(folder, names, missing, error)) return false;
    if (!caseBlind) return true;
    std::vector<std::string> shown;
    for (const std::string& name : names) {
      std::string stem = fs::path(name).stem().string();
      for (char& ch : stem) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
      shown.push_back(stem + ".pop");
      if (std::find(alsoListed.begin(), alsoListed.end(), name) != alsoListed.end()) shown.push_back(name);
    }
    names = shown;
    return true;
  }

 private:
  bool Refused(std::string& error) const {
    if (readOnly) error = std::strerror(EACCES);
    return readOnly;
  }
  std::string Disk(const std::string& path) const {
    if (!caseBlind) return path;
    std::string name = fs::path(path).filename().string();
    for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return (fs::path(path).parent_path() / name).string();
  }
};

class Store : public ::testing::Test {
 protected:
  std::string Folder() const { return dir_.File("Populace"); }
  std::string PopPath(const std::string& stem) const { return (fs::path(Folder()) / (stem + ".pop")).string(); }
  void Save(const std::string& code, const std::string& name, const std::string& note = "") {
    PopContents contents;
    contents.masks = Set(code);
    contents.name = name;
    contents.note = note;
    test::WriteBytes(PopPath(CompactCode(contents.masks)), EncodePop(contents));
  }

  test::TempDir dir_;
  RecordingNotifier notifier_;
  CSubpopulationList list_{dir_.File("Populace")};
};

TEST_F(Store, BuildListsTheWholePopulationThenTheFilesInNameOrder) {
  EXPECT_TRUE(list_.Build());  // no folder yet
  ASSERT_EQ(list_.Entries().size(), 1u);
  EXPECT_EQ(list_.Entries()[0]->Identity(), 1);
  EXPECT_EQ(list_.Entries()[0]->Name(), "Whole population");

  fs::create_directory(Folder());
  EXPECT_TRUE(list_.Build());
  EXPECT_EQ(list_.Entries().size(), 1u);

  Save("6m 8b", "Pensioners", "alone");
  Save("2b 13g", "Commuters");
  Save("3fg 4fg 7c", "Graduates");
  test::WriteText(dir_.File("Populace/readme.txt"), "not a subpopulation");
  fs::create_directory(dir_.File("Populace/folder.pop"));
  PopContents upper;
  upper.name = "Upper case";
  test::WriteBytes(dir_.File("Populace/OLD.POP"), EncodePop(upper));
  ASSERT_TRUE(list_.Build());
  std::vector<std::pair<int, std::string>> listed;
  for (const auto& entry : list_.Entries()) listed.emplace_back(entry->Identity(), entry->Name());
  EXPECT_EQ(listed, (std::vector<std::pair<int, std::string>>{{1, "Whole population"},
                                                              {2, "Commuters"},
                                                              {3, "Graduates"},
                                                              {4, "Pensioners"},
                                                              {5, "Upper case"}}));
  EXPECT_EQ(list_.Find(4)->Note(), "alone");
  EXPECT_EQ(list_.Find(4)->FileName(), PopPath("6m8b"));
  EXPECT_EQ(list_.Find(3)->Masks(), Set("3fg 4fg 7c"));
  EXPECT_EQ(list_.Find(6), nullptr);
  EXPECT_GE(CBasePopulace::HighestIdentity(), 5);

  // A "Populace" that is not a folder cannot be listed: the whole population only.
  fs::remove_all(Folder());
  test::WriteText(Folder(), "a file");
  EXPECT_TRUE(list_.Build());
  EXPECT_EQ(list_.Entries().size(), 1u);
  EXPECT_NE(list_.ListingError().find("Not a directory"), std::string::npos) << list_.ListingError();
}

TEST_F(Store, StoringACopyOfTheWholePopulationAlwaysAddsAnEntry) {
  ASSERT_TRUE(list_.Build());
  CPopulace copy(*list_.Find(1), false);
  copy.SetName("Everybody");
  bool written = false;
  CPopulace* stored = list_.Store(copy, 1, notifier_, &written);
  ASSERT_NE(stored, nullptr);
  EXPECT_TRUE(written);
  EXPECT_TRUE(notifier_.messages.empty());
  EXPECT_EQ(stored->Identity(), CBasePopulace::HighestIdentity());
  EXPECT_EQ(copy.Identity(), stored->Identity());
  EXPECT_EQ(stored->Name(), "Everybody");
  EXPECT_EQ(FolderFiles(Folder()), std::vector<std::string>{"Celá.pop"});  // the folder is made when missing

  // Its file is the first copy's: replacing that one is asked first.
  const int first = stored->Identity();
  CPopulace second(*list_.Find(1), false);
  notifier_.replies = {Reply::Yes};
  CPopulace* again = list_.Store(second, 1, notifier_);
  ASSERT_NE(again, nullptr);
  EXPECT_GT(again->Identity(), first);
  EXPECT_EQ(notifier_.messages.size(), 1u);
  EXPECT_EQ(list_.Entries().size(), 2u);
  EXPECT_EQ(list_.Find(1)->Name(), "Whole population");  // the list's own entry is untouched
}

TEST_F(Store, StoringChangedConditionsWritesTheNewFileAndDeletesTheOld) {
  fs::create_directory(Folder());
  Save("2b", "Towns", "old note");
  ASSERT_TRUE(list_.Build());
  CPopulace edited(*list_.Find(2), false);
  edited.Masks() = Set("2b 13g");
  edited.SetName("Towns, by bus");
  edited.SetNote("new note");
  CPopulace* stored = list_.Store(edited, 2, notifier_);
  ASSERT_EQ(stored, list_.Find(2));
  EXPECT_EQ(list_.Entries().size(), 2u);
  EXPECT_EQ(stored->FileName(), PopPath("2b13g"));
  EXPECT_EQ(FolderFiles(Folder()), std::vector<std::string>{"2b13g.pop"});
  const CPopulace back = CPopulace::FromFile(PopPath("2b13g"), 3);
  EXPECT_EQ(back.Masks(), Set("2b 13g"));
  EXPECT_EQ(back.Name(), "Towns, by bus");
  EXPECT_EQ(back.Note(), "new note");

  // The same conditions again: written in place.
  edited.SetName("Renamed");
  list_.Store(edited, 2, notifier_);
  EXPECT_EQ(FolderFiles(Folder()), std::vector<std::string>{"2b13g.pop"});
  EXPECT_EQ(CPopulace::FromFile(PopPath("2b13g"), 3).Name(), "Renamed");
  EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(Store, RemoveDeletesTheFileAndTheEntry) {
  fs::create_directory(Folder());
  Save("2b", "Towns");
  Save("5c", "Fives");
  ASSERT_TRUE(list_.Build());
  EXPECT_FALSE(list_.Remove(0, notifier_));
  EXPECT_FALSE(list_.Remove(1, notifier_));   // the whole population stays first
  EXPECT_FALSE(list_.Remove(99, notifier_));
  EXPECT_EQ(list_.Entries().size(), 3u);
  EXPECT_TRUE(list_.Remove(2, notifier_));
  EXPECT_EQ(list_.Find(2), nullptr);
  EXPECT_EQ(FolderFiles(Folder()), std::vector<std::string>{"5c.pop"});
  EXPECT_EQ(list_.Entries().size(), 2u);
  EXPECT_EQ(list_.Entries()[0]->Identity(), 1);
  EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(Store, AFailedWriteKeepsTheOldFileAndTellsTheUser) {
  fs::create_directory(Folder());
  Save("2b", "Towns", "old note");
  ASSERT_TRUE(list_.Build());
  const std::vector<unsigned char> oldBytes = FileBytes(PopPath("2b"));
  // Whatever the user's rights, a folder in the target's place makes the write fail.
  fs::create_directory(PopPath("2b13g"));

  CPopulace edited(*list_.Find(2), false);
  edited.Masks() = Set("2b 13g");
  edited.SetNote("new note");
  bool written = true;
  CPopulace* stored = list_.Store(edited, 2, notifier_, &written);
  EXPECT_FALSE(written);
  ASSERT_EQ(notifier_.messages.size(), 1u);
  EXPECT_EQ(notifier_.messages[0].caption, "Subpopulation not saved");
  EXPECT_NE(notifier_.messages[0].text.find("2b13g.pop"), std::string::npos) << notifier_.messages[0].text;
  EXPECT_NE(notifier_.messages[0].text.find("2b.pop\" is unchanged"), std::string::npos) << notifier_.messages[0].text;
  EXPECT_EQ(FileBytes(PopPath("2b")), oldBytes);
  EXPECT_EQ(FolderFiles(Folder()), (std::vector<std::string>{"2b.pop", "2b13g.pop"}));  // no temporary left
  // The entry keeps the new data for the run and still knows its file.
  EXPECT_EQ(stored->Masks(), Set("2b 13g"));
  EXPECT_EQ(stored->Note(), "new note");
  EXPECT_EQ(stored->FileName(), PopPath("2b"));

  // Once the obstacle is gone the next store writes and tidies up.
  fs::remove(PopPath("2b13g"));
  list_.Store(edited, 2, notifier_, &written);
  EXPECT_TRUE(written);
  EXPECT_EQ(FolderFiles(Folder()), std::vector<std::string>{"2b13g.pop"});
}

TEST_F(Store, AReadOnlyFolderKeepsTheFilesAndTellsTheUser) {
  FakeFiles files;
  CSubpopulationList list(Folder(), files);
  fs::create_directory(Folder());
  Save("2b", "Towns");
  ASSERT_TRUE(list.Build());
  const std::vector<unsigned char> oldBytes = FileBytes(PopPath("2b"));
  files.readOnly = true;
  CPopulace edited(*list.Find(2), false);
  edited.Masks() = Set("2b 13g");
  bool written = true;
  list.Store(edited, 2, notifier_, &written);
  EXPECT_FALSE(list.Remove(2, notifier_));
  EXPECT_FALSE(written);
  EXPECT_EQ(FileBytes(PopPath("2b")), oldBytes);
  EXPECT_EQ(FolderFiles(Folder()), std::vector<std::string>{"2b.pop"});
  ASSERT_EQ(notifier_.messages.size(), 2u);
  EXPECT_EQ(notifier_.messages[1].caption, "Subpopulation not deleted");
  EXPECT_NE(notifier_.messages[1].text.find(std::strerror(EACCES)), std::string::npos) << notifier_.messages[1].text;
  EXPECT_NE(list.Find(2), nullptr);
}

TEST_F(Store, FillSelectorShowsTheCurrentSubpopulationsOwnName) {
  fs::create_directory(Folder());
  Save("2b", "Towns");
  Save("5c", "Fives");
  ASSERT_TRUE(list_.Build());
  CPopulace current(*list_.Find(3), false);
  current.SetName("Fives (edited)");
  const auto items = list_.FillSelector(&current);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].name, "Whole population");
  EXPECT_EQ(items[0].identity, 1);
  EXPECT_FALSE(items[0].selected);
  EXPECT_EQ(items[1].name, "Towns");
  EXPECT_EQ(items[2].name, "Fives (edited)");
  EXPECT_EQ(items[2].identity, 3);
  EXPECT_TRUE(items[2].selected);
  EXPECT_EQ(list_.Find(3)->Name(), "Fives");
  for (const auto& item : list_.FillSelector(nullptr)) EXPECT_FALSE(item.selected);
}

TEST_F(Store, TheSameConditionsAsAnotherEntryAskBeforeReplacingIt) {
  // Edit a listed subpopulation and Add it unchanged, or Save another one with
  // its conditions: the file is the first one's.
  fs::create_directory(Folder());
  Save("2b", "Towns", "old");
  Save("5c", "Fives");
  ASSERT_TRUE(list_.Build());
  const std::vector<unsigned char> oldBytes = FileBytes(PopPath("2b"));
  CPopulace copy(*list_.Find(2), false);
  copy.SetNote("new");
  CPopulace fives(*list_.Find(3), false);
  fives.Masks() = Set("2b");
  const std::string question = "A saved subpopulation \"Towns\" has the same conditions. Replace it?";

  notifier_.replies = {Reply::No, Reply::No};
  bool written = true;
  EXPECT_EQ(list_.Store(copy, 0, notifier_, &written), nullptr);
  EXPECT_EQ(list_.Store(fives, 3, notifier_), nullptr);
  EXPECT_FALSE(written);
  EXPECT_EQ(notifier_.Texts(), (std::vector<std::string>{question, question}));
  EXPECT_EQ(notifier_.messages[0].caption, "Subpopulation exists");
  EXPECT_EQ(copy.Identity(), 2);
  EXPECT_EQ(list_.Entries().size(), 3u);
  EXPECT_EQ(list_.Find(3)->Masks(), Set("5c"));
  EXPECT_EQ(FileBytes(PopPath("2b")), oldBytes);
  EXPECT_EQ(FolderFiles(Folder()), (std::vector<std::string>{"2b.pop", "5c.pop"}));

  // Yes: the new entry takes the file and the one it replaces leaves the list,
  // so deleting the new one later takes nothing from another entry.
  notifier_.replies = {Reply::Yes};
  CPopulace* stored = list_.Store(copy, 0, notifier_, &written);
  ASSERT_NE(stored, nullptr);
  EXPECT_TRUE(written);
  EXPECT_EQ(list_.Find(2), nullptr);
  EXPECT_EQ(CPopulace::FromFile(PopPath("2b"), 9).Note(), "new");
  EXPECT_TRUE(list_.Remove(stored->Identity(), notifier_));
  EXPECT_EQ(FolderFiles(Folder()), std::vector<std::string>{"5c.pop"});
  CSubpopulationList again(Folder());
  ASSERT_TRUE(again.Build());
  EXPECT_EQ(again.Entries().size(), list_.Entries().size());
}

TEST_F(Store, AFileUnderAnotherSpellingIsTheSameFile) {
  // On a file system that ignores case an entry read from "2B.pop" is written
  // to "2b.pop": the same file, which must stay. Two listed spellings of one
  // file share it: only the last entry to go deletes it.
  FakeFiles files;
  files.caseBlind = true;
  files.alsoListed = {"5c.pop"};
  CSubpopulationList list(Folder(), files);
  fs::create_directory(Folder());
  Save("2b", "Towns", "old");
  Save("5c", "Fives");
  ASSERT_TRUE(list.Build());
  ASSERT_EQ(list.Entries().size(), 4u);
  ASSERT_EQ(list.Find(2)->FileName(), PopPath("2B"));
  CPopulace edited(*list.Find(2), false);
  edited.SetNote("new");
  bool written = false;
  list.Store(edited, 2, notifier_, &written);
  EXPECT_TRUE(written);
  EXPECT_EQ(CPopulace::FromFile(PopPath("2b"), 9).Note(), "new");

  EXPECT_TRUE(list.Remove(3, notifier_));  // "5C.pop"; "5c.pop" is still listed
  EXPECT_TRUE(fs::exists(PopPath("5c")));
  EXPECT_TRUE(list.Remove(4, notifier_));
  EXPECT_FALSE(fs::exists(PopPath("5c")));
  EXPECT_TRUE(notifier_.messages.empty()) << notifier_.messages.front().text;
}

TEST_F(Store, AnUnreadableFileIsListedButNeverSelectedWrittenOrDeleted) {
  FakeFiles files;
  files.unreadable = {"2b.pop"};
  CSubpopulationList list(Folder(), files);
  CDisplayedSubpopulations slots(list, notifier_);
  fs::create_directory(Folder());
  Save("2b", "Towns");
  const std::vector<unsigned char> oldBytes = FileBytes(PopPath("2b"));
  ASSERT_TRUE(list.Build());
  ASSERT_TRUE(slots.Init());
  ASSERT_EQ(list.Entries().size(), 2u);
  EXPECT_EQ(list.Find(2)->Name(), "2b.pop (cannot be read)");
  EXPECT_EQ(list.FillSelector(nullptr).size(), 1u);  // not offered for a slot
  EXPECT_TRUE(slots.Select(0, 2));
  EXPECT_EQ(slots.Subpopulation(0)->Identity(), 1);

  CPopulace towns(kWholePopulationIdentity);  // the file's conditions, from the whole population
  towns.Masks() = Set("2b");
  EXPECT_EQ(list.Store(towns, 1, notifier_), nullptr);
  EXPECT_EQ(list.Store(towns, 2, notifier_), nullptr);
  EXPECT_FALSE(list.Remove(2, notifier_));
  ASSERT_EQ(notifier_.messages.size(), 3u);
  EXPECT_EQ(notifier_.messages[2].caption, "Subpopulation not deleted");
  EXPECT_EQ(FileBytes(PopPath("2b")), oldBytes);
  EXPECT_EQ(list.Entries().size(), 2u);
}

TEST_F(Store, AReadOnlyListWritesAndDeletesNothing) {
  fs::create_directory(Folder());
  Save("2b", "Towns");
  ASSERT_TRUE(list_.Build());
  list_.SetReadOnly(true);
  CPopulace edited(*list_.Find(2), false);
  edited.Masks() = Set("2b 13g");
  EXPECT_EQ(list_.Store(edited, 2, notifier_), nullptr);
  EXPECT_FALSE(list_.Remove(2, notifier_));
  EXPECT_EQ(notifier_.messages.size(), 2u);
  EXPECT_EQ(FolderFiles(Folder()), std::vector<std::string>{"2b.pop"});
  EXPECT_EQ(list_.Find(2)->Masks(), Set("2b"));
}

class Slots : public Store {
 protected:
  void SetUp() override {
    fs::create_directory(Folder());
    Save("2b", "Towns");
    Save("5c", "Fives");
    ASSERT_TRUE(list_.Build());
    ASSERT_TRUE(slots_.Init());
  }
  CDisplayedSubpopulations slots_{list_, notifier_};
};

TEST_F(Slots, InitShowsTheWholePopulationInSlotZero) {
  EXPECT_EQ(slots_.ShownCount(), 1);
  EXPECT_TRUE(slots_.Shown(0));
  for (int i = 0; i < 3; ++i) {
    ASSERT_NE(slots_.Subpopulation(i), nullptr);
    EXPECT_EQ(slots_.Subpopulation(i)->Identity(), 1);
    EXPECT_NE(slots_.Subpopulation(i), list_.Find(1));  // a copy
    EXPECT_FALSE(slots_.Modified(i));
  }
  EXPECT_EQ(slots_.Subpopulation(3), nullptr);
  EXPECT_EQ(slots_.ShownConditionSets(), std::vector<ConditionSet>{ConditionSet{}});

  CSubpopulationList unbuilt(dir_.File("nowhere"));
  CDisplayedSubpopulations none(unbuilt, notifier_);
  EXPECT_FALSE(none.Init());
}

TEST_F(Slots, SelectCopiesAListEntryByIdentity) {
  EXPECT_TRUE(slots_.Select(1, 0));   // below 1: nothing
  EXPECT_TRUE(slots_.Select(1, 42));  // unknown: nothing
  EXPECT_EQ(slots_.Subpopulation(1)->Identity(), 1);
  ASSERT_TRUE(slots_.Select(1, 3));
  EXPECT_EQ(slots_.Subpopulation(1)->Identity(), 3);
  EXPECT_EQ(slots_.Subpopulation(1)->Name(), "Fives");
  EXPECT_EQ(slots_.Subpopulation(1)->Masks(), Set("5c"));
  EXPECT_FALSE(slots_.Subpopulation(1)->FileName().has_value());
  EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(Slots, AModifiedSlotAsksBeforeItsCopyIsReplaced) {
  ASSERT_TRUE(slots_.Select(0, 2));
  slots_.Subpopulation(0)->Masks() = Set("2b 7a");
  slots_.SetModified(0, true);

  notifier_.replies = {Reply::Cancel};
  EXPECT_FALSE(slots_.Select(0, 3));
  ASSERT_EQ(notifier_.messages.size(), 1u);
  EXPECT_TRUE(notifier_.messages[0].question);
  EXPECT_EQ(notifier_.messages[0].text, "Subpopulation hasn't been saved. Save?");
  EXPECT_EQ(notifier_.messages[0].caption, "Subpopulation changed");
  EXPECT_EQ(slots_.Subpopulation(0)->Masks(), Set("2b 7a"));
  EXPECT_TRUE(slots_.Modified(0));

  notifier_.replies = {Reply::Yes};
  EXPECT_TRUE(slots_.Select(0, 3));
  EXPECT_EQ(slots_.Subpopulation(0)->Identity(), 3);
  EXPECT_FALSE(slots_.Modified(0));
  EXPECT_EQ(list_.Find(2)->Masks(), Set("2b 7a"));
  EXPECT_EQ(FolderFiles(Folder()), (std::vector<std::string>{"2b7a.pop", "5c.pop"}));

  slots_.Subpopulation(0)->Masks() = Set("5a");
  slots_.SetModified(0, true);
  notifier_.replies = {Reply::No};
  EXPECT_TRUE(slots_.Select(0, 2));
  EXPECT_EQ(slots_.Subpopulation(0)->Identity(), 2);
  EXPECT_EQ(list_.Find(3)->Masks(), Set("5c"));  // not stored
  EXPECT_EQ(notifier_.messages.size(), 3u);

  // An unmodified slot is replaced without a question.
  EXPECT_TRUE(slots_.Select(0, 1));
  EXPECT_EQ(notifier_.messages.size(), 3u);
}

TEST_F(Slots, SavingThatFailsKeepsTheSlot) {
  ASSERT_TRUE(slots_.Select(0, 2));
  slots_.Subpopulation(0)->Masks() = Set("2b 7a");
  slots_.SetModified(0, true);
  fs::create_directory(PopPath("2b7a"));  // a folder in the file's place
  notifier_.replies = {Reply::Yes};
  EXPECT_FALSE(slots_.Select(0, 3));
  EXPECT_EQ(notifier_.messages.back().caption, "Subpopulation not saved");
  EXPECT_EQ(slots_.Subpopulation(0)->Masks(), Set("2b 7a"));
  EXPECT_TRUE(slots_.Modified(0));
  EXPECT_TRUE(fs::exists(PopPath("2b")));
}

TEST_F(Slots, ResultSlotSelectsByPositionAndShowFillsEmptySlots) {
  EXPECT_FALSE(slots_.Show(3, true));  // no results: stays empty and hidden
  EXPECT_FALSE(slots_.Shown(3));
  std::vector<std::unique_ptr<CInfPopulace>> results;
  for (int i = 0; i < 2; ++i) {
    results.push_back(std::make_unique<CInfPopulace>(-(i + 1)));
    results.back()->Masks() = Set(i == 0 ? "4a" : "4b");
  }
  slots_.SetResults(&results);
  EXPECT_TRUE(slots_.Select(3, 5));  // no such result
  EXPECT_EQ(slots_.Subpopulation(3), nullptr);
  EXPECT_TRUE(slots_.Show(3, true));
  EXPECT_EQ(slots_.Subpopulation(3)->Identity(), -1);
  ASSERT_TRUE(slots_.Select(3, 1));
  EXPECT_EQ(slots_.Subpopulation(3)->Identity(), -2);
  EXPECT_EQ(slots_.Subpopulation(3)->Masks(), Set("4b"));

  ASSERT_TRUE(slots_.Select(2, 2));
  EXPECT_TRUE(slots_.Show(2, true));
  EXPECT_FALSE(slots_.Show(0, false));
  EXPECT_NE(slots_.Subpopulation(0), nullptr);  // hiding keeps the copy
  EXPECT_EQ(slots_.ShownCount(), 2);
  EXPECT_EQ(slots_.ShownConditionSets(), (std::vector<ConditionSet>{Set("2b"), Set("4b")}));
}

}  // namespace
}  // namespace orbica
