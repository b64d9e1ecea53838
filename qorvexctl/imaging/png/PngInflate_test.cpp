#include "qorvexctl/imaging/png/PngInflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <vector>

namespace qorvexctl::png {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Counting(std::size_t count) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 / 3);
  return bytes;
}

Bytes Compressed(const Bytes& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes stream(size);
  EXPECT_EQ(compress(stream.data(), &size, data.data(), static_cast<uLong>(data.size())), Z_OK);
  stream.resize(size);
  return stream;
}

struct InflateCase {
  const char* name;
  Bytes stream;
  std::size_t room;
  InflateStatus status;
  std::size_t length;
};

// The outcomes the image data's one exact-size inflate relies on, the same under either
// engine (this test runs in the libdeflate tree and in the zlib sanitizer tree).
TEST(PngInflate, EachEngineGivesTheSameOutcomeForEveryKindOfStream) {
  const Bytes data = Counting(1000);
  const Bytes stream = Compressed(data);
  Bytes badChecksum = stream;
  badChecksum.back() ^= 1;
  Bytes badHeader = stream;
  badHeader[1] ^= 1;
  Bytes trailing = stream;
  trailing.insert(trailing.end(), {1, 2, 3});
  const Bytes cutShort(stream.begin(), stream.end() - 6);
  const InflateCase cases[] = {
      {"exact size", stream, 1000, InflateStatus::Done, 1000},
      {"short data: the stream ends before the room does", stream, 1200, InflateStatus::Done, 1000},
      {"a longer stream than the room", stream, 999, InflateStatus::NeedRoom, 0},
      {"bytes after the stream's end", trailing, 1000, InflateStatus::Done, 1000},
      {"wrong checksum", badChecksum, 1000, InflateStatus::Corrupt, 0},
      {"header check fails", badHeader, 1000, InflateStatus::Corrupt, 0},
      {"cut short", cutShort, 1200, InflateStatus::Corrupt, 0},
      {"no bytes at all", {}, 1000, InflateStatus::Corrupt, 0},
  };
  for (const InflateCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.name << " (" << InflateEngineName() << ")");
    Bytes out(c.room);
    const InflateResult result = InflateZlibStream(c.stream, out);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.length, c.length);
    if (result.status == InflateStatus::Done) {
      EXPECT_TRUE(std::equal(data.begin(), data.end(), out.begin()));
    }
  }
}

TEST(PngInflate, Crc32IsThePngChunkChecksum) {
  const Bytes iend = {'I', 'E', 'N', 'D'};
  EXPECT_EQ(Crc32(iend), 0xAE426082u);
  const Bytes data = Counting(5000);
  EXPECT_EQ(Crc32(data), crc32(0, data.data(), static_cast<uInt>(data.size())));
}

}  // namespace
}  // namespace qorvexctl::png
