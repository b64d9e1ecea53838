#include "qorvexctl/platform/drawing/Font.h"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>

namespace qorvexctl::platform {

namespace {

struct FaceMapping {
  std::string_view classic;
  std::string_view debian;
};

constexpr std::array<FaceMapping, 11> kFaceMappings = {{
    {"arial", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"tahoma", "DejaVu Sans"},
    {"verdana", "DejaVu Sans"},
    {"ms sans serif", "DejaVu Sans"},
    {"microsoft sans serif", "DejaVu Sans"},
    {"ms shell dlg", "DejaVu Sans"},
    {"segoe ui", "DejaVu Sans"},
    {"wingdings", "DejaVu Sans"},
}};

// The arrows of the Wingdings symbol font, by the Latin-1 character that stands for each, and
// the Unicode arrow DejaVu Sans draws for it.
struct SymbolMapping {
  std::string_view character;
  std::string_view unicode;
};

constexpr std::array<SymbolMapping, 4> kWingdingsArrows = {{
    {"\u00E7", "\u2B05"},  // ç: left
    {"\u00E8", "\u27A1"},  // è: right
    {"\u00E9", "\u2B06"},  // é: up
    {"\u00EA", "\u2B07"},  // ê: down
}};

std::string Lowercase(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// Length of the valid UTF-8 sequence at s[i], or 0 when the bytes there are not one.
std::size_t ValidSequenceLength(std::string_view s, std::size_t i) {
  const auto b = static_cast<unsigned char>(s[i]);
  const std::size_t n = b < 0x80                ? 1
                        : b >= 0xC2 && b < 0xE0 ? 2
                        : b >= 0xE0 && b < 0xF0 ? 3
                        : b >= 0xF0 && b < 0xF5 ? 4
                                                : 0;
  if (n == 0 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  }
  const auto b1 = static_cast<unsigned char>(n > 1 ? s[i + 1] : 0);
  if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 >= 0xA0) || (b == 0xF0 && b1 < 0x90) ||
      (b == 0xF4 && b1 >= 0x90))
    return 0;
  return n;
}

// The text with every invalid byte replaced by U+FFFD and control characters dropped.
std::string Printable(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = ValidSequenceLength(s, i);
    if (n == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    if (n > 1 || static_cast<unsigned char>(s[i]) >= 0x20) out.append(s.substr(i, n));
    i += n;
  }
  return out;
}

// The text as a symbol face shows it: its arrow characters become Unicode arrows.
std::string SymbolText(std::string_view text) {
  std::string out(text);
  for (const SymbolMapping& m : kWingdingsArrows) {
    for (std::size_t at = out.find(m.character); at != std::string::npos;
         at = out.find(m.character, at + m.unicode.size())) {
      out.replace(at, m.character.size(), m.unicode);
    }
  }
  return out;
}

// The text as drawn in `face`: printable, and in the Wingdings symbol font with its arrow
// characters ("ç" left, "è" right, "é" up, "ê" down) as the arrows they stand for.
std::string Shown(std::string_view face, std::string_view text) {
  const std::string printable = Printable(text);
  return Lowercase(face) == "wingdings" ? SymbolText(printable) : printable;
}

}  // namespace

struct Font::Loaded {
  cairo_scaled_font_t* font = nullptr;
  int ascent = 0;
  int descent = 0;
  ~Loaded() { cairo_scaled_font_destroy(font); }
};

Font::Font() : Font("MS Sans Serif") {}

Font::Font(std::string face, double pointSize, bool bold, bool italic, bool underline,
           bool strikethrough)
    : m_face(std::move(face)),
      m_pointSize(pointSize),
      m_bold(bold),
      m_italic(italic),
      m_underline(underline),
      m_strikethrough(strikethrough) {}

