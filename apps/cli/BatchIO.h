#pragma once
// Line-by-line batch processing for the command groups: standard input read through a large
// buffer, results collected and written in large blocks.

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qorvexctl::cli {

// Reads lines separated by LF; a CR before the LF and a last line without LF are handled.
class LineReader {
 public:
  explicit LineReader(std::FILE* input) : m_input(input), m_buffer(1 << 16) {}
  // The next line without its line end; false at the end of the input.
  bool Next(std::string_view& line);

 private:
  bool Refill();

  std::FILE* m_input;
  std::vector<char> m_buffer;
  std::size_t m_begin = 0, m_end = 0;
  bool m_atEnd = false;
};

// Collects output and writes it in large blocks (and when destroyed).
class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* output) : m_output(output) {}
  ~OutputBuffer() { Flush(); }
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

  void Append(std::string_view text) {
    m_pending.append(text);
    if (m_pending.size() >= kFlushSize) Flush();
  }
  void Flush();

 private:
  static constexpr std::size_t kFlushSize = 1 << 16;
  std::FILE* m_output;
  std::string m_pending;
};

// Runs `handle` on each line of standard input with its 1-based number, writing to standard
// output. `handle` returns false for a line it could not read (it reports the error itself);
// the run goes on. Returns 0 when every line was read, 1 otherwise.
int RunBatch(const std::function<bool(std::string_view line, std::size_t number,
                                      OutputBuffer& out)>& handle);

}  // namespace qorvexctl::cli
