#include "ui/x11_blit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

namespace {
xcb_connection_t* Connection(void* connection) { return static_cast<xcb_connection_t*>(connection); }

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && std::strcmp(value, "1") == 0;
}

bool ServerSharesMemory(xcb_connection_t* connection) {
  if (Set("QT_XCB_NO_MITSHM")) return false;
  const xcb_query_extension_reply_t* shm = xcb_get_extension_data(connection, &xcb_shm_id);
  return shm && shm->present;
}

// The visual of a window, found in the screens' lists.
const xcb_visualtype_t* FindVisual(xcb_connection_t* connection, xcb_visualid_t id) {
  for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection)); screens.rem; xcb_screen_next(&screens))
    for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem; xcb_depth_next(&depths))
      for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem; xcb_visualtype_next(&visuals))
        if (visuals.data->visual_id == id) return visuals.data;
  return nullptr;
}

// True when a depth-24 image is sent as 32-bit pixels, least significant byte first: the
// byte order of a QImage's 0xAARRGGBB pixels on this machine.
bool PixelsAreFrameLayout(xcb_connection_t* connection) {
  const xcb_setup_t* setup = xcb_get_setup(connection);
  if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;
  for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem; xcb_format_next(&formats))
    if (formats.data->depth == 24) return formats.data->bits_per_pixel == 32 && formats.data->scanline_pad == 32;
  return false;
}

// True for a 24-bit true-colour window whose red, green and blue sit where a frame pixel has
// them.
bool WindowTakesFramePixels(xcb_connection_t* connection, xcb_window_t window) {
  xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
  xcb_get_window_attributes_reply_t* attributes =
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
  bool fits = false;
  if (geometry && attributes && geometry->depth == 24) {
    const xcb_visualtype_t* visual = FindVisual(connection, attributes->visual);
    fits = visual && visual->_class == XCB_VISUAL_CLASS_TRUE_COLOR && visual->red_mask == 0xFF0000 &&
           visual->green_mask == 0x00FF00 && visual->blue_mask == 0x0000FF;
  }
  std::free(geometry);
  std::free(attributes);
  return fits;
}
}  // namespace

