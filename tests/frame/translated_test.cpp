// Texts with their values filled in: each %N once, in one pass.

#include <gtest/gtest.h>

#include "frame/translated.h"

TEST(Translated, EachPlaceholderTakesItsValueInOnePass) {
  const struct {
    const char* text;
    std::initializer_list<std::string> values;
    std::string told;
  } cases[] = {
      {"No problems found.", {}, "No problems found."},
      {"%1 is %2; sensible values are %3 to %4.", {"PassRows", "0", "1", "12"},
       "PassRows is 0; sensible values are 1 to 12."},
      {"Cell %2 after %1", {"a", "b"}, "Cell b after a"},
      {"The file %1 could not be read (%2).", {"\"b%2.dat\"", "gone"}, "The file \"b%2.dat\" could not be read (gone)."},
      {"The window will be %1 % of its size.", {"150"}, "The window will be 150 % of its size."},
      {"%1%", {"50"}, "50%"},
      {"%3 stays without a value", {"x"}, "%3 stays without a value"},
      {"ends in %", {}, "ends in %"},
  };
  for (const auto& c : cases) EXPECT_EQ(Translated("Test", c.text, c.values), c.told) << c.text;
}
