// Nothing is lost when "Status.dat" or a ".pop" file cannot be written: a folder
// the user may not write to, a disk that fills up during the write, and a process
// killed in the middle of a write all leave the previous file whole, and the user
// is told about every failed write.
//
// The cases that need another user or another file system run in a forked child:
// as the superuser the child drops to "nobody" (permission bits do not bind the
// superuser), and the small file system is mounted in the child's own mount
// namespace, so nothing of it reaches the test process.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <thread>

#include "model/binary_io.h"
#include "support/census_files.h"
#include "survey/pop_format.h"
#include "survey/settings.h"
#include "survey/subpopulation_code.h"
#include "survey/subpopulation_store.h"

namespace orbica {
namespace {

namespace fs = std::filesystem;
using test::Set;

constexpr uid_t kNobody = 65534;
constexpr const char* kSkip = "SKIP: ";

std::vector<unsigned char> Bytes(const std::string& path) {
  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(path, bytes)) bytes.assign({'?', 'n', 'o', 'n', 'e'});
  return bytes;
}

// Temporary files of the safe writes left in `folder`.
std::vector<std::string> Temporaries(const std::string& folder) {
  std::vector<std::string> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (IsTemporaryFileName(it->path().filename().string())) found.push_back(it->path().string());
  return found;
}

// Settings whose file has `records` placement records (24 bytes each).
CSettings SettingsWith(int records, Color top) {
  CSettings settings;
  settings.gradientTop = top;
  for (int i = 0; i < records; ++i) settings.placements.push_back({i, -i, 300 + i % 7, 200, kDockNone, 11 + i});
  return settings;
}

PopContents PopWith(const std::string& code, const std::string& name, std::size_t noteBytes, char fill) {
  PopContents contents;
  contents.masks = Set(code);
  contents.name = name;
  contents.note.assign(noteBytes, fill);
  return contents;
}

// What a check found wrong, for the report of a child process.
class Problems {
 public:
  void Check(bool ok, const std::string& what) {
    if (!ok) text_ += what + "\n";
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Runs `body` in a forked child; its report ("" when all was well, "SKIP: why"
// when the case cannot be set up here) comes back through a pipe.
std::string InChild(const std::function<std::string()>& body) {
  int fds[2];
  if (pipe(fds) != 0) return "pipe failed";
  const pid_t pid = fork();
  if (pid < 0) return "fork failed";
  if (pid == 0) {
    close(fds[0]);
    const std::string report = body();
    for (std::size_t done = 0; done < report.size();) {
      const ssize_t put = write(fds[1], report.data() + done, report.size() - done);
      if (put <= 0) break;
      done += static_cast<std::size_t>(put);
    }
    _exit(0);
  }
  close(fds[1]);
  std::string report;
  char buffer[4096];
  for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) > 0;)
    report.append(buffer, static_cast<std::size_t>(got));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) report += "the child process ended abnormally\n";
  return report;
}

#define EXPECT_CHILD_CLEAN(report)                                       \
  do {                                                                   \
    const std::string r = (report);                                      \
    if (r.rfind(kSkip, 0) == 0) GTEST_SKIP() << r.substr(strlen(kSkip)); \
    EXPECT_EQ(r, "");                                                    \
  } while (false)

bool Mentions(const RecordingNotifier& notifier, std::size_t index, const std::string& caption,
              const std::string& part) {
  return notifier.messages.size() > index && notifier.messages[index].caption == caption &&
         notifier.messages[index].text.find(part) != std::string::npos;
}

// A census folder with "Status.dat" and "Populace/2b.pop" from an earlier run.
class Census : public ::testing::Test {
 protected:
  void SetUp() override {
    old_.Save(StatusPath(), notifier_);
    fs::create_directory(Folder());
    test::WriteBytes(PopPath("2b"), EncodePop(oldPop_));
    oldStatus_ = Bytes(StatusPath());
    oldPopBytes_ = Bytes(PopPath("2b"));
  }
  std::string StatusPath() const { return dir_.File("Status.dat"); }
  std::string Folder() const { return dir_.File("Populace"); }
  std::string PopPath(const std::string& stem) const { return (fs::path(Folder()) / (stem + ".pop")).string(); }

