#include "model/notifier.h"

#include <ostream>

namespace orbica {

void RecordingNotifier::Show(const orbica::Message& text, const orbica::Message& caption, MessageIcon icon) {
  messages.push_back({English(text), English(caption), icon, false, text, caption});
}

Reply RecordingNotifier::Ask(const orbica::Message& text, const orbica::Message& caption) {
  messages.push_back({English(text), English(caption), MessageIcon::Question, true, text, caption});
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

void StreamNotifier::Write(const Message& text, const Message& caption) {
  if (wording_)
    out_ << wording_(caption) << ": " << wording_(text) << '\n';
  else
    out_ << English(caption) << ": " << English(text) << '\n';
}

void StreamNotifier::Show(const Message& text, const Message& caption, MessageIcon) { Write(text, caption); }

Reply StreamNotifier::Ask(const Message& text, const Message& caption) {
  Write(text, caption);
  return reply_;
}

}  // namespace orbica