void Font::Face(std::string face) { m_face = std::move(face), m_loaded.reset(); }
void Font::PointSize(double size) { m_pointSize = size, m_loaded.reset(); }
void Font::Bold(bool on) { m_bold = on, m_loaded.reset(); }
void Font::Italic(bool on) { m_italic = on, m_loaded.reset(); }
void Font::Underline(bool on) { m_underline = on; }
void Font::Strikethrough(bool on) { m_strikethrough = on; }

std::string Font::SubstituteFace(std::string_view face) {
  const std::string key = Lowercase(face);
  for (const FaceMapping& m : kFaceMappings) {
    if (key == m.classic) return std::string(m.debian);
  }
  return face.empty() ? std::string("DejaVu Sans") : std::string(face);
}

int Font::PixelSize() const {
  const double pixels = std::round(m_pointSize * 96.0 / 72.0);
  if (!std::isfinite(pixels)) return 1;
  return static_cast<int>(std::clamp(pixels, 1.0, 1000.0));
}

const Font::Loaded& Font::Load() const {
  if (m_loaded) return *m_loaded;
  auto loaded = std::make_shared<Loaded>();
  cairo_font_face_t* face = cairo_toy_font_face_create(
      SubstituteFace(m_face).c_str(), m_italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
      m_bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_matrix_t matrix, identity;
  cairo_matrix_init_scale(&matrix, PixelSize(), PixelSize());
  cairo_matrix_init_identity(&identity);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  loaded->font = cairo_scaled_font_create(face, &matrix, &identity, options);
  cairo_font_options_destroy(options);
  cairo_font_face_destroy(face);
  cairo_font_extents_t extents;
  cairo_scaled_font_extents(loaded->font, &extents);
  loaded->ascent = static_cast<int>(std::ceil(extents.ascent));
  loaded->descent = static_cast<int>(std::ceil(extents.descent));
  m_loaded = std::move(loaded);
  return *m_loaded;
}

int Font::Ascent() const { return Load().ascent; }
int Font::Descent() const { return Load().descent; }
_cairo_scaled_font* Font::ScaledFont() const { return Load().font; }

int Font::TextWidth(std::string_view text) const {
  const std::string printable = Shown(m_face, text);
  if (printable.empty()) return 0;
  cairo_text_extents_t extents;
  cairo_scaled_font_text_extents(Load().font, printable.c_str(), &extents);
  return static_cast<int>(std::lround(extents.x_advance));
}

int Font::AverageCharWidth() const {
  return (TextWidth("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") / 26 + 1) / 2;
}

GlyphMask Font::Rasterise(std::string_view text) const {
  const std::string printable = Shown(m_face, text);
  GlyphMask mask;
  const int overhang = PixelSize() / 3 + 1;
  mask.originX = overhang;
  mask.baseline = Ascent();
  mask.width = std::min(TextWidth(printable) + 2 * overhang, 32767);
  mask.height = Height();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, mask.width, mask.height);
  cairo_t* cr = cairo_create(surface);
  cairo_set_scaled_font(cr, Load().font);
  cairo_move_to(cr, mask.originX, mask.baseline);
  cairo_show_text(cr, printable.c_str());
  const int thickness = std::max(1, PixelSize() / 14);
  const int lineWidth = mask.width - 2 * overhang;
  if (m_underline) cairo_rectangle(cr, overhang, mask.baseline + 1, lineWidth, thickness);
  if (m_strikethrough)
    cairo_rectangle(cr, overhang, mask.baseline - Ascent() / 3, lineWidth, thickness);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  mask.coverage.resize(static_cast<std::size_t>(mask.width) *
                       static_cast<std::size_t>(mask.height));
  for (int y = 0; data != nullptr && y < mask.height; ++y) {
    std::memcpy(mask.coverage.data() + static_cast<std::size_t>(y) * mask.width,
                data + static_cast<std::size_t>(y) * stride, static_cast<std::size_t>(mask.width));
  }
  cairo_surface_destroy(surface);
  return mask;
}

}  // namespace qorvexctl::platform
