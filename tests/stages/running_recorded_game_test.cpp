// A recorded game: the same pointer script on the same seed and the same fake clock must give
// the same frames, one by one. It guards every picture of play (drops, turns, the countdown and
// its automatic drop, a row-clear chain, a box and its outcome, the drop preview, a lost game,
// a passed level) against changes meant to leave play as it is.
//
// Each checkpoint folds every frame composed since the start, the player's money and rows and
// the current stage into one digest. When play is changed on purpose, run the test with
// BRILLOR_RECORD_GAME=1 to print the new table.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "running_fixture.h"
#include "support/pictures.h"

namespace {

struct TCheckpoint {
  const char* Label;
  const char* Digest;
};

// Digests of the recorded game, checkpoint by checkpoint.
const TCheckpoint Expected[] = {
    {"entered", "85d1cb69d989d17d"},
    {"moved and turned", "f61c348bd21c1a0c"},
    {"refused off the board", "fbd88fe64c200f1c"},
    {"dropped, first row clearing", "09a2fff340c7c7bc"},
    {"chain done", "b6b29355699b1a7f"},
    {"box chased", "9e7d437f8215c475"},
    {"clicked after the box", "bdec266ae6eac9df"},
    {"preview", "79abbd846efaed94"},
    {"automatic drop", "0ebd65bdb86d5909"},
    {"dropped with the preview", "b28269e8cf4b62bc"},
    {"second box", "0f4dd18a090f35a1"},
    {"third box", "d1f1720c33563241"},
    {"fourth box", "21e6758184044f78"},
    {"lost", "ef5b1d043708f9c9"},
    {"title", "bd467890c086c5cc"},
    {"chain of five", "13cab2d8dcd1bba6"},
    {"passed", "40fe839ad922aad6"},
};

class RecordedGame : public RunningStageTest {
 protected:
  // The top-left corner of a cell's gem picture on the field.
  static QPointF CellCorner(int32_t row, int32_t col) {
    const double x = 4 + (2.0 * col + row % 2) * 0.8660254 * 18;
    return {static_cast<float>(x), static_cast<float>(row * 27)};
  }

  void Fold(const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < size; ++i) digest_ = (digest_ ^ bytes[i]) * 0x100000001b3ull;
  }
  void Frame(double seconds) {
    time.AdvanceSeconds(seconds);
    bool done = false;
    list->CurrentStage->Idle(done);
    const QImage& frame = list->DSP->BackBuffer();
    Fold(frame.constBits(), static_cast<size_t>(frame.sizeInBytes()));
    frames_ += 1;
  }
  void Frames(double seconds, double step) {
    for (double t = 0; t < seconds - 1e-9; t += step) Frame(step);
  }
  void Pointer(float x, float y) {
    list->CurrentStage->OnMouse(MouseMove, mbLeft, x, y);
    Frame(1.0 / 60);
  }
  void PointAt(int32_t row, int32_t col) {
    const QPointF p = CellCorner(row, col);
    Pointer(static_cast<float>(p.x()), static_cast<float>(p.y()));
  }
  void Press(int32_t button, float x, float y) {
    list->CurrentStage->OnMouse(MouseDown, button, x, y);
    Frame(1.0 / 60);
  }
  void Checkpoint(const char* label) {
    const std::string state = std::to_string(player->Money()) + "/" + std::to_string(player->ClearCount()) + "/" +
                              std::to_string(player->Level()) + "/" + list->CurrentStage->ClassName() + "/" +
                              std::to_string(frames_);
    Fold(state.data(), state.size());
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest_));
    got_.push_back({label, text});
    std::string shot = std::string("recorded_game_") + label;
    std::replace(shot.begin(), shot.end(), ' ', '_');
    SaveShot(list->DSP->BackBuffer(), shot);
  }
  // Follows the first box on the field with the pointer until it is caught or time runs out.
  void ChaseBox(double seconds) {
    for (double t = 0; t < seconds; t += 1.0 / 30) {
      const auto boxes = ElemsOf<TDSPE_Bounce>();
      if (boxes.empty()) return;
      Pointer(boxes[0]->X, boxes[0]->Y);
    }
  }

  uint64_t digest_ = 0xcbf29ce484222325ull;
  int64_t frames_ = 0;
  std::vector<std::pair<std::string, std::string>> got_;
};

