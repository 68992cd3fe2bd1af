#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/message.h"

namespace orbica {
namespace {

struct Case {
  Message message;
  std::string english;
};

TEST(Message, FormatsInEnglishWithItsArguments) {
  const Case cases[] = {
      {{MessageId::Truncated, {"11", "3", "4400"}},
       "The parameters file is truncated: it holds 11 bytes, a model of 3 components needs 4400."},
      {{MessageId::SubpopulationNotWrittenOldKept, {"Praha", "Populace/1a.pop", "No space left on device", "old.pop"}},
       "The subpopulation \"Praha\" could not be saved to \"Populace/1a.pop\" (No space left on device). It stays in "
       "the list until the program ends; its previous file \"old.pop\" is unchanged."},
      {{MessageId::BadUtf8More, {"Otazky.txt", "7", "2"}},
       "Otazky.txt is not valid UTF-8 on line 7 and in 2 more places; the bad bytes are shown as \"\xEF\xBF\xBD\"."},
      // Arguments are inserted as they are, never filled again.
      {{MessageId::ReplaceQuestion, {"100% %1 of %2"}},
       "A saved subpopulation \"100% %1 of %2\" has the same conditions. Replace it?"},
      {{MessageId::LoadCaption}, "Chyba při načítání"},
      {Message::Plain("as it is: %1"), "as it is: %1"},
      {Message(), ""},
      // A missing argument is left empty.
      {{MessageId::NotRegularFile}, "\"\" is not a regular file (a named pipe, device or folder); it is not read."},
  };
  for (const Case& c : cases) EXPECT_EQ(English(c.message), c.english);
}

TEST(Message, EveryIdHasItsOwnText) {
  std::set<std::string_view> patterns;
  for (int id = 0; id < kMessageIdCount; ++id) {
    const std::string_view pattern = EnglishPattern(static_cast<MessageId>(id));
    EXPECT_FALSE(pattern.empty()) << id;
    EXPECT_TRUE(patterns.insert(pattern).second) << pattern;
  }
  EXPECT_TRUE(EnglishPattern(MessageId::Count).empty());
}

}  // namespace
}  // namespace orbica
