// The floor under the game's figures: what this machine charges a program for waking, with
// nothing done when it wakes. A window wakes a number of times a second and sends a rectangle
// the size of the title's prompt to the X server the way the game sends its frames, and, when
// asked, a sound output runs whose callback writes silence in periods of a given length, as the
// game's does; the pointer's moves reach the window as they reach the game's. Measured whole, like
// the game (-m moves the pointer over it):
//
//   WAKE_FLOOR_FPS=20 WAKE_FLOOR_AUDIO_FRAMES=2048 tools/measure_cpu.sh -s 10 build/test/bench/floor/wake_floor
//
// WAKE_FLOOR_FPS: wake-ups a second (default 20, 0 for none). WAKE_FLOOR_AUDIO_FRAMES: frames a
// sound period (default 0, no sound output). The window bears the game's title, so the tool finds it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <QApplication>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <SDL.h>

#include "ui/x11_blit.h"

namespace {
int Setting(const char* name, int otherwise) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoi(value) : otherwise;
}

void WriteSilence(void*, Uint8* stream, int bytes) { std::memset(stream, 0, static_cast<size_t>(bytes)); }

// A silent output with periods of frames; 0 when none opened.
SDL_AudioDeviceID OpenSilentOutput(int frames) {
  if (frames <= 0) return 0;
  // SDL would take over SIGTERM, which the measuring tool ends a run with.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec wanted{};
  wanted.freq = 44100;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 2;
  wanted.samples = static_cast<Uint16>(frames);
  wanted.callback = &WriteSilence;
  const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (id != 0) SDL_PauseAudioDevice(id, 0);
  return id;
}
}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Brillor I");
  window.setFixedSize(640, 560);
  // The pointer's moves are delivered as the game's window has them, and nothing is done with them.
  window.setMouseTracking(true);
  window.show();
  std::unique_ptr<TX11Blit> blit = TX11Blit::ForWindowOf(&window);
  if (!blit) {
    std::fprintf(stderr, "wake_floor: needs an X11 display with 24-bit true colour\n");
    return 1;
  }
  const SDL_AudioDeviceID output = OpenSilentOutput(Setting("WAKE_FLOOR_AUDIO_FRAMES", 0));

  QImage frame(window.size(), QImage::Format_RGB32);
  frame.fill(Qt::black);
  const QRect prompt(115, 437, 173, 31);
  uint32_t shade = 0;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    shade = (shade + 1) & 0xFF;
    for (int row = prompt.top(); row <= prompt.bottom(); ++row) {
      auto* pixels = reinterpret_cast<uint32_t*>(frame.scanLine(row));
      for (int x = prompt.left(); x <= prompt.right(); ++x) pixels[x] = 0xFF000000u | shade << 16;
    }
    blit->Put(frame, QRegion(prompt), QPoint());
  });
  const int wakes = Setting("WAKE_FLOOR_FPS", 20);
  if (wakes > 0) timer.start(1000 / wakes);
  const int status = application.exec();
  if (output != 0) SDL_CloseAudioDevice(output);
  return status;
}
