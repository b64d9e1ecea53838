// docs/png.md: loading a PNG file with StdPNG and painting it onto a canvas.

#include <cstdio>
#include <string>

#include "qorvexctl/imaging/StdPNG.h"
#include "qorvexctl/platform/desktop/Desktop.h"
#include "qorvexctl/platform/drawing/Canvas.h"
#include "qorvexctl/platform/drawing/Surface.h"

int main() {
  qorvexctl::platform::Desktop desktop;
  qorvexctl::platform::Surface target(200, 100, 32);
  qorvexctl::platform::Canvas canvas(target);

  qorvexctl::StdPNG png(&desktop);  // the desktop is optional (screen size, redraws)
  png.TransparentStyle(qorvexctl::alphaTransparent);
  if (png.LoadFile("logo.png")) {  // ValidateAllData, Make32Bit, AlphaBlendValue
    png.Paint(&canvas, 10, 10);    // AlphaBlend for 32-bit bitmaps, else a copy
    std::string text = png.Comments("(none)");
    std::puts(text.c_str());
  }
  return 0;
}
