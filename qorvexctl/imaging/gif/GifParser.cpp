#include "qorvexctl/imaging/gif/GifParser.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

#include "qorvexctl/platform/codecs/ByteReader.h"

namespace qorvexctl::gif {
namespace {

constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kImageSeparator = 0x2C;
constexpr std::uint8_t kApplicationLabel = 0xFF;
constexpr std::uint8_t kGraphicControlLabel = 0xF9;
constexpr std::uint8_t kColourTableFlag = 0x80;
constexpr std::uint8_t kInterlaceFlag = 0x40;

// What a block handler tells the walk: go on, stop keeping what was found (the end of the
// data or the trailer), or give up on the whole file.
enum class Step { kContinue, kStop, kFail };

class GifBlockParser {
 public:
  explicit GifBlockParser(std::span<const std::uint8_t> bytes) : m_reader(bytes) {}

  GifParseResult Run();

 private:
  Step ReadSignature();
  Step ReadScreenDescriptor();
  Step ReadBlocks();
  Step ReadExtension(std::size_t start);
  Step ReadApplicationExtension();
  Step ReadGraphicControl(std::size_t start);
  Step ReadImageDescriptor(std::size_t start);
  std::optional<GifColourTable> ReadColourTable(std::uint8_t packed);
  Step SkipSubBlocks(std::size_t* payload = nullptr);
  void StoreFrame(GifFrame frame, std::size_t start);
  Step Fail(Failure error);

