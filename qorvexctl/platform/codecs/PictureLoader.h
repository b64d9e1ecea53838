#pragma once
// Loads pictures from files and bytes through a table of formats. Each format recognises its
// own signature and decodes into a Picture; the first format that recognises the bytes
// decodes them. BMP is built in; other decoders join with Register:
//
//   loader.Register({"PNG", LooksLikePng, DecodePngPicture});

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "qorvexctl/platform/drawing/Picture.h"

namespace qorvexctl::platform {

// Decodes bytes into a picture; false (and `out` untouched or empty) on any error.
using PictureDecode = std::function<bool(std::span<const std::uint8_t>, Picture& out)>;

struct PictureFormat {
  std::string name;
  // True when the bytes start with this format's signature.
  std::function<bool(std::span<const std::uint8_t>)> recognises;
  PictureDecode decode;
};

class PictureLoader {
 public:
  // A loader that knows BMP.
  PictureLoader();

  // Adds a format; formats registered later are asked first.
  void Register(PictureFormat format);
  const std::vector<PictureFormat>& Formats() const { return m_formats; }

  // The picture in the bytes, or an empty picture when no format takes them or decoding fails.
  Picture Load(std::span<const std::uint8_t> bytes) const;
  // The same for a file; a missing or unreadable file gives an empty picture.
  Picture LoadFile(const std::filesystem::path& file) const;

 private:
  std::vector<PictureFormat> m_formats;
};

}  // namespace qorvexctl::platform
