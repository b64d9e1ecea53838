#include "qorvexctl/imaging/png/PngComments.h"

#include <algorithm>
#include <array>

#include "qorvexctl/base/Text.h"
#include "qorvexctl/base/Windows1252.h"
#include "qorvexctl/imaging/png/PngInflate.h"

namespace qorvexctl::png {

namespace {

// A keyword is 1-79 bytes followed by a zero byte (PNG 11.3.4.2); the zero is looked for
// among the first 81 bytes of the chunk.
constexpr std::size_t kKeywordSearchLength = 81;

std::string AnsiText(std::span<const std::uint8_t> bytes) {
  return Windows1252ToUtf8(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// The text after the keyword's zero byte; empty when a zTXt text cannot be inflated.
std::optional<std::string> RecordText(const TextRecord& record, std::size_t keywordEnd) {
  auto rest = std::span(record.data).subspan(keywordEnd + 1);
  if (!record.compressed) return AnsiText(rest);
  if (rest.empty() || rest[0] != 0) return std::nullopt;  // compression method 0 only
  auto inflated = InflateText(rest.subspan(1));
  if (!inflated) return std::nullopt;
  return AnsiText(*inflated);
}

std::optional<std::string> FormatEntry(const TextRecord& record) {
  auto searched = std::span(record.data).first(std::min(record.data.size(), kKeywordSearchLength));
  auto zero = std::find(searched.begin(), searched.end(), std::uint8_t{0});
  if (zero == searched.end()) return std::nullopt;
  auto keywordEnd = static_cast<std::size_t>(zero - searched.begin());
  auto text = RecordText(record, keywordEnd);
  if (!text) return std::nullopt;
  *text = Replace(*text, "27", " ");
  return AnsiText(searched.first(keywordEnd)) + ": " + *text;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> InflateText(std::span<const std::uint8_t> compressed) {
  const std::size_t step = compressed.size() * 2;
  const std::size_t limit = compressed.size() * kMaximumTextGrowth;
  for (std::size_t capacity = step; capacity != 0 && capacity <= limit; capacity += step) {
    std::vector<std::uint8_t> out(capacity);
    const InflateResult result = InflateZlibStream(compressed, out);
    if (result.status == InflateStatus::Done) {
      out.resize(result.length);
      return out;
    }
    if (result.status != InflateStatus::NeedRoom) return std::nullopt;  // more room won't help
  }
  return std::nullopt;
}

std::string FormatComments(const std::vector<TextRecord>& records) {
  std::string comments;
  for (const TextRecord& record : records) {
    auto entry = FormatEntry(record);
    if (!entry) continue;
    if (!comments.empty()) comments += "\r\n";
    comments += *entry;
  }
  return Replace(Replace(comments, "\r\n", "\n"), "\n", "\r\n");
}

}  // namespace qorvexctl::png