  ByteReader m_reader;
  GifParseResult m_result;
  GifFrame m_template;  // the graphic control waiting for its image
  std::optional<std::size_t> m_templateStart;
  int m_frameNumber = 0;  // image descriptors seen, kept or not
};

GifParseResult GifBlockParser::Run() {
  m_result.colourTables.resize(1);
  Step step = ReadSignature();
  if (step == Step::kContinue) step = ReadScreenDescriptor();
  if (step == Step::kContinue) step = ReadBlocks();
  if (step == Step::kFail) return std::move(m_result);
  if (m_result.frames.empty()) Fail(Failure::NoFrames);
  return std::move(m_result);
}

Step GifBlockParser::Fail(Failure error) {
  GifParseResult failed;
  failed.error = error;
  m_result = std::move(failed);
  return Step::kFail;
}

// The signature test ignores case: "GIF87a", "gif89a" and "GiF89A" are all accepted.
Step GifBlockParser::ReadSignature() {
  auto signature = m_reader.Bytes(6);
  if (!signature) return Step::kStop;
  if (!HasGifSignature(*signature)) return Fail(Failure::BadSignature);
  return Step::kContinue;
}

// Only the packed byte of the logical screen descriptor matters: the screen size is replaced
// by the extent of the frames, and the background colour and aspect ratio are not used.
Step GifBlockParser::ReadScreenDescriptor() {
  if (!m_reader.Skip(4)) return Step::kStop;
  auto packed = m_reader.U8();
  if (!packed || !m_reader.Skip(2)) return Step::kStop;
  if ((*packed & kColourTableFlag) == 0) return Step::kContinue;
  auto table = ReadColourTable(*packed);
  if (!table) return Step::kStop;
  m_result.colourTables[0] = *table;
  return Step::kContinue;
}

// Reads a table of 2^((packed & 7) + 1) RGB triplets.
std::optional<GifColourTable> GifBlockParser::ReadColourTable(std::uint8_t packed) {
  const int count = 2 << (packed & 7);
  auto rgb = m_reader.Bytes(static_cast<std::size_t>(count) * 3);
  if (!rgb) return std::nullopt;
  GifColourTable table;
  table.count = count;
  for (int i = 0; i < count; ++i) {
    table.entries[i] = RGB((*rgb)[i * 3], (*rgb)[i * 3 + 1], (*rgb)[i * 3 + 2]);
  }
  return table;
}

// Zero bytes between blocks are skipped; any byte other than an extension or an image
// separator (normally the 0x3B trailer) ends the walk.
Step GifBlockParser::ReadBlocks() {
  for (;;) {
    const std::size_t start = m_reader.Position();
    auto introducer = m_reader.U8();
    if (!introducer) return Step::kStop;
    Step step = Step::kContinue;
    if (*introducer == kExtensionIntroducer) {
      step = ReadExtension(start);
    } else if (*introducer == kImageSeparator) {
      step = ReadImageDescriptor(start);
    } else if (*introducer != 0x00) {
      return Step::kStop;
    }
    if (step != Step::kContinue) return step;
  }
}

Step GifBlockParser::ReadExtension(std::size_t start) {
  auto label = m_reader.U8();
  if (!label) return Step::kStop;
  if (*label == kApplicationLabel) return ReadApplicationExtension();
  if (*label == kGraphicControlLabel) return ReadGraphicControl(start);
  return SkipSubBlocks();
}

// The identifier is compared upper-cased; a NETSCAPE2.0 block whose first sub-block has 3
// bytes carries the loop count after the sub-block id. The last such block in a file wins.
Step GifBlockParser::ReadApplicationExtension() {
  auto size = m_reader.U8();
  if (!size) return Step::kStop;
  auto identifier = m_reader.Bytes(*size);
  if (!identifier) return Step::kStop;
  std::string text(identifier->begin(), identifier->end());
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  if (text != "NETSCAPE2.0") return SkipSubBlocks();
  auto subBlockSize = m_reader.U8();
  if (!subBlockSize) return Step::kStop;
  if (*subBlockSize == 0) return Step::kContinue;
  if (*subBlockSize == 3) {
    if (!m_reader.Skip(1)) return Step::kStop;
    auto loops = m_reader.U16LE();
    if (!loops) return Step::kStop;
    m_result.loops = *loops;
  } else if (!m_reader.Skip(*subBlockSize)) {
    return Step::kStop;
  }
  return SkipSubBlocks();
}

// A graphic control extension starts a new frame template. Its fields sit at fixed places
// (packed byte, delay, transparent index); the walk then goes on 7 bytes after the
// extension's start, skipping whatever sub-blocks remain.
Step GifBlockParser::ReadGraphicControl(std::size_t start) {
  m_template = GifFrame{};
  m_templateStart = start;
  auto packed = (m_reader.Skip(1) ? m_reader.U8() : std::nullopt);
  if (!packed) return Step::kStop;
  auto delay = m_reader.U16LE();
  auto index = m_reader.U8();
  if (!delay || !index) return Step::kStop;
  // Only the low two bits of the disposal field count; a restore on the first frame has
  // nothing to restore and is taken as "none".
  m_template.disposal = static_cast<std::uint8_t>((*packed >> 2) & 3);
  if (m_template.disposal == 3 && m_frameNumber == 0) m_template.disposal = 0;
  m_template.delay = *delay * 10;
  m_template.transparent = (*packed & 1) != 0;
  if (m_template.transparent) m_template.transparentIndex = *index;
  return SkipSubBlocks();
}

Step GifBlockParser::ReadImageDescriptor(std::size_t start) {
  ++m_frameNumber;
  GifFrame frame = m_template;
  const std::size_t frameStart = m_templateStart.value_or(start);
  auto left = m_reader.U16LE();
  auto top = m_reader.U16LE();
  auto width = m_reader.U16LE();
  auto height = m_reader.U16LE();
  auto packed = m_reader.U8();
  if (!left || !top || !width || !height || !packed) return Step::kStop;
  frame.left = *left;
  frame.top = *top;
  frame.width = *width;
  frame.height = *height;
  frame.interlaced = (*packed & kInterlaceFlag) != 0;
  if (*packed & kColourTableFlag) {
    auto table = ReadColourTable(*packed);
    if (!table) return Step::kStop;
    m_result.colourTables.push_back(*table);
    frame.colourTable = static_cast<std::int32_t>(m_result.colourTables.size() - 1);
  } else if (m_result.colourTables[0].count == 0) {
    return Fail(Failure::NoColourTable);
  }
  frame.lzwPosition = m_reader.Position();
  if (!m_reader.Skip(1)) return Step::kStop;
  Step step = SkipSubBlocks(&frame.lzwDataSize);
  if (step != Step::kContinue) return step;
  StoreFrame(frame, frameStart);
  return Step::kContinue;
}

// Keeps a frame whose bytes span at least 3 and widens the overall size to cover it.
void GifBlockParser::StoreFrame(GifFrame frame, std::size_t start) {
  const std::size_t length = m_reader.Position() - start;
  m_template = GifFrame{};
  m_templateStart.reset();
  if (length < 3) return;
  m_result.frames.push_back(frame);
  m_result.index.push_back({start, length});
  m_result.width = std::max(m_result.width, frame.left + frame.width);
  m_result.height = std::max(m_result.height, frame.top + frame.height);
}

// Skips data sub-blocks up to and including the zero-length terminator, adding up their
// payload sizes into `payload` when given.
Step GifBlockParser::SkipSubBlocks(std::size_t* payload) {
  for (;;) {
    auto size = m_reader.U8();
    if (!size) return Step::kStop;
    if (*size == 0) return Step::kContinue;
    if (!m_reader.Skip(*size)) return Step::kStop;
    if (payload != nullptr) *payload += *size;
  }
}

}  // namespace

bool HasGifSignature(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 6) return false;
  std::string text(bytes.begin(), bytes.begin() + 6);
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text == "gif89a" || text == "gif87a";
}

GifParseResult ParseGif(std::span<const std::uint8_t> bytes) { return GifBlockParser(bytes).Run(); }

}  // namespace qorvexctl::gif
