// The page walked as gumbo parsed it, written out line by line.

#include "qorvexctl/platform/widgets/HtmlText.h"

#include <gumbo.h>

#include <algorithm>
#include <memory>

namespace qorvexctl::platform {
namespace {

bool IsHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool IsBlock(GumboTag tag) {
  switch (tag) {
    case GUMBO_TAG_P: case GUMBO_TAG_DIV: case GUMBO_TAG_H1: case GUMBO_TAG_H2:
    case GUMBO_TAG_H3: case GUMBO_TAG_H4: case GUMBO_TAG_H5: case GUMBO_TAG_H6:
    case GUMBO_TAG_UL: case GUMBO_TAG_OL: case GUMBO_TAG_LI: case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_PRE: case GUMBO_TAG_DL: case GUMBO_TAG_DT: case GUMBO_TAG_DD:
    case GUMBO_TAG_CENTER: case GUMBO_TAG_SECTION: case GUMBO_TAG_ARTICLE:
    case GUMBO_TAG_HEADER: case GUMBO_TAG_FOOTER: case GUMBO_TAG_NAV: case GUMBO_TAG_FORM:
    case GUMBO_TAG_ADDRESS: case GUMBO_TAG_HR: case GUMBO_TAG_CAPTION:
      return true;
    default:
      return false;
  }
}

bool IsHidden(GumboTag tag) {
  return tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE || tag == GUMBO_TAG_HEAD ||
         tag == GUMBO_TAG_TEMPLATE || tag == GUMBO_TAG_NOSCRIPT;
}

// Characters (code points) of UTF-8 text, for lining up table columns.
std::size_t Columns(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

const char* Attribute(const GumboElement& element, const char* name) {
  const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
  return attribute ? attribute->value : nullptr;
}

// One table cell written on one line, with the links in it.
struct Cell {
  std::string text;
  std::vector<HtmlLink> links;
};

class Writer {
 public:
  // A single-line writer turns every line break into a space (table cells).
  explicit Writer(bool singleLine = false) : m_singleLine(singleLine) {}

  void Node(const GumboNode& node);
  HtmlPage Finish();
  Cell FinishCell();

 private:
  void Element(const GumboElement& element);
  void Children(const GumboElement& element);
  void Text(std::string_view text);
  void Preformatted(std::string_view text);
  void Break();
  void EndBlock();
  void ListItem(const GumboElement& element);
  void Link(const GumboElement& element);
  void Table(const GumboElement& table);
  void Rows(const GumboNode& node, std::vector<std::vector<Cell>>& rows);
  void WriteRows(const std::vector<std::vector<Cell>>& rows);

  std::vector<std::string> m_lines;
  std::string m_line;
  std::vector<HtmlLink> m_links;
  bool m_pendingSpace = false;
  bool m_singleLine;
  int m_preformatted = 0;
  std::vector<int> m_listCounters;  // per open list: 0 for bullets, else the next number
};

void Writer::Node(const GumboNode& node) {
  switch (node.type) {
    case GUMBO_NODE_DOCUMENT:
      for (unsigned i = 0; i < node.v.document.children.length; ++i) {
        Node(*static_cast<const GumboNode*>(node.v.document.children.data[i]));
      }
      break;
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
      Element(node.v.element);
      break;
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_WHITESPACE:
    case GUMBO_NODE_CDATA:
      if (m_preformatted > 0) {
        Preformatted(node.v.text.text);
      } else {
        Text(node.v.text.text);
      }
      break;
    default:
      break;  // comments
  }
}

void Writer::Children(const GumboElement& element) {
  for (unsigned i = 0; i < element.children.length; ++i) {
    Node(*static_cast<const GumboNode*>(element.children.data[i]));
  }
}

void Writer::Element(const GumboElement& element) {
  const GumboTag tag = element.tag;
  if (IsHidden(tag)) return;
  if (tag == GUMBO_TAG_BR) return Break();
  if (tag == GUMBO_TAG_TABLE) return Table(element);
  if (tag == GUMBO_TAG_A && Attribute(element, "href")) return Link(element);
  if (tag == GUMBO_TAG_LI) return ListItem(element);
  const bool block = IsBlock(tag);
  if (block) EndBlock();
  if (tag == GUMBO_TAG_UL) m_listCounters.push_back(0);
  if (tag == GUMBO_TAG_OL) m_listCounters.push_back(1);
  if (tag == GUMBO_TAG_PRE) ++m_preformatted;
  Children(element);
  if (tag == GUMBO_TAG_PRE) --m_preformatted;
  if (tag == GUMBO_TAG_UL || tag == GUMBO_TAG_OL) m_listCounters.pop_back();
  if (block) EndBlock();
}

void Writer::Text(std::string_view text) {
  for (char c : text) {
    if (IsHtmlSpace(c)) {
      m_pendingSpace = true;
      continue;
    }
    if (m_pendingSpace && !m_line.empty()) m_line += ' ';
    m_pendingSpace = false;
    m_line += c;
  }
}

void Writer::Preformatted(std::string_view text) {
  for (char c : text) {
    if (c == '\n') {
      Break();
    } else {
      m_line += c;
    }
  }
}

void Writer::Break() {
  m_pendingSpace = false;
  if (m_singleLine) {
    m_pendingSpace = true;
    return;
  }
  while (!m_line.empty() && m_line.back() == ' ') m_line.pop_back();
  m_lines.push_back(std::move(m_line));
  m_line.clear();
}

void Writer::EndBlock() {
  if (!m_line.empty()) Break();
  m_pendingSpace = false;
}

void Writer::ListItem(const GumboElement& element) {
  EndBlock();
  if (m_listCounters.empty() || m_listCounters.back() == 0) {
    m_line += "• ";
  } else {
    m_line += std::to_string(m_listCounters.back()++) + ". ";
  }
  Children(element);
  EndBlock();
}

void Writer::Link(const GumboElement& element) {
  if (m_pendingSpace && !m_line.empty()) m_line += ' ';
  m_pendingSpace = false;
  HtmlLink link{Attribute(element, "href"), m_lines.size(), m_line.size(), 0};
  Children(element);
  if (link.line != m_lines.size()) {  // a block inside the link: it starts a line of its own
    link.line = m_lines.size();
    link.begin = 0;
  }
  link.end = m_line.size();
  if (link.end > link.begin) m_links.push_back(std::move(link));
}

void Writer::Table(const GumboElement& table) {
  std::vector<std::vector<Cell>> rows;
  for (unsigned i = 0; i < table.children.length; ++i) {
    Rows(*static_cast<const GumboNode*>(table.children.data[i]), rows);
  }
  EndBlock();
  WriteRows(rows);
}

// The rows of a table, looking through its thead, tbody and tfoot.
void Writer::Rows(const GumboNode& node, std::vector<std::vector<Cell>>& rows) {
  if (node.type != GUMBO_NODE_ELEMENT) return;
  const GumboElement& element = node.v.element;
  if (element.tag == GUMBO_TAG_CAPTION) {
    Writer caption(true);
    caption.Children(element);
    rows.push_back({caption.FinishCell()});
    return;
  }
  if (element.tag != GUMBO_TAG_TR) {
    for (unsigned i = 0; i < element.children.length; ++i) {
      Rows(*static_cast<const GumboNode*>(element.children.data[i]), rows);
    }
    return;
  }
  std::vector<Cell>& row = rows.emplace_back();
  for (unsigned i = 0; i < element.children.length; ++i) {
    const auto& child = *static_cast<const GumboNode*>(element.children.data[i]);
    if (child.type != GUMBO_NODE_ELEMENT) continue;
    Writer cell(true);
    cell.Children(child.v.element);
    row.push_back(cell.FinishCell());
  }
}

void Writer::WriteRows(const std::vector<std::vector<Cell>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    if (row.size() < 2) continue;  // a lone cell (a caption, a spanning title) sets no column
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t c = 0; c < row.size(); ++c) {
      widths[c] = std::max(widths[c], Columns(row[c].text));
    }
  }
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) m_line += "  ";
      for (HtmlLink link : row[c].links) {
        link.line = m_singleLine ? 0 : m_lines.size();
        link.begin += m_line.size();
        link.end += m_line.size();
        m_links.push_back(std::move(link));
      }
      m_line += row[c].text;
      if (c + 1 < row.size() && c < widths.size()) {
        m_line.append(widths[c] - Columns(row[c].text), ' ');
      }
    }
    EndBlock();
  }
}

