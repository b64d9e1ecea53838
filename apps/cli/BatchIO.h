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
  explicit LineReader(std::FILE* input) : input_(input), buffer_(1 << 16) {}
  // The next line without its line end; false at the end of the input.
  bool Next(std::string_view& line);

 private:
  bool Refill();

  std::FILE* input_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0, end_ = 0;
  bool atEnd_ = false;
};

// Collects output and writes it in large blocks (and when destroyed).
class OutputBuffer {
 public:
  explicit OutputBuffer(std::FILE* output) : output_(output) {}
  ~OutputBuffer() { Flush(); }
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

  void Append(std::string_view text) {
    pending_.append(text);
    if (pending_.size() >= kFlushSize) Flush();
  }
  void Flush();

 private:
  static constexpr std::size_t kFlushSize = 1 << 16;
  std::FILE* output_;
  std::string pending_;
};

// Runs `handle` on each line of standard input with its 1-based number, writing to standard
// output. `handle` returns false for a line it could not read (it reports the error itself);
// the run goes on. Returns 0 when every line was read, 1 otherwise.
int RunBatch(const std::function<bool(std::string_view line, std::size_t number,
                                      OutputBuffer& out)>& handle);

}  // namespace qorvexctl::cli