  // Stores the subpopulation of "2b.pop" once with the same conditions and a new
  // note, once with other conditions; both must fail, be reported and keep
  // every file. Returns what went wrong.
  std::string StoreFails(const std::string& cause) {
    Problems p;
    RecordingNotifier notifier;
    CSubpopulationList list(Folder());
    p.Check(list.Build() && list.Entries().size() == 2, "the folder could not be listed");
    if (list.Entries().size() != 2) return p.Text();
    CPopulace same(*list.Find(2), false);
    same.SetNote(std::string(100000, 'n'));
    bool written = true;
    list.Store(same, 2, notifier, &written);
    p.Check(!written, "storing over 2b.pop reported success");
    CPopulace other(*list.Find(2), false);
    other.Masks() = Set("2b 13g");
    list.Store(other, 2, notifier, &written);
    p.Check(!written, "storing as 2b13g.pop reported success");
    p.Check(Mentions(notifier, 0, "Subpopulation not saved", cause) &&
                Mentions(notifier, 1, "Subpopulation not saved", "2b.pop\" is unchanged"),
            "the user was not told why: " + (notifier.messages.empty() ? "" : notifier.messages[0].text));
    p.Check(Bytes(PopPath("2b")) == oldPopBytes_, "2b.pop changed");
    p.Check(!fs::exists(PopPath("2b13g")), "2b13g.pop appeared");
    p.Check(Temporaries(Folder()).empty(), "a temporary file stayed");
    // The entry keeps the newest data for the rest of the run.
    p.Check(list.Find(2)->Masks() == Set("2b 13g"), "the list entry lost the edit");
    return p.Text();
  }

  // Saves other settings; it must fail, be reported and keep the old file.
  std::string SaveFails(const CSettings& changed, const std::string& cause) {
    Problems p;
    RecordingNotifier notifier;
    p.Check(!changed.Save(StatusPath(), notifier), "saving the settings reported success");
    p.Check(
        Mentions(notifier, 0, "Settings not saved", cause) && Mentions(notifier, 0, "Settings not saved", "unchanged"),
        "the user was not told why: " + (notifier.messages.empty() ? "" : notifier.messages[0].text));
    p.Check(Bytes(StatusPath()) == oldStatus_, "Status.dat changed");
    p.Check(Temporaries(dir_.Path()).empty(), "a temporary file stayed");
    return p.Text();
  }

