// Particle effects: the spark burst and the rising plume. Their declarations are with the other
// pen-drawn elements in line_effects.h.

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "display/line_effects.h"
#include "frame/random.h"
#include "frame/rounding.h"

namespace {
int Life(TARGB color) { return static_cast<int>(color >> 24); }

// A new particle lives for 128..255.
TARGB FreshParticleColor(TARGB color) { return WithAlpha(color, 128 + Random(128)); }

// Loses fade of its life, rounded halves to even, never below 0 (nor above 255 should the
// clock ever step backwards).
TARGB Faded(TARGB color, double fade) {
  const double life = std::clamp(Life(color) - fade, 0.0, 255.0);
  return WithAlpha(color, static_cast<int>(RoundHalfEven(life)));
}

// A particle is drawn as a short line from its position to a random neighbour one pen width
// away (or a dot), which makes it twinkle.
// A wide pen's line is filled (the same pixels), which costs far less than Qt's stroke.
void DrawTwinkle(QPainter& canvas, QPen& pen, TBoltFill& fill, const TParticle& particle) {
  const qreal width = pen.widthF();
  const qreal dx = (Random(3) - 1) * width;
  const qreal dy = (Random(3) - 1) * width;
  const QLineF line(QPointF(particle.PX, particle.PY), QPointF(particle.PX + dx, particle.PY + dy));
  if (fill.Fill(&line, 1, width, particle.PColor)) return;
  pen.setColor(QColor::fromRgba(particle.PColor));
  canvas.setPen(pen);
  canvas.drawLine(line);
}

// Particles that are drawn twinkle anew every frame, each within two pen widths of its place.
TDSPLook TwinkleLook(const std::vector<TParticle>& particles, qreal penWidth) {
  TDSPLook look;
  look.Restless = true;
  float left = 0, top = 0, right = 0, bottom = 0;
  bool any = false;
  for (const TParticle& particle : particles) {
    if (Life(particle.PColor) <= 64) continue;
    left = any ? std::min(left, particle.PX) : particle.PX;
    right = any ? std::max(right, particle.PX) : particle.PX;
    top = any ? std::min(top, particle.PY) : particle.PY;
    bottom = any ? std::max(bottom, particle.PY) : particle.PY;
    any = true;
  }
  if (!any) return look;
  const qreal reach = 2 * penWidth + 1;
  look.Area = TDSPLook::Cover(QRectF(QPointF(left - reach, top - reach), QPointF(right + reach, bottom + reach)));
  return look;
}

std::vector<TParticle> MakeParticles(int32_t count) { return std::vector<TParticle>(std::max(count, 0)); }

// Puts a particle back at the source (x, y) with a fresh life and returns it for its new
// speed; nullptr for an index outside the array.
TParticle* Restarted(std::vector<TParticle>& particles, int32_t index, float x, float y, TARGB color) {
  if (index < 0 || static_cast<size_t>(index) >= particles.size()) return nullptr;
  TParticle& particle = particles[index];
  particle.PX = x;
  particle.PY = y;
  particle.PColor = FreshParticleColor(color);
  return &particle;
}
}  // namespace

// ---- TDSPE_Spark ----

TDSPE_Spark::TDSPE_Spark(TDSP* dsp, int32_t layer, TARGB color, float x, float y, float speed, float drag,
                         float gravity, int32_t count, int32_t penWidth, bool respawn, bool)
    : TDSPElem(dsp, layer),
      Particles(MakeParticles(count)),
      Drag(drag),
      Gravity(gravity),
      Respawn(respawn),
      Color(color),
      Speed(speed),
      pen_(GamePen(0, penWidth)) {
  X = x;
  Y = y;
  for (size_t i = 0; i < Particles.size(); ++i) ResetParticle(static_cast<int32_t>(i));
}

