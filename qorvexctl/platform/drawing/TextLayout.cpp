#include "qorvexctl/platform/drawing/TextLayout.h"

namespace qorvexctl::platform {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t SequenceEnd(std::string_view s, std::size_t i) {
  ++i;
  while (i < s.size() && IsContinuationByte(s[i])) ++i;
  return i;
}

std::vector<std::string> Paragraphs(std::string_view text, bool singleLine) {
  std::vector<std::string> out(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out.back() += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (!singleLine) out.emplace_back();
  }
  return out;
}

// Removes "&" prefixes; returns the byte range of the character a single "&" marks.
TextLine StripPrefixes(const std::string& paragraph) {
  TextLine line;
  for (std::size_t i = 0; i < paragraph.size(); ++i) {
    if (paragraph[i] != '&' || i + 1 >= paragraph.size()) {
      line.text += paragraph[i];
      continue;
    }
    ++i;
    if (paragraph[i] != '&' && line.underlineStart < 0) {
      line.underlineStart = static_cast<int>(line.text.size());
      line.underlineLength = static_cast<int>(SequenceEnd(paragraph, i) - i);
    }
    line.text += paragraph[i];
  }
  return line;
}

TextLine Slice(const TextLine& whole, std::size_t start, std::size_t end) {
  TextLine line;
  line.text = whole.text.substr(start, end - start);
  const auto u = static_cast<std::size_t>(whole.underlineStart);
  if (whole.underlineStart >= 0 && u >= start && u < end) {
    line.underlineStart = static_cast<int>(u - start);
    line.underlineLength = whole.underlineLength;
  }
  return line;
}

// Greedy wrapping at spaces; spaces at the wrap points are dropped.
void Wrap(const TextLine& para, int boxWidth, const Font& font, std::vector<TextLine>& out) {
  const int tabs = para.tabWidth;
  const std::string& s = para.text;
  std::size_t start = 0;
  do {
    std::size_t fit = std::string::npos;
    for (std::size_t sp = s.find(' ', start + 1);; sp = s.find(' ', sp + 1)) {
      const std::size_t end = sp == std::string::npos ? s.size() : sp;
      if (fit != std::string::npos &&
          LineWidth(std::string_view(s).substr(start, end - start), font, tabs) > boxWidth)
        break;
      fit = end;
      if (sp == std::string::npos) break;
    }
    out.push_back(Slice(para, start, fit));
    out.back().tabWidth = tabs;
    start = s.find_first_not_of(' ', fit);
  } while (start != std::string::npos && start < s.size());
}

void AddEllipsis(TextLine& line, int boxWidth, const Font& font) {
  if (LineWidth(line.text, font, line.tabWidth) <= boxWidth) return;
  std::string kept = line.text;
  while (!kept.empty() && LineWidth(kept + "...", font, line.tabWidth) > boxWidth) {
    std::size_t cut = kept.size() - 1;
    while (cut > 0 && IsContinuationByte(kept[cut])) --cut;
    kept.resize(cut);
  }
  if (line.underlineStart >= static_cast<int>(kept.size())) line.underlineStart = -1;
  line.text = kept + "...";
}

}  // namespace

unsigned FormatFlags(unsigned format) { return (format & DT_TABSTOP) ? format & ~0xFF00u : format; }

int TabStopWidth(unsigned format, const Font& font) {
  if (!(format & DT_EXPANDTABS)) return 0;
  const unsigned count = (format & DT_TABSTOP) ? (format >> 8) & 0xFFu : 8u;
  return static_cast<int>(count == 0 ? 8u : count) * font.AverageCharWidth();
}

void ForEachTabRun(std::string_view text, const Font& font, int tabWidth,
                   const std::function<void(std::string_view run, int x)>& fn) {
  int x = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = tabWidth > 0 ? text.find('\t', start) : std::string_view::npos;
    const std::string_view run =
        text.substr(start, tab == std::string_view::npos ? text.size() - start : tab - start);
    fn(run, x);
    if (tab == std::string_view::npos) return;
    x = (x + font.TextWidth(run)) / tabWidth * tabWidth + tabWidth;
    start = tab + 1;
  }
}

int LineWidth(std::string_view text, const Font& font, int tabWidth) {
  int width = 0;
  ForEachTabRun(text, font, tabWidth,
                [&](std::string_view run, int x) { width = x + font.TextWidth(run); });
  return width;
}

std::vector<TextLine> LayOutText(std::string_view text, unsigned fullFormat, int boxWidth,
                                 const Font& font) {
  std::vector<TextLine> lines;
  const unsigned format = FormatFlags(fullFormat);
  const int tabWidth = TabStopWidth(fullFormat, font);
  const bool singleLine = (format & DT_SINGLELINE) != 0;
  for (const std::string& paragraph : Paragraphs(text, singleLine)) {
    TextLine whole = (format & DT_NOPREFIX) ? TextLine{paragraph} : StripPrefixes(paragraph);
    whole.tabWidth = tabWidth;
    if ((format & DT_WORDBREAK) && !singleLine && !whole.text.empty()) {
      Wrap(whole, boxWidth, font, lines);
    } else {
      lines.push_back(std::move(whole));
    }
  }
  for (TextLine& line : lines) {
    if (format & DT_END_ELLIPSIS) AddEllipsis(line, boxWidth, font);
    line.width = LineWidth(line.text, font, line.tabWidth);
  }
  return lines;
}

}  // namespace qorvexctl::platform
