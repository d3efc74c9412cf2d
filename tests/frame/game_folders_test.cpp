// Where the game reads its shipped files and keeps the player's own: the choice of folders, the
// paths built on them, and the settings landing in the player's folder.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "frame/game_folders.h"
#include "frame/paths.h"
#include "players/player_files.h"
#include "players/players.h"
#include "support/fake_time.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
struct TFolderCase {
  const char* what;
  std::set<std::string> withGameFiles;
  std::set<std::string> writable;
  std::string xdgDataHome;
  std::string home;
  std::string game, player;  // expected
};

TFolderFacts FactsOf(const TFolderCase& c) {
  return {"/opt/b/games", c.xdgDataHome, c.home,
          [&c](const std::string& folder) { return c.withGameFiles.count(folder) > 0; },
          [&c](const std::string& folder) { return c.writable.count(folder) > 0; }};
}

const std::string Beside = "/opt/b/games/";
const std::string Installed = "/opt/b/share/games/brillor/";

// Sets an environment variable for the test's lifetime and puts back what was there.
class TScopedEnvironment {
 public:
  TScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~TScopedEnvironment() { Set(old_); }

 private:
  void Set(const std::optional<std::string>& value) {
    if (value) setenv(name_, value->c_str(), 1);
    else unsetenv(name_);
  }
  const char* name_;
  std::optional<std::string> old_;
};
}  // namespace

TEST(GameFolders, ChoiceFollowsWhereTheFilesLieAndWhoMayWrite) {
  const TFolderCase cases[] = {
      {"build folder", {Beside}, {Beside}, "/x/data", "/home/p", Beside, Beside},
      {"read-only copy beside the executable", {Beside}, {}, "/x/data", "/home/p", Beside, "/x/data/brillor/"},
      {"installed", {Installed}, {}, "/x/data", "/home/p", Installed, "/x/data/brillor/"},
      {"installed and writable (root) still uses the player's folder", {Installed}, {Installed}, "/x/data", "/home/p",
       Installed, "/x/data/brillor/"},
      {"missing XDG_DATA_HOME", {Installed}, {}, "", "/home/p", Installed, "/home/p/.local/share/brillor/"},
      {"relative XDG_DATA_HOME is ignored", {Installed}, {}, "data", "/home/p/", Installed,
       "/home/p/.local/share/brillor/"},
      {"trailing slash", {Installed}, {}, "/x/data/", "", Installed, "/x/data/brillor/"},
      {"files beside the executable win over an install", {Beside, Installed}, {Beside}, "", "/home/p", Beside, Beside},
      {"no files anywhere: looked for beside the executable", {}, {Beside}, "", "/home/p", Beside, Beside},
      {"no files and no write access", {}, {}, "", "/home/p", Beside, "/home/p/.local/share/brillor/"},
      {"no home at all: nowhere better than the game folder", {Installed}, {}, "", "", Installed, Installed},
  };
  for (const TFolderCase& c : cases) {
    const TGameFolders folders = ChooseGameFolders(FactsOf(c));
    EXPECT_EQ(folders.game, c.game) << c.what;
    EXPECT_EQ(folders.player, c.player) << c.what;
  }
}

TEST(GameFolders, FileSystemProbesSeeGameFilesAndWriteAccess) {
  TTempProgramDir dir;
  const std::string root = dir.Path().string();
  EXPECT_TRUE(HoldsGameFiles(root));
  EXPECT_TRUE(MayWritePlayerFiles(root));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path() / "dat"), fs::directory_iterator()), 0)
      << "the write test leaves nothing behind";
  EXPECT_FALSE(HoldsGameFiles(root + "/bmp"));
  EXPECT_FALSE(MayWritePlayerFiles(root + "/missing"));
  dir.WriteBytes("plain/dat", "a file, not a folder");
  EXPECT_FALSE(HoldsGameFiles(root + "/plain"));
  if (geteuid() != 0) {  // permission bits do not stop root
    fs::permissions(dir.Path() / "dat", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(MayWritePlayerFiles(root));
    fs::permissions(dir.Path() / "dat", fs::perms::owner_write, fs::perm_options::add);
  }
}

