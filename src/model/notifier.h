// How the engine talks to the user: a message with a caption, or a Yes/No/Cancel
// question. The application shows message boxes; tests record; the CLI prints.
#pragma once

#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

namespace orbica {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class Reply { Yes, No, Cancel };

class Notifier {
 public:
  virtual ~Notifier() = default;
  // A message with an OK button.
  virtual void Show(const std::string& text, const std::string& caption,
                    MessageIcon icon = MessageIcon::None) = 0;
  // A question with the buttons Yes, No and Cancel.
  virtual Reply Ask(const std::string& text, const std::string& caption) = 0;
  // A question with the buttons Yes and No; anything but Yes counts as No.
  virtual Reply AskYesNo(const std::string& text, const std::string& caption) {
    return Ask(text, caption) == Reply::Yes ? Reply::Yes : Reply::No;
  }
};

// Keeps every message and answers questions from a queue (No once it runs dry).
class RecordingNotifier final : public Notifier {
 public:
  struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    bool question = false;
  };

  void Show(const std::string& text, const std::string& caption, MessageIcon icon) override;
  Reply Ask(const std::string& text, const std::string& caption) override;

  std::vector<Message> messages;
  std::deque<Reply> replies;
  // Texts only, in order: what tests compare most of the time.
  std::vector<std::string> Texts() const;
};

// Writes "caption: text" lines to a stream (the CLI uses standard error);
// questions are answered with a fixed reply.
class StreamNotifier final : public Notifier {
 public:
  explicit StreamNotifier(std::ostream& out, Reply reply = Reply::No) : out_(out), reply_(reply) {}
  void Show(const std::string& text, const std::string& caption, MessageIcon icon) override;
  Reply Ask(const std::string& text, const std::string& caption) override;

 private:
  std::ostream& out_;
  Reply reply_;
};

}  // namespace orbica
