#include "testsupport/GifTestBuilder.h"

#include <algorithm>

namespace qorvexctl::testing {
namespace {

class BitPacker {
 public:
  void Put(int code, int bits) {
    m_buffer |= static_cast<std::uint32_t>(code) << m_count;
    m_count += bits;
    while (m_count >= 8) {
      m_bytes.push_back(static_cast<std::uint8_t>(m_buffer & 0xFF));
      m_buffer >>= 8;
      m_count -= 8;
    }
  }
  Bytes Finish() {
    if (m_count > 0) m_bytes.push_back(static_cast<std::uint8_t>(m_buffer & 0xFF));
    return m_bytes;
  }

 private:
  Bytes m_bytes;
  std::uint32_t m_buffer = 0;
  int m_count = 0;
};

}  // namespace

Bytes LiteralLzw(int minimumCodeSize, const Bytes& indices) {
  const int clear = 1 << minimumCodeSize;
  const int bits = minimumCodeSize + 1;
  // After a clear the next entry is clear + 2; the first literal adds no entry and each later
  // one adds one. The codes widen once the next entry reaches 2^bits = 2 * clear, so a clear
  // comes after clear - 2 literals.
  const int literalsPerClear = clear - 2;
  BitPacker packer;
  int sinceClear = literalsPerClear;
  for (std::uint8_t index : indices) {
    if (sinceClear == literalsPerClear) {
      packer.Put(clear, bits);
      sinceClear = 0;
    }
    packer.Put(index, bits);
    ++sinceClear;
  }
  packer.Put(clear + 1, bits);
  return packer.Finish();
}

Bytes PackCodes(const std::vector<Code>& codes) {
  BitPacker packer;
  for (const Code& code : codes) packer.Put(code.value, code.bits);
  return packer.Finish();
}

GifBuilder::GifBuilder(int globalColours, int screenWidth, int screenHeight,
                       const std::string& signature) {
  m_bytes.assign(signature.begin(), signature.end());  // "GIF89a"
  U16(screenWidth);                                   // logical screen width
  U16(screenHeight);                                  // logical screen height
  int sizeBits = 0;
  while ((2 << sizeBits) < globalColours) ++sizeBits;
  // packed: global table flag, colour resolution 8 bits, table size 2^(bits+1)
  m_bytes.push_back(static_cast<std::uint8_t>((globalColours > 0 ? 0x80 : 0) | 0x70 | sizeBits));
  m_bytes.push_back(0);  // background colour index
  m_bytes.push_back(0);  // pixel aspect ratio
  if (globalColours > 0) ColourTable(globalColours);
}

GifBuilder& GifBuilder::GraphicControl(int disposal, int delayHundredths, int transparentIndex) {
  const int packed = (disposal << 2) | (transparentIndex >= 0 ? 1 : 0);
  RawGraphicControlPacked(static_cast<std::uint8_t>(packed), delayHundredths);
  // the transparent colour index, second to last byte of the extension
  m_bytes[m_bytes.size() - 2] =
      static_cast<std::uint8_t>(transparentIndex >= 0 ? transparentIndex : 0);
  return *this;
}

GifBuilder& GifBuilder::RawGraphicControlPacked(std::uint8_t packed, int delayHundredths) {
  m_bytes.push_back(0x21);  // extension introducer
  m_bytes.push_back(0xF9);  // graphic control label
  m_bytes.push_back(4);     // block size
  m_bytes.push_back(packed);
  U16(delayHundredths);  // delay in hundredths of a second
  m_bytes.push_back(0);   // transparent colour index
  m_bytes.push_back(0);   // block terminator
  return *this;
}

GifBuilder& GifBuilder::Netscape(int loops, const std::string& identifier) {
  m_bytes.push_back(0x21);                                          // extension introducer
  m_bytes.push_back(0xFF);                                          // application extension label
  m_bytes.push_back(static_cast<std::uint8_t>(identifier.size()));  // normally 11
  m_bytes.insert(m_bytes.end(), identifier.begin(), identifier.end());
  m_bytes.push_back(3);  // sub-block size
  m_bytes.push_back(1);  // sub-block id: loop count
  U16(loops);
  m_bytes.push_back(0);  // block terminator
  return *this;
}

GifBuilder& GifBuilder::Comment(const std::string& text) {
  m_bytes.push_back(0x21);  // extension introducer
  m_bytes.push_back(0xFE);  // comment label
  SubBlocks(Bytes(text.begin(), text.end()));
  return *this;
}

GifBuilder& GifBuilder::Image(int left, int top, int width, int height, const Bytes& indices,
                              int localColours, bool interlaced) {
  m_bytes.push_back(0x2C);  // image separator
  U16(left);
  U16(top);
  U16(width);
  U16(height);
  int sizeBits = 0;
  while ((2 << sizeBits) < localColours) ++sizeBits;
  // packed: local table flag, interlace flag, table size 2^(bits+1)
  m_bytes.push_back(static_cast<std::uint8_t>((localColours > 0 ? 0x80 | sizeBits : 0) |
                                             (interlaced ? 0x40 : 0)));
  if (localColours > 0) ColourTable(localColours);
  m_bytes.push_back(2);  // LZW minimum code size
  SubBlocks(LiteralLzw(2, indices));
  return *this;
}

GifBuilder& GifBuilder::ImageWithData(int left, int top, int width, int height, const Bytes& data) {
  m_bytes.push_back(0x2C);  // image separator
  U16(left);
  U16(top);
  U16(width);
  U16(height);
  m_bytes.push_back(0);  // packed: no local table, not interlaced
  m_bytes.insert(m_bytes.end(), data.begin(), data.end());
  return *this;
}

GifBuilder& GifBuilder::Raw(const Bytes& bytes) {
  m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
  return *this;
}

GifBuilder& GifBuilder::Trailer() {
  m_bytes.push_back(0x3B);
  return *this;
}

void GifBuilder::U16(int value) {
  m_bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));  // little-endian
  m_bytes.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

// Entry i is (i * 10, i * 20 + 1, 255 - i): distinct colours for every index.
void GifBuilder::ColourTable(int colours) {
  for (int i = 0; i < colours; ++i) {
    m_bytes.push_back(static_cast<std::uint8_t>(i * 10));
    m_bytes.push_back(static_cast<std::uint8_t>(i * 20 + 1));
    m_bytes.push_back(static_cast<std::uint8_t>(255 - i));
  }
}

void GifBuilder::SubBlocks(const Bytes& payload) {
  for (std::size_t at = 0; at < payload.size(); at += 255) {
    const std::size_t size = std::min<std::size_t>(255, payload.size() - at);
    m_bytes.push_back(static_cast<std::uint8_t>(size));  // sub-block size
    m_bytes.insert(m_bytes.end(), payload.begin() + static_cast<std::ptrdiff_t>(at),
                  payload.begin() + static_cast<std::ptrdiff_t>(at + size));
  }
  m_bytes.push_back(0);  // block terminator
}

}  // namespace qorvexctl::testing
