#include "qorvexctl/imaging/StdPNG.h"

#include "qorvexctl/imaging/png/PngComments.h"

namespace qorvexctl {

namespace {

constexpr double kFixedPointScale = 100000.0;  // gAMA and cHRM store value x 100000

// Days from 30 December 1899 to a valid calendar date.
std::int64_t DaysSinceDateZero(int year, int month, int day) {
  // Days from 1 March of year 0 (proleptic Gregorian), shifted to the Date epoch.
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468 + 25569;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Dates run from year 100 to 9999; a leap second (60) is allowed.
bool IsValidTime(const png::ModificationTime& t) {
  return t.year >= 100 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
         t.day <= DaysInMonth(t.year, t.month) && t.hour <= 23 && t.minute <= 59 && t.second <= 60;
}

template <typename T, std::size_t N>
std::vector<T> ToVector(const std::optional<std::array<std::int32_t, N>>& values) {
  if (!values) return {};
  return std::vector<T>(values->begin(), values->end());
}

// A grey ramp of `entries` R, G, B triples, entry i = i x (255 / (entries - 1)).
std::vector<std::uint8_t> GreyRamp(int entries) {
  std::vector<std::uint8_t> ramp;
  ramp.reserve(static_cast<std::size_t>(entries) * 3);
  for (int i = 0; i < entries; ++i)
    ramp.insert(ramp.end(), 3, static_cast<std::uint8_t>(i * (255 / (entries - 1))));
  return ramp;
}

int GreyRampEntries(int bitDepth) { return bitDepth >= 8 ? 256 : 1 << bitDepth; }

}  // namespace

StdPNG::StdPNG(platform::Desktop* desktop) : m_desktop(desktop) {}
StdPNG::~StdPNG() { Reset(); }

std::int32_t StdPNG::Width() const { return Answering() ? m_info.header.width : 0; }
std::int32_t StdPNG::Height() const { return Answering() ? m_info.header.height : 0; }
std::uint8_t StdPNG::BitCount_PNG() const {
  return Answering() ? static_cast<std::uint8_t>(m_info.header.BitsPerPixel()) : 0;
}
std::uint8_t StdPNG::ColorType() const { return Answering() ? m_info.header.colourType : 0; }
bool StdPNG::IsInterlaced() const { return Answering() && m_info.header.IsInterlaced(); }
double StdPNG::GammaCorrection() const {
  return Answering() ? m_info.gamma / kFixedPointScale : 0.0;
}

std::vector<double> StdPNG::Chromaticity() const {
  std::vector<double> values =
      Answering() ? ToVector<double>(m_info.chromaticity) : std::vector<double>{};
  for (double& v : values) v /= kFixedPointScale;
  return values;
}

std::vector<std::int32_t> StdPNG::AspectRatio() const {
  return Answering() ? ToVector<std::int32_t>(m_info.physicalSize) : std::vector<std::int32_t>{};
}

std::vector<std::int32_t> StdPNG::Offsets() const {
  return Answering() ? ToVector<std::int32_t>(m_info.offsets) : std::vector<std::int32_t>{};
}

std::uint8_t StdPNG::StdRGB() const { return Answering() ? m_info.standardRGB : 0; }

double StdPNG::LastModified() const {
  if (!Answering() || !m_info.modified || !IsValidTime(*m_info.modified)) return 0.0;
  const png::ModificationTime& t = *m_info.modified;
  auto days = static_cast<double>(DaysSinceDateZero(t.year, t.month, t.day));
  double fraction = (t.hour * 3600 + t.minute * 60 + t.second) / 86400.0;
  // Dates before day 0 keep their time as a positive distance: -1.5 is 29 Dec 1899, noon.
  return days < 0 ? days - fraction : days + fraction;
}

std::string StdPNG::Comments(const std::string& sNoCommentPrefix) const {
  if (!Answering()) return {};
  std::string comments = png::FormatComments(m_info.texts);
  return comments.empty() ? sNoCommentPrefix : comments;
}

std::vector<std::uint8_t> StdPNG::Palette() const {
  if (!Answering()) return {};
  const png::PngHeader& header = m_info.header;
  if (header.colourType == png::kPaletted) return m_info.palette;
  if (header.colourType != png::kGrey) return {};
  if (!m_info.palette.empty()) return m_info.palette;
  return GreyRamp(GreyRampEntries(header.bitDepth));
}

// Palette images: the palette is widened to 2^depth entries and overwritten from its start.
// Grey images become palette images over a grey ramp, their tRNS sample becoming the
// transparency of the matching index.
void StdPNG::Palette(std::span<const std::uint8_t> entries) {
  if (!Answering()) return;
  png::PngHeader& header = m_info.header;
  if (header.colourType == png::kPaletted) {
    m_info.palette.resize(std::size_t{3} << std::min<int>(header.bitDepth, 8));
  } else if (header.colourType == png::kGrey) {
    m_info.palette = GreyRamp(GreyRampEntries(header.bitDepth));
    header.colourType = png::kPaletted;
    if (m_info.HasTransparencyChunk()) {
      std::vector<std::uint8_t> alphas(256, 255);
      alphas[static_cast<std::size_t>(m_info.transparentColour)] = 0;
      m_info.transparency = std::move(alphas);
      m_info.transparentColour = 0;
    }
  } else {
    return;
  }
  std::copy_n(entries.begin(), std::min(entries.size(), m_info.palette.size()),
              m_info.palette.begin());
}

std::int32_t StdPNG::TransparentStyle() const { return Answering() ? m_transparentStyle : 0; }
void StdPNG::TransparentStyle(std::int32_t style) {
  if (Answering()) m_transparentStyle = style;
}

std::uint8_t StdPNG::ProgressiveDisplay() const { return Answering() ? m_progressiveDisplay : 0; }
void StdPNG::ProgressiveDisplay(std::uint8_t mode) {
  if (Answering() && mode < 7) m_progressiveDisplay = mode;
}

const stdPNGdata* StdPNG::Bitmap() const { return Answering() ? m_bitmap.get() : nullptr; }
int StdPNG::BitCount_BMP() const { return Answering() && m_bitmap ? m_bitmap->BitCount() : 0; }
std::int32_t StdPNG::ScanLineWidth() const {
  return Answering() && m_bitmap ? m_bitmap->ImageSize() / m_bitmap->Height() : 0;
}

}  // namespace qorvexctl
