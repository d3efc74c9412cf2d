#include "stages/box_views.h"

#include <algorithm>

#include "frame/asset_names.h"
#include "frame/paths.h"
#include "stages/play_layers.h"

namespace {
constexpr int32_t BoxFrames = 6;

class TFieldBox : public TDSPE_Bounce {
 public:
  TFieldBox(TDSP* dsp, int64_t frameTicks, TPlayRound& round, const TBox& box)
      : TDSPE_Bounce(dsp, LayerBoxes, GamePath(Asset::BoxPicture(static_cast<int>(box.Kind))), BoxFrames, frameTicks,
                     box.Motion),
        round_(round) {
    Tag = box.Id;
  }

 protected:
  bool Advance(double seconds) override {
    const bool hitEdge = round_.MoveBox(Tag, seconds, Rightmost(), Lowest());
    if (const TBox* box = round_.FindBox(Tag)) {
      X = box->Motion.X;
      Y = box->Motion.Y;
    }
    return hitEdge;
  }

 private:
  TPlayRound& round_;
};
}  // namespace

void TBoxViews::Show(const TBox& box) {
  auto picture = std::make_unique<TFieldBox>(dsp_, frameTicks_, round_, box);
  picture->OnMove = [this](TDSPE_Bounce* moved, bool hitEdge) {
    if (OnMove) OnMove(moved, hitEdge);
  };
  if (round_.Paused) picture->Pause();
  pictures_.push_back(std::move(picture));
}

void TBoxViews::Remove(const TDSPE_Bounce* picture) {
  // Freed from inside its own move: the picture notices and touches nothing of itself after this.
  std::erase_if(pictures_, [picture](const auto& each) { return each.get() == picture; });
}

void TBoxViews::SetPaused(bool paused) {
  for (auto& picture : pictures_) paused ? picture->Pause() : picture->Resume();
}