  test::TempDir dir_;
  RecordingNotifier notifier_;
  CSettings old_ = SettingsWith(3, 0x00112233);
  PopContents oldPop_ = PopWith("2b", "Towns", 5000, 'o');
  std::vector<unsigned char> oldStatus_, oldPopBytes_;
  std::error_code ec_;
};

TEST_F(Census, AReadOnlyFolderKeepsStatusDatAndTheSubpopulationFiles) {
  // As the superuser the folders go to "nobody", who then may not write them.
  const bool root = geteuid() == 0;
  for (const std::string& path : {dir_.Path(), Folder(), PopPath("2b"), StatusPath()})
    if (root && chown(path.c_str(), kNobody, kNobody) != 0) GTEST_SKIP() << "cannot hand the files to nobody";
  chmod(dir_.Path().c_str(), 0555);
  chmod(Folder().c_str(), 0555);
  const std::string report = InChild([&]() -> std::string {
    if (root && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
      return std::string(kSkip) + "cannot drop the superuser's rights here";
    if (access(dir_.Path().c_str(), X_OK) != 0) return std::string(kSkip) + "the temporary folder is closed to nobody";
    return SaveFails(SettingsWith(4, 0x00445566), "Permission denied") + StoreFails("Permission denied");
  });
  chmod(dir_.Path().c_str(), 0755);
  chmod(Folder().c_str(), 0755);
  EXPECT_CHILD_CLEAN(report);
  EXPECT_EQ(Bytes(StatusPath()), oldStatus_);
  EXPECT_EQ(Bytes(PopPath("2b")), oldPopBytes_);
}

TEST_F(Census, PlantedLinksAtTemporaryNamesAreNotFollowed) {
  // Anyone who may write the folder can put links where a fixed temporary name
  // would be; every save must leave the links' target alone.
  const std::string victim = dir_.File("victim");
  test::WriteText(victim, "precious");
  for (const std::string& temp :
       {StatusPath() + ".tmp", PopPath("2b") + ".tmp", PopPath("2b13g") + ".tmp", PopPath("Celá") + ".tmp"})
    fs::create_symlink(victim, temp);

  RecordingNotifier notifier;
  EXPECT_TRUE(SettingsWith(4, 0x00445566).Save(StatusPath(), notifier));
  CSubpopulationList list(Folder());
  ASSERT_TRUE(list.Build());
  CPopulace edited(*list.Find(2), false);
  edited.SetNote("new note");
  bool written = false;
  list.Store(edited, 2, notifier, &written);
  EXPECT_TRUE(written);
  edited.Masks() = Set("2b 13g");
  list.Store(edited, 2, notifier, &written);
  EXPECT_TRUE(written);
  CPopulace whole(kWholePopulationIdentity);
  list.Store(whole, 0, notifier, &written);
  EXPECT_TRUE(written);

  EXPECT_TRUE(notifier.messages.empty()) << notifier.messages.front().text;
  EXPECT_EQ(test::ReadText(victim), "precious");
  CSettings back;
  back.Load(StatusPath());
  EXPECT_EQ(back.gradientTop, 0x00445566u);
  EXPECT_TRUE(fs::is_symlink(StatusPath() + ".tmp"));  // not ours: left where it is
}

TEST(SafeWrite, TakesTheTargetsPermissionsAndRemovesOnlyStaleTemporaries) {
  test::TempDir dir;
  const std::string path = dir.File("Status.dat");
  test::WriteText(path, "old");
  chmod(path.c_str(), 0640);
  const std::string stale = path + ".tmp-Ab12Cd", fresh = dir.File("x.pop.tmp-Zz99Yy"),
                    other = dir.File("notes.tmp-1"), link = dir.File("y.pop.tmp-Qq11Ww");
  for (const std::string& name : {stale, fresh, other}) test::WriteText(name, "left over");
  fs::create_symlink(path, link);
  const timespec dayAndASecondAgo[2] = {{time(nullptr) - 86401, 0}, {time(nullptr) - 86401, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, stale.c_str(), dayAndASecondAgo, 0), 0);
  ASSERT_EQ(utimensat(AT_FDCWD, link.c_str(), dayAndASecondAgo, AT_SYMLINK_NOFOLLOW), 0);

  ASSERT_TRUE(WriteFileAtomically(path, "new", 3));
  EXPECT_EQ(test::ReadText(path), "new");
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(fresh));
  EXPECT_TRUE(fs::exists(other));
  EXPECT_TRUE(fs::is_symlink(link));
}

// Mounts a small tmpfs on `folder` in a mount namespace of the calling process
// only (a user namespace as well when that is what an ordinary user may make).
std::string MountSmallDisk(const std::string& folder, const char* size) {
  const uid_t uid = getuid();
  const gid_t gid = getgid();
  if (unshare(CLONE_NEWNS) != 0) {
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return "neither a mount nor a user namespace can be made here";
    auto put = [](const char* file, const std::string& text) {
      const int fd = open(file, O_WRONLY);
      const bool ok = fd >= 0 && write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
      if (fd >= 0) close(fd);
      return ok;
    };
    put("/proc/self/setgroups", "deny");
    if (!put("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !put("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
      return "the user namespace cannot be mapped";
  }
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return "mounts cannot be made private";
  const std::string options = std::string("size=") + size;
  if (mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0)
    return std::string("tmpfs cannot be mounted: ") + std::strerror(errno);
  return "";
}

TEST(FullDisk, ADiskThatFillsDuringTheWriteKeepsTheOldFiles) {
  test::TempDir dir;
  const std::string disk = dir.File("disk");
  fs::create_directory(disk);
  const std::string report = InChild([&]() -> std::string {
    const std::string why = MountSmallDisk(disk, "1m");
    if (!why.empty()) return kSkip + why;
    Problems p;
    RecordingNotifier notifier;
    const std::string status = disk + "/Status.dat";
    const CSettings old = SettingsWith(5, 0x00010101);
    const CSettings big = SettingsWith(20000, 0x00020202);  // the five latest records are kept
    p.Check(old.Save(status, notifier), "the first Status.dat could not be written");
    CSubpopulationList list(disk + "/Populace");
    list.Build();
    CPopulace first(kWholePopulationIdentity);
    first.Masks() = Set("2b");
    first.SetNote("short");
    list.Store(first, 0, notifier);
    const std::vector<unsigned char> oldStatus = Bytes(status), oldPop = Bytes(disk + "/Populace/2b.pop");

    // Fill the disk up to its last 16 kB: the new ".pop" file starts to be written
    // and then fails; a second filler takes the rest, so the settings fail as well.
    struct statvfs info {};
    statvfs(disk.c_str(), &info);
    const std::size_t free = static_cast<std::size_t>(info.f_bavail) * info.f_bsize;
    const std::string filler = disk + "/filler";
    test::WriteBytes(filler, std::vector<unsigned char>(free > 16384 ? free - 16384 : 0, 'f'));

    CPopulace edited(*list.Find(first.Identity()), false);
    edited.SetNote(std::string(300000, 'n'));
    bool written = true;
    list.Store(edited, first.Identity(), notifier, &written);
    p.Check(!written, "storing a 300 kB note into 16 kB reported success");
    test::WriteBytes(filler + "2", std::vector<unsigned char>(16384, 'f'));
    p.Check(!big.Save(status, notifier), "saving the settings on a full disk reported success");
    p.Check(Mentions(notifier, 1, "Settings not saved", "No space left on device") &&
                Mentions(notifier, 0, "Subpopulation not saved", "No space left on device"),
            "the user was not told about the full disk");
    p.Check(Bytes(status) == oldStatus, "Status.dat changed");
    p.Check(Bytes(disk + "/Populace/2b.pop") == oldPop, "2b.pop changed");
    p.Check(Temporaries(disk).empty() && Temporaries(disk + "/Populace").empty(), "a temporary file stayed");

    // With room again both are written.
    fs::remove(filler);
    fs::remove(filler + "2");
    p.Check(big.Save(status, notifier) && Bytes(status) == big.Bytes(), "with room again Status.dat was not written");
    list.Store(edited, first.Identity(), notifier, &written);
    p.Check(written, "with room again 2b.pop was not written");
    return p.Text();
  });
  EXPECT_CHILD_CLEAN(report);
}

// Kills a child that writes over and over, 40 times: every other kill comes at
// a random moment of the child's loop, the others at a random moment after a
// temporary file appeared in one of the folders `temps`, that is while a file is being written
// or just renamed. After every kill `check` looks at the targets. Returns how
// many kills left a temporary file behind (came in the middle of a write).
// `cycle` is the time of one pass of the loop, `write` that of one file write.
template <typename Write, typename Check>
int KillWhileWriting(Write writeForever, Check check, const std::vector<std::string>& temps,
                     std::chrono::microseconds cycle, std::chrono::microseconds write) {
  using std::chrono::microseconds;
  auto tempLeft = [&] {
    return std::any_of(temps.begin(), temps.end(), [](const std::string& t) { return !Temporaries(t).empty(); });
  };
  std::mt19937 random(std::random_device{}());
  std::uniform_int_distribution<long> anyTime(0, std::max<long>(1, static_cast<long>(2 * cycle.count())));
  std::uniform_int_distribution<long> inWrite(0, std::max<long>(1, static_cast<long>(2 * write.count())));
  int midWrite = 0;
  for (int kill = 0; kill < 40 && !::testing::Test::HasFailure(); ++kill) {
    for (const std::string& t : temps)  // left by the previous kill
      for (const std::string& left : Temporaries(t)) fs::remove(left);
    const pid_t pid = fork();
    if (pid == 0) {
      writeForever();
      _exit(0);
    }
    if (kill % 2 == 0) {
      std::this_thread::sleep_for(microseconds(anyTime(random)));
    } else {
      const auto deadline = std::chrono::steady_clock::now() + 4 * cycle + std::chrono::seconds(1);
      while (!tempLeft() && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(microseconds(20));
      std::this_thread::sleep_for(microseconds(inWrite(random)));
    }
    ::kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (tempLeft()) ++midWrite;
    check(kill);
  }
  return midWrite;
}

// Time of writing `bytes` safely to `path` once.
std::chrono::microseconds WriteTime(const std::string& path, const std::vector<unsigned char>& bytes) {
  const auto start = std::chrono::steady_clock::now();
  WriteFileAtomically(path, bytes.data(), bytes.size());
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
}

TEST(Crash, StatusDatIsAlwaysTheOldOrTheNewFile) {
  test::TempDir dir;
  const std::string path = dir.File("Status.dat");
  RecordingNotifier notifier;
  const CSettings a = SettingsWith(40000, 0x00AAAAAA), b = SettingsWith(60000, 0x00BBBBBB);
  const std::vector<unsigned char> bytesA = a.Bytes(), bytesB = b.Bytes();
  const auto write = WriteTime(path, bytesB);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(b.Save(path, notifier));
  ASSERT_TRUE(a.Save(path, notifier));
  const auto cycle = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);

  const int midWrite = KillWhileWriting(
      [&] {
        RecordingNotifier quiet;
        for (;;) {
          b.Save(path, quiet);
          a.Save(path, quiet);
        }
      },
      [&](int kill) {
        const std::vector<unsigned char> now = Bytes(path);
        EXPECT_TRUE(now == bytesA || now == bytesB)
            << "after kill " << kill << " Status.dat holds " << now.size() << " bytes, neither version";
      },
      {dir.Path()}, cycle, write);
  EXPECT_GT(midWrite, 0) << "no kill came while a file was being written";
  ::testing::Test::RecordProperty("killsDuringAWrite", midWrite);

  // A temporary file left by a crash is neither read nor in the way.
  for (const std::string& left : Temporaries(dir.Path())) test::WriteText(left, "half a file");
  test::WriteText(path + ".tmp-aaaaaa", "half a file");
  CSettings back;
  back.Load(path);
  EXPECT_TRUE(back.gradientTop == a.gradientTop || back.gradientTop == b.gradientTop);
  EXPECT_TRUE(a.Save(path, notifier));
  EXPECT_EQ(Bytes(path), bytesA);
}

TEST(Crash, SubpopulationFilesAreAlwaysWholeAndOneOfThemStays) {
  // The child stores one subpopulation over and over, switching its conditions
  // between "2b" and "2b 13g", so its file is renamed each time (new file first,
  // then the old one is deleted).
  test::TempDir dir;
  const std::string folder = dir.File("Populace");
  const PopContents towns = PopWith("2b", "Towns", 1500000, 'a'),
                    commuters = PopWith("2b 13g", "Commuters", 1000000, 'b');
  const std::vector<unsigned char> townsBytes = EncodePop(towns), commutersBytes = EncodePop(commuters);
  fs::create_directory(folder);
  const auto write = WriteTime(folder + "/2b.pop", townsBytes);

  auto storeForever = [&] {
    RecordingNotifier quiet;
    CSubpopulationList list(folder);
    list.Build();
    CPopulace entry(*list.Entries().back(), false);
    for (;;)
      for (const PopContents* next : {&commuters, &towns}) {
        entry.Masks() = next->masks;
        entry.SetName(next->name);
        entry.SetNote(next->note);
        list.Store(entry, entry.Identity(), quiet);
      }
  };
  const auto start = std::chrono::steady_clock::now();
  {
    RecordingNotifier notifier;
    CSubpopulationList list(folder);
    list.Build();
    CPopulace entry(*list.Find(2), false);
    for (const PopContents* next : {&commuters, &towns}) {
      entry.Masks() = next->masks;
      entry.SetNote(next->note);
      entry.SetName(next->name);
      list.Store(entry, 2, notifier);
    }
    ASSERT_TRUE(notifier.messages.empty());
  }
  const auto cycle = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);

  const int midWrite = KillWhileWriting(
      storeForever,
      [&](int kill) {
        int whole = 0;
        for (const auto& file : fs::directory_iterator(folder)) {
          const std::string name = file.path().filename().string();
          if (IsTemporaryFileName(name)) continue;
          const std::vector<unsigned char> bytes = Bytes(file.path().string());
          const bool ok = (name == "2b.pop" && bytes == townsBytes) || (name == "2b13g.pop" && bytes == commutersBytes);
          EXPECT_TRUE(ok) << "after kill " << kill << ": " << name << " holds " << bytes.size() << " bytes";
          whole += ok;
        }
        EXPECT_GT(whole, 0) << "after kill " << kill << " no subpopulation file is left";
        // The list never shows a temporary file.
        CSubpopulationList list(folder);
        list.Build();
        for (const auto& entry : list.Entries())
          EXPECT_TRUE(!entry->FileName() || entry->FileName()->ends_with(".pop")) << *entry->FileName();
      },
      {folder}, cycle, write);
  EXPECT_GT(midWrite, 0) << "no kill came while a file was being written";
  ::testing::Test::RecordProperty("killsDuringAWrite", midWrite);
}

}  // namespace
}  // namespace orbica
