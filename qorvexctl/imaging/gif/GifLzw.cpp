#include "qorvexctl/imaging/gif/GifLzw.h"

#include <algorithm>
#include <array>

namespace qorvexctl::gif {
namespace {

constexpr int kMaxCodes = 4096;  // codes are at most 12 bits
constexpr int kMaxCodeBits = 12;

class LzwDecoder {
 public:
  LzwDecoder(int minimumCodeSize, std::span<const std::uint8_t> data)
      : next_(data.data()),
        end_(data.data() + data.size()),
        clearCode_(1 << minimumCodeSize),
        endCode_(clearCode_ + 1),
        minimumCodeSize_(minimumCodeSize) {
    for (int code = 0; code < clearCode_; ++code) {
      suffix_[code] = first_[code] = static_cast<std::uint8_t>(code);
      length_[code] = 1;
    }
    Reset();
  }

  Failure Decode(std::span<std::uint8_t> out);

 private:
  void Reset() {
    codeBits_ = minimumCodeSize_ + 1;
    nextCode_ = endCode_ + 1;
  }
  int ReadCode();
  void AddEntry(int prefix, std::uint8_t suffix);
  std::size_t Emit(int code, std::span<std::uint8_t> out, std::size_t position);

  const std::uint8_t* next_;
  const std::uint8_t* end_;
  std::uint64_t bitBuffer_ = 0;
  int bitCount_ = 0;
  const int clearCode_;
  const int endCode_;
  const int minimumCodeSize_;
  int codeBits_ = 0;
  int nextCode_ = 0;
  std::array<std::uint16_t, kMaxCodes> prefix_{};
  std::array<std::uint8_t, kMaxCodes> suffix_{};
  std::array<std::uint8_t, kMaxCodes> first_{};
  std::array<std::uint16_t, kMaxCodes> length_{};
};

// Codes are packed least significant bit first; -1 when the data cannot hold another code.
int LzwDecoder::ReadCode() {
  while (bitCount_ < codeBits_ && next_ != end_) {
    bitBuffer_ |= static_cast<std::uint64_t>(*next_++) << bitCount_;
    bitCount_ += 8;
  }
  if (bitCount_ < codeBits_) return -1;
  const int code = static_cast<int>(bitBuffer_ & ((1u << codeBits_) - 1));
  bitBuffer_ >>= codeBits_;
  bitCount_ -= codeBits_;
  return code;
}

// A full dictionary stops growing and keeps 12-bit codes until the encoder sends a clear.
void LzwDecoder::AddEntry(int prefix, std::uint8_t suffix) {
  if (nextCode_ >= kMaxCodes) return;
  prefix_[nextCode_] = static_cast<std::uint16_t>(prefix);
  suffix_[nextCode_] = suffix;
  first_[nextCode_] = first_[prefix];
  length_[nextCode_] = static_cast<std::uint16_t>(length_[prefix] + 1);
  ++nextCode_;
  if (nextCode_ == (1 << codeBits_) && codeBits_ < kMaxCodeBits) ++codeBits_;
}

// Writes the string of `code` at `position`, back to front along its prefix chain, cut at
// the end of `out`; returns the position after it.
std::size_t LzwDecoder::Emit(int code, std::span<std::uint8_t> out, std::size_t position) {
  const std::size_t length = length_[code];
  const std::size_t room = out.size() - position;
  for (std::size_t skip = length; skip > room; --skip) code = prefix_[code];
  std::size_t last = position + std::min(length, room);
  for (std::size_t at = last; at > position; --at) {
    out[at - 1] = suffix_[code];
    code = prefix_[code];
  }
  return last;
}

Failure LzwDecoder::Decode(std::span<std::uint8_t> out) {
  std::size_t position = 0;
  int previous = -1;
  while (position < out.size()) {
    const int code = ReadCode();
    if (code < 0 || code == endCode_) return Failure::LzwDataShort;
    if (code == clearCode_) {
      Reset();
      previous = -1;
      continue;
    }
    if (code > nextCode_ || (code == nextCode_ && previous < 0)) return Failure::LzwBadCode;
    if (previous >= 0) {
      const int firstOfCode = code < nextCode_ ? first_[code] : first_[previous];
      AddEntry(previous, static_cast<std::uint8_t>(firstOfCode));
    }
    position = Emit(code, out, position);
    previous = code;
  }
  return Failure::None;
}

}  // namespace

bool GatherSubBlocks(std::span<const std::uint8_t> bytes, std::size_t position,
                     std::vector<std::uint8_t>& out) {
  out.clear();
  while (position < bytes.size()) {
    const std::size_t size = bytes[position++];
    if (size == 0) return true;
    if (size > bytes.size() - position) return false;
    out.insert(out.end(), bytes.begin() + position, bytes.begin() + position + size);
    position += size;
  }
  return false;
}

Failure DecodeGifLzw(int minimumCodeSize, std::span<const std::uint8_t> data,
                     std::span<std::uint8_t> out) {
  if (minimumCodeSize < 1 || minimumCodeSize > 8) return Failure::BadCodeSize;
  return LzwDecoder(minimumCodeSize, data).Decode(out);
}

std::size_t MaxLzwOutput(int minimumCodeSize, std::size_t dataSize) {
  const std::size_t codes = dataSize * 8 / static_cast<std::size_t>(minimumCodeSize + 1);
  return codes * kMaxCodes;
}

}  // namespace qorvexctl::gif
