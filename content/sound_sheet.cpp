// The review sheet of the sounds: each effect and each piece of music as a waveform (the lowest
// and highest sample under every pixel column) beside its name, length and levels. Effects share
// one time scale so their lengths compare at a glance; music fills the width, with a tick every
// ten seconds.

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "contact_sheet.h"
#include "drawing.h"

namespace {
constexpr int SheetWidth = 1700, TextWidth = 330, Margin = 12;
constexpr int WaveWidth = SheetWidth - TextWidth - 2 * Margin;
constexpr int EffectHeight = 70, ChannelHeight = 50, RowGap = 10;
constexpr double EffectSeconds = 2.0;  // every effect is shorter

double Decibels(double level) { return level > 0 ? 20 * std::log10(level) : -120.0; }

// The waveform of samples in box, pixelsPerSecond across; ticks every tickSeconds.
void DrawWave(QPainter& painter, const TSamples& samples, const QRect& box, double pixelsPerSecond,
              double tickSeconds) {
  painter.fillRect(box, QColor(250, 248, 240));
  painter.setPen(QColor(210, 205, 190));
  for (double t = 0; t * pixelsPerSecond < box.width(); t += tickSeconds) {
    const int x = box.left() + int(t * pixelsPerSecond);
    painter.drawLine(x, box.top(), x, box.bottom());
  }
  const int middle = box.center().y();
  painter.drawLine(box.left(), middle, box.right(), middle);
  painter.setPen(QColor(30, 60, 140));
  const double half = box.height() / 2.0 - 1;
  const double samplesPerPixel = SynthRate / pixelsPerSecond;
  for (int x = 0; x < box.width(); ++x) {
    const size_t first = size_t(x * samplesPerPixel), last = size_t((x + 1) * samplesPerPixel);
    if (first >= samples.size()) break;
    const auto [low, high] = std::minmax_element(samples.begin() + long(first),
                                                 samples.begin() + long(std::min(last, samples.size())));
    painter.drawLine(box.left() + x, middle - int(std::lround(*high * half)), box.left() + x,
                     middle - int(std::lround(*low * half)));
  }
}

// A line at the start of each section of a piece, with its name.
void DrawSections(QPainter& painter, const std::vector<TSectionMark>& sections, const QRect& box,
                  double pixelsPerSecond) {
  painter.setFont(PixelFont(SansFamily, 11, true));
  for (const TSectionMark& section : sections) {
    const int x = box.left() + int(section.seconds * pixelsPerSecond);
    painter.setPen(QColor(190, 40, 30));
    painter.drawLine(x, box.top(), x, box.bottom());
    painter.drawText(QRect(x + 3, box.top() + 1, 80, 14), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromStdString(section.name));
  }
}

void DrawCaption(QPainter& painter, int top, const std::string& name, const std::vector<std::string>& lines) {
  painter.setPen(Qt::black);
  painter.setFont(PixelFont(SansFamily, 13, true));
  painter.drawText(QRect(Margin, top, TextWidth - Margin, 18), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(name));
  painter.setFont(PixelFont(SansFamily, 11, false));
  for (size_t i = 0; i < lines.size(); ++i)
    painter.drawText(QRect(Margin, top + 20 + int(i) * 15, TextWidth - Margin, 15), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromStdString(lines[i]));
}
}  // namespace

std::string SoundFigures(const TSamples& samples) {
  double peak = 0, sum = 0;
  for (float s : samples) {
    peak = std::max(peak, double(std::fabs(s)));
    sum += double(s) * s;
  }
  const double rms = samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
  char text[96];
  std::snprintf(text, sizeof text, "%.2f s, peak %.1f dBFS, RMS %.1f dBFS", double(samples.size()) / SynthRate,
                Decibels(peak), Decibels(rms));
  return text;
}

void WriteSoundSheet(const TContentFolder& sheets, const std::vector<TNamedSound>& effects,
                     const std::vector<TNamedMusic>& music) {
  const int height = Margin + int(effects.size()) * (EffectHeight + RowGap) +
                     int(music.size()) * (2 * ChannelHeight + 4 + RowGap) + Margin;
  QImage sheet = SolidImage(SheetWidth, height, QColor(128, 128, 128));
  QPainter painter(&sheet);
  int top = Margin;
  const int waveLeft = Margin + TextWidth;
  for (const TNamedSound& effect : effects) {
    DrawCaption(painter, top, effect.file, {SoundFigures(effect.samples), "time scale: 2 s across, ticks 0.1 s"});
    DrawWave(painter, effect.samples, QRect(waveLeft, top, WaveWidth, EffectHeight), WaveWidth / EffectSeconds, 0.1);
    top += EffectHeight + RowGap;
  }
  for (const TNamedMusic& piece : music) {
    DrawCaption(painter, top, piece.file,
                {"left: " + SoundFigures(piece.samples.left), "right: " + SoundFigures(piece.samples.right),
                 "whole loop across, ticks 10 s"});
    const double pixelsPerSecond = WaveWidth * double(SynthRate) / double(std::max<size_t>(1, piece.samples.left.size()));
    DrawWave(painter, piece.samples.left, QRect(waveLeft, top, WaveWidth, ChannelHeight), pixelsPerSecond, 10);
    DrawWave(painter, piece.samples.right, QRect(waveLeft, top + ChannelHeight + 4, WaveWidth, ChannelHeight),
             pixelsPerSecond, 10);
    DrawSections(painter, piece.sections, QRect(waveLeft, top, WaveWidth, 2 * ChannelHeight + 4), pixelsPerSecond);
    top += 2 * ChannelHeight + 4 + RowGap;
  }
  painter.end();
  sheets.WritePng("sounds.png", sheet);
}
