#include "apps/cli/BatchIO.h"

#include <cstring>

namespace qorvexctl::cli {

bool LineReader::Refill() {
  if (m_atEnd) return false;
  if (m_begin > 0) {
    std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
    m_end -= m_begin;
    m_begin = 0;
  }
  if (m_end == m_buffer.size()) m_buffer.resize(m_buffer.size() * 2);
  const std::size_t read = std::fread(m_buffer.data() + m_end, 1, m_buffer.size() - m_end, m_input);
  m_end += read;
  if (read == 0) m_atEnd = true;
  return read > 0;
}

bool LineReader::Next(std::string_view& line) {
  for (;;) {
    const char* start = m_buffer.data() + m_begin;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', m_end - m_begin));
    std::size_t length = 0;
    if (newline) {
      length = static_cast<std::size_t>(newline - start);
      m_begin += length + 1;
    } else if (!Refill()) {
      if (m_begin == m_end) return false;
      start = m_buffer.data() + m_begin;  // refilling may have moved the data
      length = m_end - m_begin;
      m_begin = m_end;
    } else {
      continue;
    }
    line = std::string_view(start, length);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }
}

void OutputBuffer::Flush() {
  if (m_pending.empty()) return;
  std::fwrite(m_pending.data(), 1, m_pending.size(), m_output);
  std::fflush(m_output);
  m_pending.clear();
}

int RunBatch(const std::function<bool(std::string_view, std::size_t, OutputBuffer&)>& handle) {
  LineReader reader(stdin);
  OutputBuffer out(stdout);
  std::string_view line;
  std::size_t number = 0;
  bool allRead = true;
  while (reader.Next(line)) {
    if (!handle(line, ++number, out)) allRead = false;
  }
  return allRead ? 0 : 1;
}

}  // namespace qorvexctl::cli
