#include "model/notifier.h"

#include <ostream>

namespace orbica {

void RecordingNotifier::Show(const std::string& text, const std::string& caption, MessageIcon icon) {
  messages.push_back({text, caption, icon, false});
}

Reply RecordingNotifier::Ask(const std::string& text, const std::string& caption) {
  messages.push_back({text, caption, MessageIcon::Question, true});
  if (replies.empty()) return Reply::No;
  const Reply reply = replies.front();
  replies.pop_front();
  return reply;
}

std::vector<std::string> RecordingNotifier::Texts() const {
  std::vector<std::string> texts;
  texts.reserve(messages.size());
  for (const Message& m : messages) texts.push_back(m.text);
  return texts;
}

void StreamNotifier::Show(const std::string& text, const std::string& caption, MessageIcon) {
  out_ << caption << ": " << text << '\n';
}

Reply StreamNotifier::Ask(const std::string& text, const std::string& caption) {
  out_ << caption << ": " << text << '\n';
  return reply_;
}

}  // namespace orbica
