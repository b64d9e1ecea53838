#pragma once
// A text font by face name, point size and style, rendered through fontconfig, FreeType and
// cairo at 96 pixels per inch. Classic face names are mapped to close Debian faces: Arial to
// Liberation Sans, Times New Roman to Liberation Serif, Courier New to Liberation Mono, and
// Tahoma, Verdana, "MS Sans Serif" and the other sans-serif UI faces to DejaVu Sans.
// Text is UTF-8; invalid bytes are shown as U+FFFD.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct _cairo_scaled_font;

namespace qorvexctl::platform {

// Coverage (0..255) of a rendered line of text, `width` x `height`, with the pen starting at
// x = `originX` and the baseline at y = `baseline`.
struct GlyphMask {
  int width = 0;
  int height = 0;
  int originX = 0;
  int baseline = 0;
  std::vector<std::uint8_t> coverage;
};

class Font {
 public:
  // "MS Sans Serif", 8 points, regular.
  Font();
  explicit Font(std::string face, double pointSize = 8.25, bool bold = false, bool italic = false,
                bool underline = false, bool strikethrough = false);

  const std::string& Face() const { return m_face; }
  double PointSize() const { return m_pointSize; }
  bool Bold() const { return m_bold; }
  bool Italic() const { return m_italic; }
  bool Underline() const { return m_underline; }
  bool Strikethrough() const { return m_strikethrough; }
  void Face(std::string face);
  void PointSize(double size);
  void Bold(bool on);
  void Italic(bool on);
  void Underline(bool on);
  void Strikethrough(bool on);

  // The face actually asked of fontconfig for this face name.
  static std::string SubstituteFace(std::string_view face);
  // The em height in pixels (point size at 96 dpi, rounded, at least 1).
  int PixelSize() const;
  // Pixels above and below the baseline; Height() is their sum, the height of one line.
  int Ascent() const;
  int Descent() const;
  int Height() const { return Ascent() + Descent(); }
  // The classic average character width: half the width of "a".."z" and "A".."Z" over 26,
  // rounded up; tab stops and dialog units are counted in it.
  int AverageCharWidth() const;
  // Advance width in pixels of a single line of text.
  int TextWidth(std::string_view text) const;
  // The line drawn as coverage, underline and strikethrough included.
  GlyphMask Rasterise(std::string_view text) const;

  // The cairo font behind this one (owned by the font).
  _cairo_scaled_font* ScaledFont() const;

  friend bool operator==(const Font& a, const Font& b) {
    return a.m_face == b.m_face && a.m_pointSize == b.m_pointSize && a.m_bold == b.m_bold &&
           a.m_italic == b.m_italic && a.m_underline == b.m_underline &&
           a.m_strikethrough == b.m_strikethrough;
  }

 private:
  struct Loaded;
  const Loaded& Load() const;

  std::string m_face;
  double m_pointSize = 8.25;
  bool m_bold = false;
  bool m_italic = false;
  bool m_underline = false;
  bool m_strikethrough = false;
  mutable std::shared_ptr<const Loaded> m_loaded;
};

}  // namespace qorvexctl::platform
