#pragma once
// The four high-score tables (level, money, unit price, efficiency), ten rows each, on the
// parchment "dat/c00"; the current player's rows in maroon. The about tune plays while it is open.

#include <array>

#include <QImage>
#include <QLabel>

#include "players/high_scores.h"
#include "ui/about_music.h"
#include "ui/game_dialog.h"

class TfrmTop10 : public TGameDialog {
  Q_OBJECT
 public:
  explicit TfrmTop10(QWidget* owner);

  static constexpr QRgb Maroon = 0xFF800000;

  // Rebuilds the roster part of the list.
  void Refresh() { HighScores.Refresh(Players); }
  // Starts the tune and fills the tables.
  void Prepare();
  // Releases the tune.
  void Finish() { Music.Stop(); }
  void FillTables();

  THighScores HighScores;
  TAboutMusic Music;
  // Name and value labels of each category's rows ("lM3", "lMV3").
  std::array<std::array<QLabel*, TableRows>, CategoryCount> NameLabels;
  std::array<std::array<QLabel*, TableRows>, CategoryCount> ValueLabels;
  std::array<QLabel*, CategoryCount> Headings;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void CreateTable(int32_t Category);

  QImage imgBkg_;
};
