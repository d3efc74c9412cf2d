#pragma once
// The options: music volume and sound-effect volume as two bars clicked to a level (live, on
// every tune and effect), and the turning direction of the held piece, applied when the window
// closes. There is no Cancel. The about tune plays while it is open.

#include <functional>

#include <QLabel>
#include <QRadioButton>

#include "ui/about_music.h"
#include "ui/game_dialog.h"

class TGmStageList;
class TfrmMoreOptions;

// A bar filled to Value / Maximum of its width. A press or a release of any button sets the
// value from the pointer's x; moves with a button held do nothing. Tab gives it the keys (a
// click does not): the arrows move the value a twentieth of the bar down (Left, Down) or up
// (Right, Up), Home and End to the ends.
class TVolumeBar : public QWidget {
  Q_OBJECT
 public:
  TVolumeBar(QWidget* parent, int32_t maximum);

  // round(x / width * Maximum), x kept inside the bar, halves to even.
  int32_t ValueAt(int x) const;
  void SetValue(int32_t value);

  int32_t Value = 0;
  const int32_t Maximum;
  static constexpr int32_t KeySteps = 20;
  // A click or a key set a new value.
  std::function<void(int32_t)> OnClickValue;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ClickAt(int x);
  void Choose(int32_t value);
};

class TfrmOptions : public TGameDialog {
  Q_OBJECT
 public:
  TfrmOptions(QWidget* owner, TGmStageList* stages);

  static constexpr int32_t MusicMaximum = 1000;
  static constexpr int32_t SoundMaximum = 5000;

  // Reads the volumes and the turning direction, starts the tune.
  void Prepare();
  // Releases the tune and applies the turning direction.
  void Finish();

  TVolumeBar* pbVolume1;
  TVolumeBar* pbVolume2;
  QLabel* Image1;
  QLabel* Image2;
  QRadioButton* Anticlockwise;
  QRadioButton* Clockwise;
  TAboutMusic Music;

  // The "More..." page: its choices go to the stage list and their file when it closes with
  // OK, then OnMoreOptions tells the owner to apply them.
  void MoreClick();
  TImgBtn* btnMore;
  TfrmMoreOptions* MorePage;
  std::function<void()> OnMoreOptions;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* AddLabel(const QString& text, int top, int pixelHeight);
  void CreateRotationChoice();

  TGmStageList* stages_;
};
