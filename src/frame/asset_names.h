#pragma once
// The game files read by a fixed name, relative to the program directory. The game loads them by
// these names and the content generator writes them by the same ones, so the two cannot drift
// apart. The numbered families (gems, flow arrows, boxes) are named by the functions at the end;
// level files by theirs in board/stage_param.h.

#include <array>
#include <cstdio>
#include <string>

namespace Asset {
// The title and the level map.
inline constexpr const char* Lambskin = "bmp/lambskin.bmp";
inline constexpr const char* Title = "dat/c01";
inline constexpr const char* Prompt = "dat/y00";
inline constexpr const char* Map = "bmp/map.bmp";
inline constexpr const char* Constellation = "bmp/orion.bmp";
inline constexpr const char* LevelFlag = "bmp/levelflag.bmp";
inline constexpr const char* FlagDigits = "bmp/num2.bmp";
inline constexpr const char* MapPointBig = "bmp/mappointbig.bmp";
inline constexpr const char* MapPointSmall = "bmp/mappointsmall.bmp";
inline constexpr const char* MapPointBlink = "bmp/mappoint.bmp";

// The playing field.
inline constexpr const char* FieldBackground = "dat/x00";
inline constexpr const char* EndMarker = "dat/c08";
inline constexpr const char* EditorEndMarker = "bmp/arrow06.bmp";
inline constexpr const char* RowFlash = "dat/y01";
inline constexpr const char* GameOver = "dat/x01";
inline constexpr const char* GameOverMask = "dat/x02";
inline constexpr const char* TimeoutStamp = "bmp/Timeout.bmp";
inline constexpr const char* Starlight = "bmp/starlight.bmp";
inline constexpr const char* LaserGunLeft = "bmp/lasergun0.bmp";
inline constexpr const char* LaserGunRight = "bmp/lasergun1.bmp";
inline constexpr const char* ChainDigits = "bmp/num.bmp";
inline constexpr const char* ChainDigitsMask = "bmp/nummask.bmp";
inline constexpr const char* PlainGemMask = "bmp/hexagonmask0.bmp";
inline constexpr const char* ChipGemMask = "bmp/hexagonmask1.bmp";

// The windows.
inline constexpr const char* DialogButton = "bmp/ibt00.bmp";
inline constexpr const char* ButtonPlayerQuit = "bmp/ibt01.bmp";
inline constexpr const char* ButtonScoresPause = "bmp/ibt02.bmp";
inline constexpr const char* ButtonSetting = "bmp/ibt03.bmp";
inline constexpr const char* ButtonHelp = "bmp/ibt04.bmp";
inline constexpr const char* ButtonAbout = "bmp/ibt05.bmp";
inline constexpr const char* HighScoreBackground = "dat/c00";
inline constexpr const char* DialogTile = "dat/c09";
// Compiled into the executable, below ":/pictures/"; its copies in other languages are files.
inline constexpr const char* MainBackground = "main_background.png";

// Sound effects.
inline constexpr const char* SoundRotate = "wav/rotate.wav";
inline constexpr const char* SoundDrop = "wav/drop.wav";
inline constexpr const char* SoundCannotDrop = "wav/CannotDrop.wav";
inline constexpr const char* SoundClearLine = "wav/clearline.wav";
inline constexpr const char* SoundStart = "wav/luo.wav";
inline constexpr const char* SoundHurryUp = "wav/hurryup.wav";
inline constexpr const char* SoundBreakup = "wav/breakup.wav";
inline constexpr const char* SoundLaser = "wav/laser.wav";
inline constexpr const char* SoundLaserBreakout = "wav/laserbreakout.wav";
inline constexpr const char* SoundBox = "wav/PBox.wav";
inline constexpr const char* SoundBoom = "wav/Boom.wav";
inline constexpr const char* SoundCoin = "wav/coin.wav";

// Music.
inline constexpr const char* MusicTitle = "mp3/start.mp3";
inline constexpr const char* MusicRunning = "mp3/Running.mp3";
inline constexpr const char* MusicFailed = "mp3/failed.mp3";
inline constexpr const char* MusicMap = "mp3/clearup.mp3";
inline constexpr const char* MusicAbout = "mp3/about.mp3";

// Every name above, for the check that the generator writes each one.
inline constexpr std::array Fixed = {
    Lambskin, Title, Prompt, Map, Constellation, LevelFlag, FlagDigits, MapPointBig, MapPointSmall,
    MapPointBlink, FieldBackground, EndMarker, EditorEndMarker, RowFlash, GameOver, GameOverMask,
    TimeoutStamp, Starlight, LaserGunLeft, LaserGunRight, ChainDigits, ChainDigitsMask, PlainGemMask,
    ChipGemMask, DialogButton, ButtonPlayerQuit, ButtonScoresPause, ButtonSetting, ButtonHelp, ButtonAbout,
    HighScoreBackground, DialogTile, SoundRotate, SoundDrop, SoundCannotDrop, SoundClearLine,
    SoundStart, SoundHurryUp, SoundBreakup, SoundLaser, SoundLaserBreakout, SoundBox, SoundBoom,
    SoundCoin, MusicTitle, MusicRunning, MusicFailed, MusicMap, MusicAbout};

namespace Detail {
inline std::string Numbered(const char* pattern, int number) {
  char name[48];
  std::snprintf(name, sizeof name, pattern, number);
  return name;
}
}  // namespace Detail

// A gem by its cell code, plain ("bmp/hexagon03.bmp") or with its colour's shape on it
// ("bmp/symbols/hexagon03.bmp").
inline std::string GemPicture(int code, bool withSymbol = false) {
  return Detail::Numbered(withSymbol ? "bmp/symbols/hexagon%2.2d.bmp" : "bmp/hexagon%2.2d.bmp", code);
}
// The flow arrow for a direction 0..5: "dat/c02".."dat/c07".
inline std::string FlowArrow(int direction) { return Detail::Numbered("dat/c%2.2d", direction + 2); }
// A box's picture strip by its kind 0..2; the box of no kind (-1) is "bmp/PandorasBox-1.bmp".
inline std::string BoxPicture(int kind) {
  return Detail::Numbered(kind < 0 ? "bmp/PandorasBox%d.bmp" : "bmp/PandorasBox%2.2d.bmp", kind);
}
}  // namespace Asset
