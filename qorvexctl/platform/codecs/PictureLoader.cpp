#include "qorvexctl/platform/codecs/PictureLoader.h"

#include "qorvexctl/platform/codecs/BmpDecoder.h"
#include "qorvexctl/platform/services/AtomicFile.h"

namespace qorvexctl::platform {

namespace {

// Files larger than this are not pictures this library loads.
constexpr std::uintmax_t kMaxFileBytes = std::uintmax_t{1} << 28;

}  // namespace

PictureLoader::PictureLoader() { Register({"BMP", LooksLikeBmp, DecodeBmp}); }

void PictureLoader::Register(PictureFormat format) {
  m_formats.insert(m_formats.begin(), std::move(format));
}

Picture PictureLoader::Load(std::span<const std::uint8_t> bytes) const {
  for (const PictureFormat& format : m_formats) {
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
  const auto bytes = ReadFileBytes(file);
  if (!bytes) return {};
  return Load({reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()});
}

}  // namespace qorvexctl::platform