std::unique_ptr<TX11Blit> TX11Blit::ForWindowOf(QWidget* widget) {
  if (Set("BRILLOR_QT_PRESENT")) return nullptr;
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return nullptr;
  xcb_connection_t* connection = x11->connection();
  const auto window = static_cast<xcb_window_t>(widget->window()->winId());
  if (!window || !PixelsAreFrameLayout(connection) || !WindowTakesFramePixels(connection, window)) return nullptr;
  const xcb_gcontext_t context = xcb_generate_id(connection);
  // No exposure events for our copies: Qt's own painting answers exposures.
  const uint32_t noExposures = 0;
  xcb_create_gc(connection, context, window, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
  // The limit is in 4-byte units, the request header included.
  const uint32_t maxRequestBytes = xcb_get_maximum_request_length(connection) * 4;
  return std::unique_ptr<TX11Blit>(
      new TX11Blit(connection, window, context, maxRequestBytes, ServerSharesMemory(connection)));
}

TX11Blit::TX11Blit(void* connection, uint32_t window, uint32_t context, uint32_t maxRequestBytes, bool shm)
    : connection_(connection), window_(window), context_(context), maxRequestBytes_(maxRequestBytes), shm_(shm) {}

TX11Blit::~TX11Blit() {
  // Qt closes the connection only after every widget is gone.
  DropMirror();
  xcb_free_gc(Connection(connection_), context_);
  xcb_flush(Connection(connection_));
}

void TX11Blit::Put(const QImage& frame, const QRegion& parts, QPoint origin) {
  if (frame.depth() != 32) return;
  const bool shared = shm_ && MirrorFor(frame.size());
  for (const QRect& rect : parts & frame.rect()) {
    if (shared) {
      PutShared(frame, rect, origin + rect.topLeft());
    } else {
      PutRect(frame, rect, origin + rect.topLeft());
    }
  }
  xcb_flush(Connection(connection_));
}

bool TX11Blit::MirrorFor(QSize size) {
  if (mirror_.Bits && mirror_.Size == size) return true;
  DropMirror();
  xcb_connection_t* connection = Connection(connection_);
  const size_t bytes = static_cast<size_t>(size.width()) * size.height() * 4;
  const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
  void* bits = id < 0 ? nullptr : shmat(id, nullptr, 0);
  if (bits == reinterpret_cast<void*>(-1)) bits = nullptr;
  const xcb_shm_seg_t segment = xcb_generate_id(connection);
  bool attached = false;
  if (bits) {
    // A server on another machine cannot attach it; asked once, so that is known now.
    xcb_generic_error_t* error = xcb_request_check(connection, xcb_shm_attach_checked(connection, segment, id, 1));
    attached = error == nullptr;
    std::free(error);
  }
  // Marked for removal at once: it goes when the last of the game and the server lets go.
  if (id >= 0) shmctl(id, IPC_RMID, nullptr);
  if (!attached) {
    if (bits) shmdt(bits);
    shm_ = false;
    return false;
  }
  mirror_ = {segment, static_cast<uint8_t*>(bits), size};
  return true;
}

void TX11Blit::DropMirror() {
  if (!mirror_.Bits) return;
  // The server keeps its own mapping until it has carried out the requests before this one.
  xcb_shm_detach(Connection(connection_), mirror_.Segment);
  shmdt(mirror_.Bits);
  mirror_ = {};
}

void TX11Blit::PutShared(const QImage& frame, const QRect& rect, QPoint at) {
  const auto rowBytes = static_cast<size_t>(rect.width()) * 4;
  const size_t stride = static_cast<size_t>(mirror_.Size.width()) * 4;
  for (int row = rect.top(); row <= rect.bottom(); ++row)
    std::memcpy(mirror_.Bits + row * stride + rect.left() * 4, frame.constScanLine(row) + rect.left() * 4, rowBytes);
  xcb_shm_put_image(Connection(connection_), window_, context_, static_cast<uint16_t>(mirror_.Size.width()),
                    static_cast<uint16_t>(mirror_.Size.height()), static_cast<uint16_t>(rect.left()),
                    static_cast<uint16_t>(rect.top()), static_cast<uint16_t>(rect.width()),
                    static_cast<uint16_t>(rect.height()), static_cast<int16_t>(at.x()), static_cast<int16_t>(at.y()),
                    24, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, mirror_.Segment, 0);
}

void TX11Blit::PutRect(const QImage& frame, const QRect& rect, QPoint at) {
  constexpr uint32_t kHeaderBytes = 24;
  const auto rowBytes = static_cast<uint32_t>(rect.width()) * 4;
  // Tall parts go in bands that each fit one request.
  const int bandRows = static_cast<int>(std::max<uint32_t>(1, (maxRequestBytes_ - kHeaderBytes) / rowBytes));
  for (int top = 0; top < rect.height(); top += bandRows) {
    const int rows = std::min(bandRows, rect.height() - top);
    rows_.resize(static_cast<size_t>(rowBytes) * rows);
    for (int row = 0; row < rows; ++row)
      std::memcpy(rows_.data() + static_cast<size_t>(row) * rowBytes,
                  frame.constScanLine(rect.top() + top + row) + rect.left() * 4, rowBytes);
    xcb_put_image(Connection(connection_), XCB_IMAGE_FORMAT_Z_PIXMAP, window_, context_,
                  static_cast<uint16_t>(rect.width()), static_cast<uint16_t>(rows), static_cast<int16_t>(at.x()),
                  static_cast<int16_t>(at.y() + top), 0, 24, static_cast<uint32_t>(rows_.size()), rows_.data());
  }
}
