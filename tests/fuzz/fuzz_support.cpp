#include "fuzz_support.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

#include "model/binary_io.h"
#include "survey/text_encoding.h"

namespace orbica::fuzz {

void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", what, file, line);
  std::abort();
}

namespace {

std::string MakeScratchFolder() {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path base = "/dev/shm";
  if (::access(base.c_str(), W_OK) != 0) {
    const char* tmp = std::getenv("TMPDIR");
    base = tmp && *tmp ? fs::path(tmp) : fs::temp_directory_path(ec);
  }
  // Folders of earlier runs that ended in a crash (no atexit then) are removed.
  const std::string prefix = "orbica-fuzz-";
  for (const fs::directory_entry& entry : fs::directory_iterator(base, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(prefix, 0) != 0) continue;
    const long pid = std::strtol(name.c_str() + prefix.size(), nullptr, 10);
    if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) fs::remove_all(entry.path(), ec);
  }
  const fs::path folder = base / (prefix + std::to_string(::getpid()));
  fs::create_directories(folder, ec);
  if (ec) {
    std::fprintf(stderr, "cannot make the scratch folder %s: %s\n", folder.c_str(), ec.message().c_str());
    std::abort();
  }
  return folder.string();
}

void RemoveScratchFolder() {
  std::error_code ec;
  std::filesystem::remove_all(ScratchFolder(), ec);
}

}  // namespace

const std::string& ScratchFolder() {
  static const std::string folder = MakeScratchFolder();
  static const bool registered = std::atexit(RemoveScratchFolder) == 0;
  (void)registered;
  return folder;
}

std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  const std::string path = ScratchFolder() + "/" + name;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || (size > 0 && std::fwrite(data, 1, size, f) != size) || std::fclose(f) != 0) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::abort();
  }
  return path;
}

std::string WriteScratchFile(const std::string& name, const std::string& text) {
  return WriteScratchFile(name, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::vector<unsigned char> SmallModelBytes(int components, std::int32_t respondents) {
  std::vector<unsigned char> bytes;
  AppendLE(bytes, respondents);
  AppendLE(bytes, std::uint32_t{0});
  AppendLE(bytes, static_cast<std::uint16_t>(components));
  AppendLE(bytes, std::uint16_t{0});
  // Weights 1, 2, ... normalised; answer a of a question gets a share rising with
  // a and shifted by the component, so that components and answers all differ.
  double total = 0.0;
  for (int c = 0; c < components; ++c) total += c + 1;
  for (int c = 0; c < components; ++c) AppendLE(bytes, (c + 1) / total);
  for (int c = 0; c < components; ++c)
    for (int q = 0; q < kQuestionCount; ++q) {
      const int answers = AnswerCount(q);
      double sum = 0.0;
      for (int a = 0; a < answers; ++a) sum += 1 + (a + c) % answers;
      for (int a = 0; a < answers; ++a) AppendLE(bytes, (1 + (a + c) % answers) / sum);
    }
  return bytes;
}

std::string SmallDescriptionText() {
  std::string text = std::to_string(kQuestionCount) + "\n";
  for (int q = 0; q < kQuestionCount; ++q)
    text += std::to_string(AnswerCount(q) - 1) + (q + 1 < kQuestionCount ? " " : "\n");
  text += "n/a:No answer:n/a:\n=====\n";
  for (int q = 0; q < kQuestionCount; ++q) {
    text += "Question " + std::to_string(q + 1) + "\n";
    for (int a = 1; a < AnswerCount(q); ++a)
      text += "  - Answer " + std::to_string(a) + " of question " + std::to_string(q + 1) + "\n    /q" +
              std::to_string(q + 1) + "a" + std::to_string(a) + "/\n";
  }
  return text;
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
    const std::string path = WriteScratchFile("questions.txt", SmallDescriptionText());
    if (loaded->Load(path, SmallModel(2), notifier) != 1 || !notifier.messages.empty())
      Fail("the small description file loads", __FILE__, __LINE__);
    return loaded;
  }();
  return *list;
}

bool Utf8(const std::string& text) { return IsValidUtf8(text); }

}  // namespace orbica::fuzz
