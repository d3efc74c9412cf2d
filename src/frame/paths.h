#pragma once
// Where every file of the game is read and written. Files are named relative to a folder, with
// either separator ("dat/b00", "dat\\a%2.2d"); both mean the same. Two folders take part:
// - the game folder holds what the game ships (pictures, sounds, music, levels, help page);
// - the player folder holds what the player makes (settings, roster, levels saved by the
//   editor). It is the game folder itself when the game runs from a folder it may write, and a
//   folder of the player's otherwise (see game_folders.h for that choice).

#include <string>
#include <string_view>

// The game folder, always ending in '/'. Empty until set.
const std::string& ProgramDir();
// Sets the game folder (adds the trailing '/' when missing). The player's files follow it
// there until SetPlayerDir names another folder.
void SetProgramDir(std::string_view dir);
// The player folder, always ending in '/'.
const std::string& PlayerDir();
void SetPlayerDir(std::string_view dir);
// Turns "\\" into "/" in a game file name.
std::string NormalizeSeparators(std::string_view name);
// A folder name with separators normalised and ending in '/'.
std::string FolderName(std::string_view dir);
// A shipped file: the game folder followed by the relative name, separators normalised. An
// already absolute name is only normalised.
std::string GamePath(std::string_view relative);
// A file of the player's (settings, roster, a level saved by the editor): where it is read and
// written.
std::string PlayerPath(std::string_view relative);
// A level file: the player's own copy when there is one, else the shipped one.
std::string LevelPath(std::string_view relative);

// The game's texts in other languages are in this folder of the game folder, and so are its
// pictures with words on them, drawn again in each language: "translations/de/dat/x01" is the
// German "dat/x01".
inline constexpr const char* TranslationsFolder = "translations/";
// The file of a language's texts in that folder, "brillor_de.qm"; and back, the code of such a
// file name, or empty for any other name.
std::string TranslationFileName(std::string_view code);
std::string TranslationCodeOf(std::string_view fileName);
std::string PictureInLanguage(std::string_view code, std::string_view relative);
// The language of the worded pictures the game shows; English, the pictures as named, until set.
void SetPictureLanguage(std::string_view code);
// A picture with words on it, in the picture language where the game has it drawn so: its path,
// or empty.
std::string TranslatedPicture(std::string_view relative);
// A picture with words on it: the translated one where there is one, else the picture as named.
std::string WordedPath(std::string_view relative);
