#include "fuzz_support.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "support/census_files.h"
#include "support/description_file.h"
#include "survey/text_encoding.h"

namespace orbica::fuzz {

void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", what, file, line);
  std::abort();
}

namespace {

// /dev/shm when it can be written, else the system's temporary folder. Folders
// of earlier runs that ended in a crash (which leaves them) are removed first.
std::string ScratchBase() {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path base = ::access("/dev/shm", W_OK) == 0 ? fs::path("/dev/shm") : fs::temp_directory_path(ec);
  const std::string prefix = "orbica-";
  for (const fs::directory_entry& entry : fs::directory_iterator(base, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) != 0) continue;
    const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
    if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) fs::remove_all(entry.path(), ec);
  }
  return base.string();
}

// The bytes of a model file of `components` components with distinct, valid
// weights and probabilities, and `respondents` respondents: weights 1, 2, ...
// normalised; answer a of a question gets a share rising with a and shifted by
// the component, so that components and answers all differ.
std::vector<unsigned char> SmallModelBytes(int components, std::int32_t respondents) {
  test::TestModel m = test::TestModel::Uniform(components, respondents);
  double total = 0.0;
  for (int c = 0; c < components; ++c) total += c + 1;
  for (int c = 0; c < components; ++c) {
    m.weights[static_cast<std::size_t>(c)] = (c + 1) / total;
    for (int q = 0; q < kQuestionCount; ++q) {
      const int answers = AnswerCount(q);
      double sum = 0.0;
      for (int a = 0; a < answers; ++a) sum += 1 + (a + c) % answers;
      for (int a = 0; a < answers; ++a) m.P(c, q, a) = (1 + (a + c) % answers) / sum;
    }
  }
  return m.Bytes();
}

}  // namespace

const std::string& ScratchFolder() {
  static const test::TempDir folder(ScratchBase());  // removed at exit
  return folder.Path();
}

std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  const std::string path = ScratchFolder() + "/" + name;
  test::WriteBytes(path, std::vector<unsigned char>(data, data + size));
  return path;
}

std::string WriteScratchFile(const std::string& name, const std::string& text) {
  return WriteScratchFile(name, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

const CModel& SmallModel(int components) {
  static std::map<int, std::unique_ptr<CModel>> models;
  std::unique_ptr<CModel>& model = models[components];
  if (!model) {
    const std::vector<unsigned char> bytes = SmallModelBytes(components, 500000);
    const std::string path =
        WriteScratchFile("model-" + std::to_string(components) + ".mle", bytes.data(), bytes.size());
    model = std::make_unique<CModel>();
    RecordingNotifier notifier;
    if (model->Load(path, notifier, false) != 0) Fail("the small model loads", __FILE__, __LINE__);
  }
  return *model;
}

const CQuestionList& SmallQuestionList() {
  static const std::unique_ptr<CQuestionList> list = [] {
    auto loaded = std::make_unique<CQuestionList>();
    RecordingNotifier notifier;
    const std::string path = WriteScratchFile("questions.txt", test::DescriptionFile().Text());
    if (loaded->Load(path, SmallModel(2), notifier) != 1 || !notifier.messages.empty())
      Fail("the small description file loads", __FILE__, __LINE__);
    return loaded;
  }();
  return *list;
}

bool Utf8(const std::string& text) { return IsValidUtf8(text); }

}  // namespace orbica::fuzz
