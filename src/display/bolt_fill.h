#pragma once
// A lightning bolt's wide pen, filled as one shape: the union of its segments' bands (flat
// ends, no antialiasing), each pixel blended once. Qt strokes a wide line segment by segment
// through a general rasterizer, a few hundred nanoseconds each, and blends twice where two
// segments overlap; a bolt has a hundred segments and a frame up to twenty bolts.
//
// A pixel is covered when its centre lies inside a band, with the band's left and top edges
// left out and its right and bottom edges taken in, and the corners of a tilted band on a grid
// of 64ths of a pixel: the pixels Qt's aliased fill picks for each segment.

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QRgb>
#include <cstddef>
#include <vector>

class TBoltFill {
 public:
  // Looks at the painter a frame's drawing goes to: fills can stand in for its strokes on an
  // image of 32-bit pixels blended over, with no transform and a clip of none or one rectangle.
  void Begin(QPainter& painter);

  // Fills segments stroked with width (in pixels) and color (not premultiplied) over what is
  // there. False, drawing nothing, for a pen of a pixel or less (Qt draws those as thin lines,
  // not bands) or a painter Begin found unfit: the caller strokes them with Qt then.
  bool Fill(const QLineF* segments, size_t count, qreal width, QRgb color);

 private:
  struct TSpan {
    int Left;
    int Right;   // inclusive
    int Before;  // the row's span added before it (an index into spans_), or -1
  };

  // Adds the pixels of one segment's band within clip.
  void AddBand(const QLineF& segment, qreal halfWidth, const QRect& clip);
  void AddRectangle(const QRectF& rectangle, const QRect& clip);
  // Takes in the rows firstRow..lastRow (within clip) as rows that may hold spans.
  void AddRows(int firstRow, int lastRow);
  // The pixels of a row whose centres lie after leftEdge and up to rightEdge.
  void AddSpan(int row, double leftEdge, double rightEdge, const QRect& clip);
  // Blends the union of each row's spans once, and empties the rows.
  void Blend(QRgb premultiplied);

  QImage* target_ = nullptr;
  QRect clip_;
  // Reused from bolt to bolt.
  std::vector<TSpan> spans_;
  // For each row of the clip, its latest span (an index into spans_), or -1: the row's spans
  // are a chain from there. A span that overlaps or touches the row's latest one joins it.
  std::vector<int> rowLatest_;
  int firstRow_ = 0;
  int lastRow_ = -1;
  // One row's spans, put in order.
  std::vector<TSpan> row_;
};
