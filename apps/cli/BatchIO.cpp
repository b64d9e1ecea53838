#include "apps/cli/BatchIO.h"

#include <cstring>

namespace qorvexctl::cli {

bool LineReader::Refill() {
  if (atEnd_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  const std::size_t read = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, input_);
  end_ += read;
  if (read == 0) atEnd_ = true;
  return read > 0;
}

bool LineReader::Next(std::string_view& line) {
  for (;;) {
    const char* start = buffer_.data() + begin_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
    std::size_t length = 0;
    if (newline) {
      length = static_cast<std::size_t>(newline - start);
      begin_ += length + 1;
    } else if (!Refill()) {
      if (begin_ == end_) return false;
      start = buffer_.data() + begin_;  // refilling may have moved the data
      length = end_ - begin_;
      begin_ = end_;
    } else {
      continue;
    }
    line = std::string_view(start, length);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
  }
}

void OutputBuffer::Flush() {
  if (pending_.empty()) return;
  std::fwrite(pending_.data(), 1, pending_.size(), output_);
  std::fflush(output_);
  pending_.clear();
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
