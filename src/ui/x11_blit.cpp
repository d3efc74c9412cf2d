#include "ui/x11_blit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <xcb/xcb.h>

namespace {
xcb_connection_t* Connection(void* connection) { return static_cast<xcb_connection_t*>(connection); }

bool TurnedOff() {
  const char* value = std::getenv("BRILLOR_QT_PRESENT");
  return value && std::strcmp(value, "1") == 0;
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
  if (TurnedOff()) return nullptr;
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
  return std::unique_ptr<TX11Blit>(new TX11Blit(connection, window, context, maxRequestBytes));
}

TX11Blit::TX11Blit(void* connection, uint32_t window, uint32_t context, uint32_t maxRequestBytes)
    : connection_(connection), window_(window), context_(context), maxRequestBytes_(maxRequestBytes) {}

TX11Blit::~TX11Blit() {
  // Qt closes the connection only after every widget is gone.
  xcb_free_gc(Connection(connection_), context_);
  xcb_flush(Connection(connection_));
}

void TX11Blit::Put(const QImage& frame, const QRegion& parts, QPoint origin) {
  if (frame.depth() != 32) return;
  for (const QRect& rect : parts & frame.rect()) PutRect(frame, rect, origin + rect.topLeft());
  xcb_flush(Connection(connection_));
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
