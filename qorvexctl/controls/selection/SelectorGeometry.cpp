#include "qorvexctl/controls/selection/SelectorGeometry.h"

#include <cmath>

#include "qorvexctl/platform/drawing/Twips.h"

namespace qorvexctl {

namespace {

// Whole part towards minus infinity of half a size.
int HalfDown(int size) { return static_cast<int>(std::floor(size / 2.0)); }

double PixelsToTwips(double pixels) { return pixels * platform::kTwipsPerPixel; }

// The top of the grid: below the visible labels.
double GridTop(const GridFrame& frame) {
  double top = kGridGap;
  if (frame.titleVisible) top = frame.titleHeight + kGridGap;
  if (frame.subtitleVisible) top += frame.subtitleHeight;
  return top;
}

// Columns and rows (rows as a real number) such that each button is at least the smallest
// height.
void ColumnsAndRows(double gridHeight, int count, int& columns, double& rows) {
  columns = 1;
  rows = count;
  while (NearestEven((gridHeight - rows * kGridGap) / rows) < kGridMinHeight) {
    ++columns;
    rows = static_cast<double>(count) / columns;
  }
}

}  // namespace

int NearestEven(double x) { return static_cast<int>(std::nearbyint(x)); }

platform::Rect CentredOnCorner(const platform::Rect& parent, int width, int height) {
  return {parent.left - HalfDown(width), parent.top - HalfDown(height),
          HalfDown(width) + parent.left, HalfDown(height) + parent.top};
}

platform::Rect PlacedNextTo(GFXPositioning relation, const platform::Rect& parent, int width,
                            int height) {
  using platform::Rect;
  switch (relation) {
    case GFXPositionObjectBelow:
      return Rect::FromSize(parent.left, parent.bottom, width, height);
    case GFXPositionObjectAbove:
      return Rect::FromSize(parent.left, parent.top - height, width, height);
    case GFXPositionObjectLeft:
      return Rect::FromSize(parent.left - width, parent.top, width, height);
    case GFXPositionObjectRight:
      return Rect::FromSize(parent.right, parent.top, width, height);
    default:
      return CentredOnCorner(parent, width, height);
  }
}

std::vector<TwipsBox> ZoomFrames(const platform::Rect& from, const platform::Rect& to,
                                 int formWidth, int formHeight) {
  const double dx = (to.left - from.left) / static_cast<double>(kZoomSteps);
  const double dy = (to.top - from.top) / static_cast<double>(kZoomSteps);
  std::vector<TwipsBox> frames;
  for (int i = 1; i <= kZoomSteps; ++i) {
    frames.push_back({PixelsToTwips(i * dx) + PixelsToTwips(from.left),
                      PixelsToTwips(i * dy) + PixelsToTwips(from.top),
                      static_cast<double>(formWidth) * i / kZoomSteps + 1,
                      static_cast<double>(formHeight) * i / kZoomSteps + 1});
  }
  frames.push_back({PixelsToTwips(to.left), PixelsToTwips(to.top), PixelsToTwips(to.Width()),
                    PixelsToTwips(to.Height())});
  return frames;
}

std::optional<std::vector<TwipsBox>> ButtonGrid(const GridFrame& frame) {
  const double top = GridTop(frame);
  const int availableHeight = NearestEven(frame.scaleHeight - frame.handleHeight - 120);
  const int availableWidth = NearestEven(frame.scaleWidth - kGridGap) - kGridGap;
  const double gridHeight = availableHeight - top;
  if (availableWidth < kGridMinWidth || gridHeight < kGridMinHeight) return std::nullopt;
  if (frame.buttonCount < 1) return std::vector<TwipsBox>{};
  int columns = 1;
  double rows = frame.buttonCount;
  ColumnsAndRows(gridHeight, frame.buttonCount, columns, rows);
  int width = NearestEven(static_cast<double>(availableWidth) / columns);
  if (width < kGridMinButtonWidth) width = kGridMinButtonWidth;
  const int height = NearestEven((gridHeight - kGridGap - rows * kGridGap) / rows);
  std::vector<TwipsBox> places;
  for (int row = 1; row <= NearestEven(rows); ++row) {
    for (int column = 1; column <= columns; ++column) {
      if (static_cast<int>(places.size()) >= frame.buttonCount) break;
      places.push_back({static_cast<double>((width + kGridGap) * (column - 1) + kGridGap),
                        (height + kGridGap) * (row - 1) + top, static_cast<double>(width),
                        static_cast<double>(height)});
    }
  }
  return places;
}

}  // namespace qorvexctl
