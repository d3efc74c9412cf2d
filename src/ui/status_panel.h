#pragma once
// The main window's left column and the next-shape thumbnail: the current player's name, level,
// money, unit price and efficiency, a medal beside each figure the player leads the high scores
// in, and the rank title the number of medals earns. The labels follow the roster's change
// events and let the mouse through to the window.

#include <array>
#include <cstdint>

#include <QImage>
#include <QLabel>

#include "players/players.h"

class TStatusPanel {
 public:
  // Shows the category's medal when the current player is best in it, and the rank title that
  // the number of medals earns.
  void UpdateMedal(int32_t Category);
  // Thumbnail of the next shape; an index outside the thumbnails shows the last (empty) one.
  void ShowNextHexSet(int32_t Index);

  // The high-score list the medals are judged by.
  const TPlayers* HighScores = nullptr;

  QLabel* lPlayerName = nullptr;
  QLabel* lLevel = nullptr;
  QLabel* lMoney = nullptr;
  QLabel* lUnitPrice = nullptr;
  QLabel* lEff = nullptr;
  QLabel* lTitle = nullptr;
  // Level, money, unit price, efficiency.
  std::array<QLabel*, 4> Medals{};
  QLabel* imgNextHexSet = nullptr;
  static constexpr int ThumbnailCount = 10;

 protected:
  // Makes the labels on the window, empty and without medals or rank until a player is chosen,
  // and binds them to the roster's change events.
  void CreateStatusPanel(QWidget* window);

 private:
  void BindRosterEvents();

  std::array<QImage, ThumbnailCount> thumbnails_;
};
