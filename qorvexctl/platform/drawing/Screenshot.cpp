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

namespace {

// Hands the surface to cairo as an ARGB32 image and lets `write` make the PNG of it.
template <class Write>
bool WithCairoImage(const Surface& s, const Write& write) {
  if (s.IsEmpty()) return false;
  Surface copy = ToBgra32(s);
  cairo_surface_t* image =
      cairo_image_surface_create_for_data(copy.Data(), CAIRO_FORMAT_ARGB32, copy.Width(),
                                          copy.Height(), static_cast<int>(copy.Stride()));
  const cairo_status_t status = write(image);
  cairo_surface_destroy(image);
  return status == CAIRO_STATUS_SUCCESS;
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(closure);
  bytes->insert(bytes->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

bool WritePng(const Surface& s, const std::filesystem::path& file) {
  return WithCairoImage(
      s, [&](cairo_surface_t* image) { return cairo_surface_write_to_png(image, file.c_str()); });
}

std::vector<std::uint8_t> EncodePng(const Surface& s) {
  std::vector<std::uint8_t> bytes;
  const bool ok = WithCairoImage(s, [&](cairo_surface_t* image) {
    return cairo_surface_write_to_png_stream(image, AppendBytes, &bytes);
  });
  if (!ok) bytes.clear();
  return bytes;
}

}  // namespace qorvexctl::platform