TEST(GameFolders, AnInstalledGameReadsItsDataAndKeepsPlayerFilesUnderXdgDataHome) {
  TTempProgramDir dir;
  const fs::path prefix = dir.Path() / "prefix";
  const fs::path data = prefix / "games" / InstalledDataFromExecutable();
  fs::create_directories(prefix / "games");
  fs::create_directories(data / "dat");
  const TScopedEnvironment xdg("XDG_DATA_HOME", (dir.Path() / "xdg").string());
  const TGameFolders folders = UseGameFolders((prefix / "games").string());
  EXPECT_TRUE(fs::equivalent(ProgramDir(), data)) << ProgramDir();
  EXPECT_EQ(ProgramDir().back(), '/');
  EXPECT_EQ(PlayerDir(), (dir.Path() / "xdg/brillor/").string());
  EXPECT_EQ(folders.player, PlayerDir());
  EXPECT_TRUE(fs::is_directory(dir.Path() / "xdg/brillor/dat")) << "the player's dat folder is made at start";
  SetProgramDir(dir.Path().string());
}

TEST(GameFolders, UnsetXdgDataHomeMeansTheHomeFolder) {
  TTempProgramDir dir;
  fs::create_directories(dir.Path() / "prefix/games");
  fs::create_directories(dir.Path() / "prefix/share/games/brillor/dat");
  const TScopedEnvironment xdg("XDG_DATA_HOME", std::nullopt);
  const TScopedEnvironment home("HOME", (dir.Path() / "home").string());
  UseGameFolders((dir.Path() / "prefix/games").string());
  EXPECT_EQ(PlayerDir(), (dir.Path() / "home/.local/share/brillor/").string());
  EXPECT_TRUE(fs::is_directory(dir.Path() / "home/.local/share/brillor/dat"));
  SetProgramDir(dir.Path().string());
}

TEST(Paths, PlayerFilesFollowTheGameFolderUntilTheyAreSentElsewhere) {
  TTempProgramDir dir;
  EXPECT_EQ(PlayerPath("dat\\b00"), dir.File("dat/b00"));
  SetPlayerDir(dir.File("player"));
  EXPECT_EQ(PlayerPath("dat\\b00"), dir.File("player/dat/b00"));
  EXPECT_EQ(GamePath("dat/b00"), dir.File("dat/b00"));
  SetProgramDir(dir.Path().string());
  EXPECT_EQ(PlayerDir(), ProgramDir()) << "a new game folder takes the player's files along";
}

TEST(Paths, ThePlayersCopyOfALevelIsPreferredFileByFile) {
  TTempProgramDir dir;
  dir.WriteBytes("dat/a05", "shipped");
  dir.WriteBytes("dat/d05", "shipped");
  SetPlayerDir(dir.File("player"));
  dir.WriteBytes("player/dat/a05", "edited");
  const struct {
    const char* name;
    std::string expected;
  } cases[] = {
      {"dat\\a05", dir.File("player/dat/a05")},  // saved by the editor
      {"dat/d05", dir.File("dat/d05")},          // only shipped
      {"dat/d06", dir.File("dat/d06")},          // nowhere: named where it was looked for
  };
  for (const auto& c : cases) EXPECT_EQ(LevelPath(c.name), c.expected) << c.name;
  fs::create_directories(dir.File("player/dat/d05"));
  EXPECT_EQ(LevelPath("dat/d05"), dir.File("dat/d05")) << "a folder in the way is not a level";
  SetProgramDir(dir.Path().string());
}

TEST(Paths, PlayerFilesAreReadAndWrittenInThePlayersFolderOnly) {
  TTempProgramDir dir;
  // Music 1000, effects 0, turning anticlockwise (0, not the default 1).
  dir.WriteBytes("player/dat/b00", std::string("\xE8\x03\x00\x00\x00\x00\x00\x00\x00", 9));
  SetPlayerDir(dir.File("player"));
  TPlayers roster;
  {
    TPlayerFiles files;
    const TPlayerFilesLoad loaded = files.Load(roster);
    ASSERT_TRUE(loaded.Settings);
    EXPECT_EQ(loaded.Settings->RotateMode, 0) << "read from the player's folder";
    EXPECT_EQ(files.Save(roster, *loaded.Settings, loaded.More, TPlayerFiles::TSave::All), "");
  }
  for (const char* file : {"dat/b00", "dat/b01", "dat/options.txt", "dat/records.txt"}) {
    EXPECT_TRUE(fs::exists(dir.File(std::string("player/") + file))) << file;
    EXPECT_FALSE(fs::exists(dir.File(file))) << file << ": nothing written into the game folder";
  }
  EXPECT_EQ(dir.ReadBytes("player/dat/b00").size(), 9u);
  SetProgramDir(dir.Path().string());
}