void TDSPE_Spark::ResetParticle(int32_t index) {
  TParticle* restarted = Restarted(Particles, index, X, Y, Color);
  if (!restarted) return;
  TParticle& particle = *restarted;
  // The random values are drawn in this order: horizontal share, vertical share, then the signs.
  particle.VX = static_cast<float>(Random(101)) * Speed / 100;
  const float verticalRoom = std::sqrt(std::max(0.0f, Speed * Speed - particle.VX * particle.VX));
  particle.VY = verticalRoom * static_cast<float>(Random(101)) / 100;
  if (Random(2) == 1) particle.VX = -particle.VX;
  if (Random(2) == 1) particle.VY = -particle.VY;
}

void TDSPE_Spark::Update(int64_t now) {
  if (!Visible) return;
  double seconds = 0;
  if (!clock_.Step(*DSP, now, seconds)) return;
  const auto dt = static_cast<float>(seconds);
  const float fade = dt * FadeRate;
  const float drag = dt * Drag;
  const float pull = dt * Gravity;
  for (TParticle& particle : Particles) {
    particle.PColor = Faded(particle.PColor, fade);
    const float oldVX = particle.VX;
    const float oldVY = particle.VY;
    // Drag slows the sideways motion to rest and never reverses it.
    if (particle.VX > 0) {
      particle.VX = std::max(0.0f, particle.VX + drag);
    } else {
      particle.VX = std::min(0.0f, particle.VX - drag);
    }
    particle.VY += pull;
    particle.PX += dt * (oldVX + particle.VX) / 2;
    particle.PY += dt * (oldVY + particle.VY) / 2;
  }
}

void TDSPE_Spark::Draw() {
  if (!clock_.Started()) return;
  QPainter& canvas = DSP->Canvas();
  fill_.Begin(canvas);
  bool anyAlive = false;
  for (size_t i = 0; i < Particles.size(); ++i) {
    if (Life(Particles[i].PColor) > 64) {
      DrawTwinkle(canvas, pen_, fill_, Particles[i]);
      anyAlive = true;
    } else if (Respawn) {
      ResetParticle(static_cast<int32_t>(i));
      anyAlive = true;
    }
  }
  if (!anyAlive) End();
}

TDSPLook TDSPE_Spark::Look() const {
  // Restless even before it starts or once spent: it ends in its Draw.
  if (!clock_.Started()) return TwinkleLook({}, 0);
  return TwinkleLook(Particles, pen_.widthF());
}

// ---- TDSPE_Temp ----

TDSPE_Temp::TDSPE_Temp(TDSP* dsp, int32_t layer, TARGB color, float x, float y, float speed, int32_t count,
                       int32_t penWidth)
    : TDSPElem(dsp, layer), Particles(MakeParticles(count)), Color(color), Speed(speed), pen_(GamePen(0, penWidth)) {
  X = x;
  Y = y;
  for (size_t i = 0; i < Particles.size(); ++i) ResetParticle(static_cast<int32_t>(i));
}

void TDSPE_Temp::ResetParticle(int32_t index) {
  TParticle* particle = Restarted(Particles, index, X, Y, Color);
  if (!particle) return;
  particle->VX = 0;
  particle->VY = -Speed;
}

void TDSPE_Temp::Update(int64_t now) {
  if (!Visible) return;
  double seconds = 0;
  if (!clock_.Step(*DSP, now, seconds)) return;
  const auto dt = static_cast<float>(seconds);
  const float fade = dt * FadeRate;
  for (TParticle& particle : Particles) {
    particle.PColor = Faded(particle.PColor, fade);
    particle.PY += dt * particle.VY;
  }
}

void TDSPE_Temp::Draw() {
  if (!clock_.Started()) return;
  QPainter& canvas = DSP->Canvas();
  fill_.Begin(canvas);
  for (size_t i = 0; i < Particles.size(); ++i) {
    if (Life(Particles[i].PColor) < 65) {
      ResetParticle(static_cast<int32_t>(i));
    } else {
      DrawTwinkle(canvas, pen_, fill_, Particles[i]);
    }
  }
}

TDSPLook TDSPE_Temp::Look() const {
  if (!clock_.Started()) return {};
  return TwinkleLook(Particles, pen_.widthF());
}