TEST_F(RecordedGame, TheSameScriptGivesTheSameFrames) {
  if (!WriteGeneratedPictures()) GTEST_SKIP() << "built without the content generator";
  const std::string full = "012340123401";

  // Level 2: two full rows and a row with a chip wait for the first drop to set off a chain.
  Play(2, {{"0.1.2.3.4...", "12a401234012", full, "340123401234"}});
  // Every frame composed, as recorded: the slow pace lets a resting frame wait.
  list->DSP->SetSlowFrameRate(0);
  Frame(1.0 / 60);
  Checkpoint("entered");
  for (int32_t col : {1, 4, 8, 10}) PointAt(3, col);
  Press(mbRight, 0, 0);
  Press(mbRight, 0, 0);
  Checkpoint("moved and turned");
  Pointer(-30, -30);
  Press(mbLeft, -30, -30);
  Checkpoint("refused off the board");
  PointAt(6, 5);
  Press(mbLeft, 0, 0);
  Frames(0.3, 1.0 / 30);
  Checkpoint("dropped, first row clearing");
  Frames(1.5, 1.0 / 30);
  Checkpoint("chain done");
  ChaseBox(4);
  Frames(0.5, 1.0 / 30);
  Checkpoint("box chased");
  // A laser would fire here; this box's outcome leaves the click to drop the set.
  Pointer(200, 300);
  Press(mbLeft, 200, 300);
  Frames(1.5, 1.0 / 30);
  Checkpoint("clicked after the box");

  // The drop preview, turned on in a pause.
  list->Pause();
  list->More.DropPreview = true;
  list->Resume();
  PointAt(9, 3);
  Frames(0.5, 1.0 / 30);
  Checkpoint("preview");
  // No input: the countdown runs out and drops the set by itself.
  Frames(20, 0.1);
  Checkpoint("automatic drop");
  PointAt(4, 7);
  Press(mbLeft, 0, 0);
  Frames(1, 1.0 / 30);
  list->Pause();
  list->More.DropPreview = false;
  list->Resume();
  Checkpoint("dropped with the preview");

  // More chains, each releasing a box of a kind drawn at random, caught and played out: the
  // first of them is a laser, aimed and fired by the click.
  for (const char* label : {"second box", "third box", "fourth box"}) {
    Play(2, {{full, full}});
    PointAt(4, 6);
    Press(mbLeft, 0, 0);
    Frames(1.2, 1.0 / 30);
    ChaseBox(4);
    Frames(0.3, 1.0 / 30);
    Pointer(150, 420);
    Press(mbLeft, 150, 420);
    Frames(1.5, 1.0 / 30);
    Checkpoint(label);
  }

  // A board without a place: the countdown loses the game, and a click goes to the title.
  TLevelSetup fullBoard{std::vector<std::string>(BoardRows, "abcdeabcdeab")};
  Play(2, fullBoard);
  PointAt(8, 5);
  Frames(19.5, 0.25);
  Checkpoint("lost");
  Press(mbLeft, 0, 0);
  Frames(0.5, 0.1);
  Checkpoint("title");

  // Level 1 passes on five rows: a five-row chain, the payout, then the map.
  Play(1, {{full, full, full, full, full}});
  PointAt(5, 5);
  Press(mbLeft, 0, 0);
  Frames(3, 1.0 / 30);
  Checkpoint("chain of five");
  Frames(3, 0.1);
  Checkpoint("passed");

  if (std::getenv("BRILLOR_RECORD_GAME")) {
    for (const auto& [label, digest] : got_) std::printf("    {\"%s\", \"%s\"},\n", label.c_str(), digest.c_str());
    GTEST_SKIP() << "recorded";
  }
  ASSERT_EQ(got_.size(), std::size(Expected));
  for (size_t i = 0; i < got_.size(); ++i) {
    EXPECT_EQ(got_[i].first, Expected[i].Label);
    EXPECT_EQ(got_[i].second, Expected[i].Digest) << "frames differ from " << got_[i].first << " on";
  }
}

}  // namespace
