#include "qorvexctl/imaging/gif/GifLzw.h"

#include <gtest/gtest.h>

#include "testsupport/GifTestBuilder.h"

namespace qorvexctl::gif {
namespace {

using testing::Bytes;
using testing::Code;
using testing::LiteralLzw;
using testing::PackCodes;

// Minimum code size 2: clear 4, end 5, first free entry 6, codes 3 bits wide at the start.
constexpr int kClear = 4;
constexpr int kEnd = 5;

Failure Decode(const Bytes& data, Bytes& out, int minimumCodeSize = 2) {
  return DecodeGifLzw(minimumCodeSize, data, out);
}

TEST(GifLzw, DecodesLiteralCodes) {
  const Bytes indices = {0, 1, 2, 3, 3, 2, 1, 0, 1};
  Bytes out(indices.size());
  EXPECT_EQ(Decode(LiteralLzw(2, indices), out), Failure::None);
  EXPECT_EQ(out, indices);
}

TEST(GifLzw, DecodesACodeDefinedByItsOwnUse) {
  // 1, then code 6 which is not yet in the dictionary: it stands for 1 followed by 1.
  Bytes out(3);
  EXPECT_EQ(Decode(PackCodes({{kClear, 3}, {1, 3}, {6, 3}, {kEnd, 3}}), out), Failure::None);
  EXPECT_EQ(out, (Bytes{1, 1, 1}));
}

TEST(GifLzw, DecodesRepeatedStringsAndWidensCodes) {
  // 2, 3 (adds 6 = 2 3), 6 (adds 7 = 3 2; the next entry is 8, so codes widen to 4 bits),
  // 7 (adds 8 = 2 3 3), 8.
  Bytes out(9);
  const Bytes data = PackCodes({{kClear, 3}, {2, 3}, {3, 3}, {6, 3}, {7, 4}, {8, 4}, {kEnd, 4}});
  EXPECT_EQ(Decode(data, out), Failure::None);
  EXPECT_EQ(out, (Bytes{2, 3, 2, 3, 3, 2, 2, 3, 3}));
}

TEST(GifLzw, RefusesCodesNotYetInTheDictionary) {
  Bytes out(4);
  EXPECT_EQ(Decode(PackCodes({{kClear, 3}, {1, 3}, {7, 3}}), out), Failure::LzwBadCode);
  // Right after a clear only literals can come.
  EXPECT_EQ(Decode(PackCodes({{kClear, 3}, {6, 3}}), out), Failure::LzwBadCode);
}

TEST(GifLzw, FailsWhenTheDataEndsBeforeTheImage) {
  Bytes out(4);
  EXPECT_EQ(Decode(LiteralLzw(2, {1, 2, 3}), out), Failure::LzwDataShort);  // end code early
  EXPECT_EQ(Decode(PackCodes({{kClear, 3}, {1, 3}}), out), Failure::LzwDataShort);
  EXPECT_EQ(Decode({}, out), Failure::LzwDataShort);
}

TEST(GifLzw, IgnoresWhatFollowsTheLastPixel) {
  Bytes data = LiteralLzw(2, {1, 2, 3, 0});
  data.insert(data.end(), {0xFF, 0xFF, 0xFF, 0xFF});  // codes 7: not in the dictionary
  Bytes out(3);
  EXPECT_EQ(Decode(data, out), Failure::None);
  EXPECT_EQ(out, (Bytes{1, 2, 3}));
}

TEST(GifLzw, AcceptsOnlyMinimumCodeSizesOneToEight) {
  Bytes out(1);
  EXPECT_EQ(Decode(PackCodes({{2, 2}, {0, 2}, {3, 2}}), out, 1), Failure::None);
  for (int size : {0, 9, 11, 12, 13, 255}) {
    EXPECT_EQ(Decode(Bytes(16, 0), out, size), Failure::BadCodeSize) << size;
  }
}

// A full dictionary stops growing; the codes stay 12 bits wide until a clear.
TEST(GifLzw, KeepsDecodingOnceTheDictionaryIsFull) {
  std::vector<Code> codes = {{kClear, 3}};
  Bytes expected;
  int nextEntry = 6;
  int bits = 3;
  for (int i = 0; i < 4200; ++i) {
    codes.push_back({i % 4, bits});
    expected.push_back(static_cast<std::uint8_t>(i % 4));
    if (i == 0 || nextEntry == 4096) continue;
    if (++nextEntry == (1 << bits) && bits < 12) ++bits;
  }
  codes.push_back({kClear, 12});
  codes.push_back({3, 3});
  expected.push_back(3);
  Bytes out(expected.size());
  EXPECT_EQ(Decode(PackCodes(codes), out), Failure::None);
  EXPECT_EQ(out, expected);
}

TEST(GifLzw, GathersSubBlocksUntilTheTerminator) {
  const Bytes file = {9, 2, 0xAA, 0xBB, 1, 0xCC, 0, 7};
  Bytes joined;
  EXPECT_TRUE(GatherSubBlocks(file, 1, joined));
  EXPECT_EQ(joined, (Bytes{0xAA, 0xBB, 0xCC}));
  EXPECT_FALSE(GatherSubBlocks(Bytes{3, 1, 2}, 0, joined));  // cut inside a sub-block
  EXPECT_FALSE(GatherSubBlocks(Bytes{1, 1}, 0, joined));     // no terminator
}

TEST(GifLzw, BoundsTheOutputByTheDataSize) {
  EXPECT_EQ(MaxLzwOutput(2, 3), 8u * 4096u);  // 24 bits hold at most 8 codes of 3 bits
  EXPECT_EQ(MaxLzwOutput(8, 0), 0u);
}

}  // namespace
}  // namespace qorvexctl::gif
