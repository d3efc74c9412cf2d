#pragma once
// The game files read by a fixed name, relative to the program directory. The game loads them by
// these names and the content generator writes them by the same ones, so the two cannot drift
// apart. Numbered families (gems, levels, flow arrows, boxes) are named by their functions in
// board/ and stages/.

#include <array>

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
}  // namespace Asset
