#include "qorvexctl/platform/codecs/PictureLoader.h"

#include <fstream>

#include "qorvexctl/platform/codecs/BmpDecoder.h"

namespace qorvexctl::platform {

namespace {

// Files larger than this are not pictures this library loads.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{1} << 28;

}  // namespace

PictureLoader::PictureLoader() { Register({"BMP", LooksLikeBmp, DecodeBmp}); }

void PictureLoader::Register(PictureFormat format) {
  formats_.insert(formats_.begin(), std::move(format));
}

Picture PictureLoader::Load(std::span<const std::uint8_t> bytes) const {
  for (const PictureFormat& format : formats_) {
    if (!format.recognises || !format.recognises(bytes)) continue;
    Picture picture;
    if (format.decode && format.decode(bytes, picture)) return picture;
    return {};
  }
  return {};
}

Picture PictureLoader::LoadFile(const std::filesystem::path& file) const {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error || size > kMaxFileBytes) return {};
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size())) return {};
  return Load(bytes);
}

}  // namespace qorvexctl::platform
