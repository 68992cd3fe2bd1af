// How the engine talks to the user: a message with a caption, or a Yes/No/Cancel
// question. The application shows message boxes; tests record; the CLI prints.
// Texts and captions are messages (ids with arguments), put into words by the
// notifier.
#pragma once

#include <deque>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "model/message.h"

namespace orbica {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class Reply { Yes, No, Cancel };

class Notifier {
 public:
  virtual ~Notifier() = default;
  // A message with an OK button.
  virtual void Show(const Message& text, const Message& caption, MessageIcon icon = MessageIcon::None) = 0;
  // A question with the buttons Yes, No and Cancel.
  virtual Reply Ask(const Message& text, const Message& caption) = 0;
  // A question with the buttons Yes and No; anything but Yes counts as No.
  virtual Reply AskYesNo(const Message& text, const Message& caption) {
    return Ask(text, caption) == Reply::Yes ? Reply::Yes : Reply::No;
  }
};

// Keeps every message (in English and as sent) and answers questions from a
// queue (No once it runs dry).
class RecordingNotifier final : public Notifier {
 public:
  struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    bool question = false;
    orbica::Message sentText;
    orbica::Message sentCaption;
  };

  void Show(const orbica::Message& text, const orbica::Message& caption, MessageIcon icon) override;
  Reply Ask(const orbica::Message& text, const orbica::Message& caption) override;

  std::vector<Message> messages;
  std::deque<Reply> replies;
  // Texts only, in order: what tests compare most of the time.
  std::vector<std::string> Texts() const;
};

// Writes "caption: text" lines to a stream (the CLI uses standard error);
// questions are answered with a fixed reply. Messages are in English unless
// another way of wording them is given.
class StreamNotifier final : public Notifier {
 public:
  using Wording = std::function<std::string(const Message&)>;
  explicit StreamNotifier(std::ostream& out, Reply reply = Reply::No, Wording wording = {})
      : out_(out), reply_(reply), wording_(std::move(wording)) {}
  void Show(const Message& text, const Message& caption, MessageIcon icon) override;
  Reply Ask(const Message& text, const Message& caption) override;

 private:
  void Write(const Message& text, const Message& caption);
  std::ostream& out_;
  Reply reply_;
  Wording wording_;
};

}  // namespace orbica
