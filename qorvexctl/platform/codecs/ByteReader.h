#pragma once
// A bounds-checked cursor over a byte buffer, shared by the image decoders. Every read returns
// an empty optional (or false) once it would pass the end, and the cursor then stays where it
// was, so a decoder can stop cleanly on truncated data.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace qorvexctl {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

  std::size_t Position() const { return m_position; }
  std::size_t Remaining() const { return m_bytes.size() - m_position; }
  std::size_t Size() const { return m_bytes.size(); }

  // Moves to an absolute position; false (cursor unchanged) beyond the end.
  [[nodiscard]] bool Seek(std::size_t position) {
    if (position > m_bytes.size()) return false;
    m_position = position;
    return true;
  }

  [[nodiscard]] bool Skip(std::size_t count) {
    if (count > Remaining()) return false;
    m_position += count;
    return true;
  }

  [[nodiscard]] std::optional<std::uint8_t> U8() {
    if (Remaining() < 1) return std::nullopt;
    return m_bytes[m_position++];
  }

  [[nodiscard]] std::optional<std::uint16_t> U16LE() {
    if (Remaining() < 2) return std::nullopt;
    auto value = static_cast<std::uint16_t>(m_bytes[m_position] | (m_bytes[m_position + 1] << 8));
    m_position += 2;
    return value;
  }

  [[nodiscard]] std::optional<std::uint16_t> U16BE() {
    if (Remaining() < 2) return std::nullopt;
    auto value = static_cast<std::uint16_t>((m_bytes[m_position] << 8) | m_bytes[m_position + 1]);
    m_position += 2;
    return value;
  }

  [[nodiscard]] std::optional<std::uint32_t> U32BE() {
    if (Remaining() < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | m_bytes[m_position + i];
    m_position += 4;
    return value;
  }

  // The next `count` bytes, consumed.
  [[nodiscard]] std::optional<std::span<const std::uint8_t>> Bytes(std::size_t count) {
    if (count > Remaining()) return std::nullopt;
    auto view = m_bytes.subspan(m_position, count);
    m_position += count;
    return view;
  }

 private:
  std::span<const std::uint8_t> m_bytes;
  std::size_t m_position = 0;
};

}  // namespace qorvexctl
