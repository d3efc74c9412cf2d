// Names in the roster file are single ISO-8859-1 bytes.

#include <gtest/gtest.h>

#include "players/latin1.h"

TEST(Latin1, KeepsEveryLatin1CharacterThroughARoundTrip) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  const std::string text = Utf8FromLatin1(all);
  EXPECT_EQ(text.size(), 127u + 2 * 128);
  EXPECT_EQ(Latin1FromUtf8(text), all);
  EXPECT_EQ(Utf8FromLatin1("\xE9"), "\xC3\xA9");
}

TEST(Latin1, OneQuestionMarkPerCharacterItCannotHold) {
  EXPECT_EQ(Latin1FromUtf8("a\xE2\x82\xAC" "b"), "a?b");              // euro sign
  EXPECT_EQ(Latin1FromUtf8("\xF0\x9F\x98\x80"), "?");               // one emoji, four bytes
  EXPECT_EQ(Latin1FromUtf8("\xC5\x81" "odz"), "?odz");              // L with stroke
}

TEST(Latin1, BrokenUtf8BecomesQuestionMarks) {
  EXPECT_EQ(Latin1FromUtf8("\xC3"), "?");            // cut short
  EXPECT_EQ(Latin1FromUtf8("\xC3" "A"), "?A");       // not continued
  EXPECT_EQ(Latin1FromUtf8("\x80" "x"), "?x");       // stray continuation byte
  EXPECT_EQ(Latin1FromUtf8("\xC1\x81"), "?");        // overlong 'A'
  EXPECT_EQ(Latin1FromUtf8("\xFF"), "?");
}
