#include "qorvexctl/platform/drawing/Screenshot.h"

#include <cairo.h>

#include "qorvexctl/platform/drawing/PixelRows.h"

namespace qorvexctl::platform {

Surface ToBgra32(const Surface& s) {
  Surface out(s.Width(), s.Height(), 32);
  if (out.IsEmpty()) return out;
  for (int y = 0; y < s.Height(); ++y) ReadRowWords(s, y, 0, s.Width(), out.Words(y));
  return out;
}

bool WritePng(const Surface& s, const std::filesystem::path& file) {
  if (s.IsEmpty()) return false;
  Surface copy = ToBgra32(s);
  cairo_surface_t* image =
      cairo_image_surface_create_for_data(copy.Data(), CAIRO_FORMAT_ARGB32, copy.Width(),
                                          copy.Height(), static_cast<int>(copy.Stride()));
  const cairo_status_t status = cairo_surface_write_to_png(image, file.c_str());
  cairo_surface_destroy(image);
  return status == CAIRO_STATUS_SUCCESS;
}

}  // namespace qorvexctl::platform
