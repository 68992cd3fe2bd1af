// Input files that are not ordinary: named pipes and other special files are
// refused without waiting for a writer, and a load that runs out of memory
// fails with a message instead of ending the program.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <future>
#include <ostream>

#include "engine/app_context.h"
#include "model/binary_io.h"
#include "support/census_files.h"
#include "support/description_file.h"

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ORBICA_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define ORBICA_SANITIZED 1
#endif
#endif

namespace orbica {
namespace {

using test::TempDir;

// A census folder with sound files; a test then replaces one of them.
struct Census {
  TempDir dir;
  Census() {
    test::WriteBytes(dir.File(kModelFileName), test::TestModel::Uniform(2, 1000).Bytes());
    test::WriteBytes(dir.File(kCountsFileName), test::RecordsBytes({{10, {0, -1, -1}}}));
    test::WriteText(dir.File(kQuestionsFileName), test::DescriptionFile().Text());
  }
  std::string File(const std::string& name) const { return dir.File(name); }
  void MakeFifo(const std::string& name) const {
    std::remove(File(name).c_str());
    ASSERT_EQ(::mkfifo(File(name).c_str(), 0600), 0);
  }
};

struct FifoCase {
  const char* file;
  int startUp;             // what the start-up sequence returns
  const char* firstShown;  // the first message, which names the file
};

void PrintTo(const FifoCase& c, std::ostream* out) { *out << c.file; }

class FifoInput : public ::testing::TestWithParam<FifoCase> {};

TEST_P(FifoInput, IsRefusedAtOnceWithAMessageNamingIt) {
  const FifoCase& c = GetParam();
  Census census;
  census.MakeFifo(c.file);
  RecordingNotifier notifier;
  AppContext context(notifier, census.dir.Path());
  auto run = std::async(std::launch::async, [&] { return context.StartUp(); });
  if (run.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    // Give the blocked reader a writer so that the test itself can end.
    const int writer = ::open(census.File(c.file).c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
    run.wait();
    FAIL() << c.file << " as a named pipe blocked the start-up";
  }
  EXPECT_EQ(run.get(), c.startUp);
  const std::vector<std::string> texts = notifier.Texts();
  if (c.firstShown == nullptr) {
    EXPECT_TRUE(texts.empty()) << texts.front();
  } else {
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), c.firstShown);
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachInput, FifoInput,
    ::testing::Values(
        FifoCase{kModelFileName, -1,
                 "\"data.mle\" is not a regular file (a named pipe, device or folder); it is not read."},
        // Without observed counts the program still starts, as without the file.
        FifoCase{kCountsFileName, 0,
                 "\"zData.gcd\" is not a regular file (a named pipe, device or folder); it is not read."},
        FifoCase{kQuestionsFileName, -1,
                 "\"Otazky.txt\" is not a regular file (a named pipe, device or folder); it is not read."},
        // The settings keep their defaults, quietly, as for a missing file.
        FifoCase{kSettingsFileName, 0, nullptr}),
    [](const auto& info) {
      std::string name = info.param.file;
      return name.substr(0, name.find('.'));
    });

TEST(InputFile, FoldersAndDevicesAreRefusedAndReadsStopAtTheLimit) {
  TempDir dir;
  std::vector<unsigned char> bytes;
  EXPECT_EQ(ReadInputFile(dir.Path(), bytes), InputStatus::NotRegular);
  EXPECT_EQ(ReadInputFile("/dev/zero", bytes), InputStatus::NotRegular);
  EXPECT_EQ(ReadInputFile(dir.File("missing"), bytes), InputStatus::CannotOpen);
  test::WriteText(dir.File("ten"), "0123456789");
  std::uint64_t size = 0;
  ASSERT_EQ(ReadInputFile(dir.File("ten"), bytes, 4, &size), InputStatus::Ok);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "0123");
  EXPECT_EQ(size, 10u);
}

// ---- running out of memory ----------------------------------------------------

// Virtual memory of this process now.
std::uint64_t AddressSpaceInUse() {
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  unsigned long long pages = 0;
  if (f) {
    if (std::fscanf(f, "%llu", &pages) != 1) pages = 0;
    std::fclose(f);
  }
  return pages * static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
}

// Outcomes of a start-up in a child process limited to `headroom` bytes more
// address space than it has: the exit codes below, or a signal.
enum Outcome { kFailedWithNotEnoughMemory = 10, kStarted = 11, kFailedOtherwise = 12, kNotForked = -1 };

int StartUpWithin(const std::string& folder, std::uint64_t headroom) {
  const pid_t child = ::fork();
  if (child < 0) return kNotForked;
  if (child == 0) {
    const rlimit limit{AddressSpaceInUse() + headroom, AddressSpaceInUse() + headroom};
    ::setrlimit(RLIMIT_AS, &limit);
    RecordingNotifier notifier;
    int code = kFailedOtherwise;
    {
      AppContext context(notifier, folder);
      const int result = context.StartUp();
      const std::vector<std::string> texts = notifier.Texts();
      if (result == 0) code = kStarted;
      else if (!texts.empty() && texts.front() == "Not enough memory") code = kFailedWithNotEnoughMemory;
    }
    ::_exit(code);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
}

struct MemoryCase {
  const char* name;
  std::uint64_t headroom;  // address space allowed beyond what the process has
  std::function<void(const Census&)> make;  // makes one file of the census too big for the headroom
};

void PrintTo(const MemoryCase& c, std::ostream* out) { *out << c.name; }

class OutOfMemory : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(OutOfMemory, FailsTheLoadWithTheMessage) {
#ifdef ORBICA_SANITIZED
  GTEST_SKIP() << "the sanitizers' shadow memory does not fit under an address-space limit";
#endif
  Census census;
  const MemoryCase& c = GetParam();
  ASSERT_EQ(StartUpWithin(census.dir.Path(), c.headroom), kStarted) << "the sound census must fit";
  c.make(census);
  EXPECT_EQ(StartUpWithin(census.dir.Path(), c.headroom), kFailedWithNotEnoughMemory);
}

// A sparse file of `size` bytes that begins with `head`: no disk space is used.
void WriteSparse(const std::string& path, const std::vector<unsigned char>& head, off_t size) {
  test::WriteBytes(path, head);
  ASSERT_EQ(::truncate(path.c_str(), size), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EachReader, OutOfMemory,
    ::testing::Values(
        // 65,535 components: 108 MB of probability rows.
        MemoryCase{"Model", std::uint64_t{48} << 20,
                   [](const Census& c) {
                     std::vector<unsigned char> header(kModelHeaderBytes, 0);
                     header[0] = 100;
                     header[8] = header[9] = 0xFF;
                     WriteSparse(c.File(kModelFileName), header,
                                 static_cast<off_t>(CModel::RequiredFileSize(65535)));
                   }},
        // Every pair of answers of different questions, with a third: the
        // index tree needs about 13 MB.
        MemoryCase{"Counts", std::uint64_t{6} << 20,
                   [](const Census& c) {
                     std::vector<CountRecord> records;
                     for (int a = 0; a < kFlatAnswerCount; ++a)
                       for (int b = a + 1; b < kFlatAnswerCount; ++b) {
                         if (QuestionOfFlatCode(a) == QuestionOfFlatCode(b) || QuestionOfFlatCode(b) == 23) continue;
                         records.push_back({1, {a, b, kFlatAnswerCount - 1}});
                       }
                     test::WriteBytes(c.File(kCountsFileName), test::RecordsBytes(records));
                   }},
        // 600 MB of question texts.
        MemoryCase{"Questions", std::uint64_t{48} << 20,
                   [](const Census& c) {
                     const std::string text = test::DescriptionFile().Text();
                     WriteSparse(c.File(kQuestionsFileName), std::vector<unsigned char>(text.begin(), text.end()),
                                 off_t{600} << 20);
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orbica
