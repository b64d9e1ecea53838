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
      : m_next(data.data()),
        m_end(data.data() + data.size()),
        m_clearCode(1 << minimumCodeSize),
        m_endCode(m_clearCode + 1),
        m_minimumCodeSize(minimumCodeSize) {
    for (int code = 0; code < m_clearCode; ++code) {
      m_suffix[code] = m_first[code] = static_cast<std::uint8_t>(code);
      m_length[code] = 1;
    }
    Reset();
  }

  Failure Decode(std::span<std::uint8_t> out);

 private:
  void Reset() {
    m_codeBits = m_minimumCodeSize + 1;
    m_nextCode = m_endCode + 1;
  }
  int ReadCode();
  void AddEntry(int prefix, std::uint8_t suffix);
  std::size_t Emit(int code, std::span<std::uint8_t> out, std::size_t position);

  const std::uint8_t* m_next;
  const std::uint8_t* m_end;
  std::uint64_t m_bitBuffer = 0;
  int m_bitCount = 0;
  const int m_clearCode;
  const int m_endCode;
  const int m_minimumCodeSize;
  int m_codeBits = 0;
  int m_nextCode = 0;
  std::array<std::uint16_t, kMaxCodes> m_prefix{};
  std::array<std::uint8_t, kMaxCodes> m_suffix{};
  std::array<std::uint8_t, kMaxCodes> m_first{};
  std::array<std::uint16_t, kMaxCodes> m_length{};
};

// Codes are packed least significant bit first; -1 when the data cannot hold another code.
int LzwDecoder::ReadCode() {
  while (m_bitCount < m_codeBits && m_next != m_end) {
    m_bitBuffer |= static_cast<std::uint64_t>(*m_next++) << m_bitCount;
    m_bitCount += 8;
  }
  if (m_bitCount < m_codeBits) return -1;
  const int code = static_cast<int>(m_bitBuffer & ((1u << m_codeBits) - 1));
  m_bitBuffer >>= m_codeBits;
  m_bitCount -= m_codeBits;
  return code;
}

// A full dictionary stops growing and keeps 12-bit codes until the encoder sends a clear.
void LzwDecoder::AddEntry(int prefix, std::uint8_t suffix) {
  if (m_nextCode >= kMaxCodes) return;
  m_prefix[m_nextCode] = static_cast<std::uint16_t>(prefix);
  m_suffix[m_nextCode] = suffix;
  m_first[m_nextCode] = m_first[prefix];
  m_length[m_nextCode] = static_cast<std::uint16_t>(m_length[prefix] + 1);
  ++m_nextCode;
  if (m_nextCode == (1 << m_codeBits) && m_codeBits < kMaxCodeBits) ++m_codeBits;
}

// Writes the string of `code` at `position`, back to front along its prefix chain, cut at
// the end of `out`; returns the position after it.
std::size_t LzwDecoder::Emit(int code, std::span<std::uint8_t> out, std::size_t position) {
  const std::size_t length = m_length[code];
  const std::size_t room = out.size() - position;
  for (std::size_t skip = length; skip > room; --skip) code = m_prefix[code];
  std::size_t last = position + std::min(length, room);
  for (std::size_t at = last; at > position; --at) {
    out[at - 1] = m_suffix[code];
    code = m_prefix[code];
  }
  return last;
}

Failure LzwDecoder::Decode(std::span<std::uint8_t> out) {
  std::size_t position = 0;
  int previous = -1;
  while (position < out.size()) {
    const int code = ReadCode();
    if (code < 0 || code == m_endCode) return Failure::LzwDataShort;
    if (code == m_clearCode) {
      Reset();
      previous = -1;
      continue;
    }
    if (code > m_nextCode || (code == m_nextCode && previous < 0)) return Failure::LzwBadCode;
    if (previous >= 0) {
      const int firstOfCode = code < m_nextCode ? m_first[code] : m_first[previous];
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