HtmlPage Writer::Finish() {
  EndBlock();
  while (!m_lines.empty() && m_lines.back().empty()) m_lines.pop_back();
  HtmlPage page;
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    if (i > 0) page.text += '\n';
    page.text += m_lines[i];
  }
  for (HtmlLink& link : m_links) {
    const std::size_t length = link.line < m_lines.size() ? m_lines[link.line].size() : 0;
    link.end = std::min(link.end, length);
    if (link.begin < link.end) page.links.push_back(std::move(link));
  }
  return page;
}

Cell Writer::FinishCell() {
  while (!m_line.empty() && m_line.back() == ' ') m_line.pop_back();
  for (HtmlLink& link : m_links) link.end = std::min(link.end, m_line.size());
  return Cell{std::move(m_line), std::move(m_links)};
}

}  // namespace

HtmlPage RenderHtml(std::string_view html) {
  std::unique_ptr<GumboOutput, void (*)(GumboOutput*)> output(
      gumbo_parse_with_options(&kGumboDefaultOptions, html.data(), html.size()),
      [](GumboOutput* parsed) { gumbo_destroy_output(&kGumboDefaultOptions, parsed); });
  Writer writer;
  if (output) writer.Node(*output->document);
  return writer.Finish();
}

std::string HtmlToText(std::string_view html) { return RenderHtml(html).text; }

}  // namespace qorvexctl::platform
