#include "qorvexctl/platform/widgets/TextBoxLayout.h"

#include <algorithm>
#include <cstdlib>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/platform/widgets/TextEditBuffer.h"

namespace qorvexctl::platform {
namespace {}  // namespace

TextBoxLayout::TextBoxLayout(std::u32string_view text, const Font& font, bool multiLine,
                             int wrapWidth)
    : m_text(text), m_font(font) {
  std::size_t start = 0;
  for (std::size_t i = 0; multiLine && i < text.size(); ++i) {
    if (!IsLineBreak(text[i])) continue;
    const std::size_t next = i + LineBreakLength(text, i);
    AddParagraph(start, i, next, wrapWidth);
    start = next;
    i = next - 1;
  }
  AddParagraph(start, text.size(), text.size(), wrapWidth);
}

void TextBoxLayout::AddParagraph(std::size_t start, std::size_t end, std::size_t next,
                                 int wrapWidth) {
  while (wrapWidth > 0 && start < end && Width(start, end) > wrapWidth) {
    const std::size_t cut = WrapPoint(start, end, wrapWidth);
    if (cut >= end) break;
    m_lines.push_back({start, cut, cut, true});
    start = cut;
  }
  m_lines.push_back({start, end, next, false});
}

std::size_t TextBoxLayout::WrapPoint(std::size_t start, std::size_t end, int wrapWidth) const {
  // The longest prefix that fits (at least one character, so wrapping always moves on).
  std::size_t low = start + 1, high = end;
  while (low < high) {
    const std::size_t mid = (low + high + 1) / 2;
    if (Width(start, mid) <= wrapWidth) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  std::size_t cut = low;
  if (m_text[cut] == U' ') {
    while (cut < end && m_text[cut] == U' ') ++cut;  // spaces stay on the line they end
    return cut;
  }
  for (std::size_t s = cut; s > start; --s) {
    if (m_text[s - 1] == U' ') return s;
  }
  return cut;  // one word wider than the box: broken between characters
}

int TextBoxLayout::Width(std::size_t from, std::size_t to) const {
  return m_font.TextWidth(EncodeUtf8(m_text.substr(from, to - from)));
}

std::size_t TextBoxLayout::LineOf(std::size_t position) const {
  const auto after =
      std::upper_bound(m_lines.begin(), m_lines.end(), position,
                       [](std::size_t p, const TextBoxLine& line) { return p < line.start; });
  return after == m_lines.begin() ? 0 : static_cast<std::size_t>(after - m_lines.begin()) - 1;
}

int TextBoxLayout::XOf(std::size_t line, std::size_t position) const {
  const TextBoxLine& span = m_lines[line];
  return Width(span.start, std::clamp(position, span.start, span.end));
}

int TextBoxLayout::LineWidth(std::size_t line) const {
  return Width(m_lines[line].start, m_lines[line].end);
}

std::string TextBoxLayout::LineText(std::size_t line) const {
  return EncodeUtf8(m_text.substr(m_lines[line].start, m_lines[line].end - m_lines[line].start));
}

std::size_t TextBoxLayout::PositionAt(std::size_t line, int x) const {
  const TextBoxLine& span = m_lines[std::min(line, m_lines.size() - 1)];
  const std::size_t last = LineEndForCaret(std::min(line, m_lines.size() - 1));
  std::size_t best = span.start;
  int bestDistance = std::abs(x);
  for (std::size_t p = span.start + 1; p <= last; ++p) {
    const int distance = std::abs(x - Width(span.start, p));
    if (distance < bestDistance) {
      best = p;
      bestDistance = distance;
    }
  }
  return best;
}

std::size_t TextBoxLayout::LineEndForCaret(std::size_t line) const {
  const TextBoxLine& span = m_lines[line];
  if (!span.wrapped) return span.end;
  std::size_t end = span.end;
  while (end > span.start + 1 && m_text[end - 1] == U' ') --end;
  // A word broken between characters: the caret stays before the break, on this line.
  return end == span.end ? end - 1 : end;
}

}  // namespace qorvexctl::platform
