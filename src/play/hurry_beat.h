#pragma once
// The countdown's hurry-up beats: in its second half, one at every tenth. A beat lasts while
// the countdown stands within half a percent of its tenth, and strikes once as it begins.

enum class THurry { Calm, Struck, Lit };

class THurryBeat {
 public:
  // Where the countdown stands (0 = just started, 1 = run out): Struck as a beat begins, Lit
  // while it lasts (the ring stays as the strike left it), Calm between beats and in the first
  // half.
  THurry Follow(float Fraction);

  // Whether a beat is showing or begins within Lead (a fraction of the countdown): the stretch
  // in which frames must not be skipped, since a slow frame could step over the whole beat.
  static bool Near(float Fraction, double Lead);

 private:
  bool armed_ = true;
};
