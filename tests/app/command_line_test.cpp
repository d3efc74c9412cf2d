// The command line: what each option asks for, and what the player is told before any window.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace {
struct TAnswer {
  std::optional<int> exitCode;
  std::string out, err;
};

TAnswer Answer(const std::vector<std::string>& arguments) {
  std::ostringstream out, err;
  const std::optional<int> exitCode = AnswerWithoutWindow(ParseCommandLine(arguments), out, err);
  return {exitCode, out.str(), err.str()};
}
}  // namespace

TEST(CommandLine, EachOptionAsksForItsLaunch) {
  const struct {
    std::vector<std::string> arguments;
    TLaunch launch;
  } cases[] = {
      {{}, TLaunch::Play},
      {{"--editor"}, TLaunch::Editor},
      {{"--help"}, TLaunch::Help},
      {{"-h"}, TLaunch::Help},
      {{"--version"}, TLaunch::Version},
      {{"--version", "--help"}, TLaunch::Help},
      {{"--editor", "--version"}, TLaunch::Version},
      {{"--help", "--bogus"}, TLaunch::Mistake},
      {{"-x"}, TLaunch::Mistake},
      {{"--"}, TLaunch::Mistake},
      {{"-"}, TLaunch::Mistake},
      {{"level3"}, TLaunch::Mistake},
      {{""}, TLaunch::Mistake},
      {{"--HELP"}, TLaunch::Mistake},
      {{"--help=yes"}, TLaunch::Mistake},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const std::string& argument : c.arguments) shown += "[" + argument + "]";
    EXPECT_EQ(ParseCommandLine(c.arguments).launch, c.launch) << shown;
  }
}

TEST(CommandLine, TheProgramNameIsNotAnArgument) {
  const char* argv[] = {"/usr/games/brillor", "--version"};
  EXPECT_EQ(ParseCommandLine(2, argv).launch, TLaunch::Version);
  EXPECT_EQ(ParseCommandLine(1, argv).launch, TLaunch::Play);
  EXPECT_EQ(ParseCommandLine(0, argv).launch, TLaunch::Play);
}

TEST(CommandLine, AMistakeIsNamedOnTheErrorStreamWithExitCodeTwo) {
  const TAnswer answer = Answer({"--fullscreen"});
  EXPECT_EQ(answer.exitCode, 2);
  EXPECT_TRUE(answer.out.empty());
  EXPECT_NE(answer.err.find("unknown option '--fullscreen'"), std::string::npos) << answer.err;
  EXPECT_NE(answer.err.find("--help"), std::string::npos) << "points to the help: " << answer.err;
  EXPECT_NE(Answer({"save.dat"}).err.find("unexpected argument 'save.dat'"), std::string::npos);
}

TEST(CommandLine, HelpAndVersionAnswerOnTheOutputAndEndWell) {
  const TAnswer help = Answer({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.err.empty());
  for (const char* option : {"--editor", "--help", "--version"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  const TAnswer version = Answer({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.rfind("Brillor I ", 0), 0u) << version.out;
  EXPECT_EQ(version.out.back(), '\n');
}

TEST(CommandLine, PlayingAndTheEditorStartTheGameWithoutAWord) {
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"--editor"}}) {
    const TAnswer answer = Answer(arguments);
    EXPECT_EQ(answer.exitCode, std::nullopt);
    EXPECT_EQ(answer.out + answer.err, "");
  }
}

TEST(CommandLine, LangNamesTheLanguageOfARunAndNeedsACode) {
  const struct {
    std::vector<std::string> arguments;
    TLaunch launch;
    std::string language;
  } cases[] = {
      {{"--lang", "de"}, TLaunch::Play, "de"},
      {{"--lang=pt_BR", "--editor"}, TLaunch::Editor, "pt_BR"},
      {{"--editor", "--lang", "ru"}, TLaunch::Editor, "ru"},
      {{"--lang", "de", "--lang", "fr"}, TLaunch::Play, "fr"},
      {{"--lang", "--help"}, TLaunch::Mistake, ""},
      {{"--lang", "ru", "--help"}, TLaunch::Help, "ru"},
      {{"--lang"}, TLaunch::Mistake, ""},
      {{"--lang", ""}, TLaunch::Mistake, ""},
      {{"--lang="}, TLaunch::Mistake, ""},
      {{"--language=de"}, TLaunch::Mistake, ""},
  };
  for (const auto& c : cases) {
    std::string shown;
    for (const std::string& argument : c.arguments) shown += "[" + argument + "]";
    const TCommandLine commandLine = ParseCommandLine(c.arguments);
    EXPECT_EQ(commandLine.launch, c.launch) << shown;
    EXPECT_EQ(commandLine.language, c.language) << shown;
  }
  EXPECT_EQ(Answer({"--lang"}).err, "brillor: option '--lang' needs a language code\nTry 'brillor --help' for the options.\n");
  EXPECT_NE(Answer({"--help"}).out.find("--lang CODE"), std::string::npos);
}
