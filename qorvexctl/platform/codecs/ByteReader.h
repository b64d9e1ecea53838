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
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }
  std::size_t Size() const { return bytes_.size(); }

  // Moves to an absolute position; false (cursor unchanged) beyond the end.
  [[nodiscard]] bool Seek(std::size_t position) {
    if (position > bytes_.size()) return false;
    position_ = position;
    return true;
  }

  [[nodiscard]] bool Skip(std::size_t count) {
    if (count > Remaining()) return false;
    position_ += count;
    return true;
  }

  [[nodiscard]] std::optional<std::uint8_t> U8() {
    if (Remaining() < 1) return std::nullopt;
    return bytes_[position_++];
  }

  [[nodiscard]] std::optional<std::uint16_t> U16LE() {
    if (Remaining() < 2) return std::nullopt;
    auto value = static_cast<std::uint16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
    position_ += 2;
    return value;
  }

  [[nodiscard]] std::optional<std::uint16_t> U16BE() {
    if (Remaining() < 2) return std::nullopt;
    auto value = static_cast<std::uint16_t>((bytes_[position_] << 8) | bytes_[position_ + 1]);
    position_ += 2;
    return value;
  }

  [[nodiscard]] std::optional<std::uint32_t> U32BE() {
    if (Remaining() < 4) return std::nullopt;
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | bytes_[position_ + i];
    position_ += 4;
    return value;
  }

  // The next `count` bytes, consumed.
  [[nodiscard]] std::optional<std::span<const std::uint8_t>> Bytes(std::size_t count) {
    if (count > Remaining()) return std::nullopt;
    auto view = bytes_.subspan(position_, count);
    position_ += count;
    return view;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace qorvexctl
