#pragma once
// StdPNG: loads a PNG file into a bitmap a host can paint, and reports what the file says
// about itself (size, colour type, gamma, chromaticity, text, modification time ...).
//
//   StdPNG png;
//   png.TransparentStyle(png::kAlphaTransparent);
//   if (png.LoadFile("logo.png")) { ... png.Width(), png.Comments() ... }
//
// A failed load returns false and leaves the object empty. While a load is running, its
// events may read the properties until the transparency treatment has been resolved; after
// that, and until the load ends, getters answer with empty values and lets are ignored.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "qorvexctl/base/Event.h"
#include "qorvexctl/imaging/png/PngDecode.h"
#include "qorvexctl/imaging/png/PngFailure.h"
#include "qorvexctl/imaging/png/PngFileInfo.h"
#include "qorvexctl/imaging/png/PngOutputFormat.h"
#include "qorvexctl/imaging/png/PngRowConverter.h"
#include "qorvexctl/imaging/png/PngScanlines.h"
#include "qorvexctl/imaging/stdPNGdata.h"
#include "qorvexctl/platform/desktop/Messages.h"

namespace qorvexctl {

namespace platform {
class Desktop;
}

// ProgressiveDisplay values.
enum enumPgDsply : std::uint8_t {
  pngAuto = 0,
  pngFadeIn = 1,
  pngScanner = 2,
  pngNeverProgressive = 4,
  pngPixelated = 8,
};

// TransparentStyle values; any other value is a background colour.
enum enumAlphaBkg : std::int32_t {
  alphaTransparent = png::kAlphaTransparent,
  alphaNoBkgNoAlpha = png::kAlphaNoBkgNoAlpha,
  alphaTransColorBkg = png::kAlphaTransColorBkg,
  alphaPNGwindowBkg = png::kAlphaPNGwindowBkg,
};

// Published with the class; no member uses them.
enum ColorDepths : std::int32_t { Color_True = 0, Color_256 = 256, Color_16 = 16, Color_2 = 2 };
enum PictureTypes : std::int32_t {
  IMAGE_BITMAP = 0,
  IMAGE_CURSOR = 1,
  IMAGE_ICON = 2,
  IMAGE_ENHMETAFILE = 3,
};

// The optional arguments of Paint, by reference: zero extents are replaced by the image's.
struct PngPaintArea {
  std::int32_t destCx = 0, destCy = 0;  // 0: the image's width or height
  platform::Canvas* PngDC = nullptr;    // the source device context; nullptr: the object's own
  std::int32_t pngX = 0, pngY = 0;
  std::int32_t pngCx = 0, pngCy = 0;  // below 1: the image's width or height
  int AlphaBlend = 255;
};

class StdPNG {
 public:
  // `desktop` (optional) gives the screen size and the windows that progressive display
  // redraws.
  explicit StdPNG(platform::Desktop* desktop = nullptr);
  ~StdPNG();
  StdPNG(const StdPNG&) = delete;
  StdPNG& operator=(const StdPNG&) = delete;

  // Loads a PNG file. `ValidateAllData` also checks the CRCs of ancillary chunks;
  // `Make32Bit` or an `AlphaBlendValue` other than 255 make a 32-bit bitmap.
  bool LoadFile(const std::string& fileName, bool ValidateAllData = true, bool Make32Bit = false,
                int AlphaBlendValue = 255);
  // The same from a PNG file's bytes in memory.
  bool LoadBytes(std::span<const std::uint8_t> bytes, bool ValidateAllData = true,
                 bool Make32Bit = false, int AlphaBlendValue = 255);

  std::int32_t Width() const;
  std::int32_t Height() const;
  std::uint8_t BitCount_PNG() const;  // bits per pixel of the file
  std::uint8_t ColorType() const;
  bool IsInterlaced() const;
  double GammaCorrection() const;                 // 0 without gAMA
  std::vector<double> Chromaticity() const;       // white x, y, red x, y, green, blue; or empty
  std::vector<std::int32_t> AspectRatio() const;  // pixels per unit x, y, unit; or empty
  std::vector<std::int32_t> Offsets() const;      // x, y, unit; or empty
  std::uint8_t StdRGB() const;                    // rendering intent + 1, or 0
  // The tIME date as a Date value (days since 30 December 1899, the time as the fraction);
  // 0 without tIME or when it holds no valid date.
  double LastModified() const;
  // "keyword: text" per text chunk, CR-LF between them; `sNoCommentPrefix` when there is none.
  std::string Comments(const std::string& sNoCommentPrefix = "") const;

  // Palette: R, G, B per entry (see the rendering notes in docs/png.md); empty when the
  // image has none. The let applies to palette and grey images before the bitmap exists.
  std::vector<std::uint8_t> Palette() const;
  void Palette(std::span<const std::uint8_t> entries);
  std::int32_t TransparentStyle() const;
  void TransparentStyle(std::int32_t style);
  std::uint8_t ProgressiveDisplay() const;
  void ProgressiveDisplay(std::uint8_t mode);

  // The bitmap (nullptr before a successful load), its layout and its memory device context.
  const stdPNGdata* Bitmap() const;
  const platform::Surface* Handle() const;
  platform::Canvas* hDC() const;
  bool HasOwnDC() const;
  void HasOwnDC(bool value);
  int BitCount_BMP() const;
  std::int32_t ScanLineWidth() const;
  StdPNG& ToObject() { return *this; }

  // Draws the image at (destX, destY) of `hDC`; see PngPaintArea for the rest.
  void Paint(platform::Canvas* hDC, std::int32_t destX, std::int32_t destY, PngPaintArea& area);
  void Paint(platform::Canvas* hDC, std::int32_t destX, std::int32_t destY);

  // Raised once per load after inflation, before the bitmap is made, unless ProgressiveDisplay
  // is 4 or more. A handler that sets destinationDC and destinationHwnd (and x, y) has the
  // image drawn there while it decodes.
  Event<std::int32_t /*Width*/, std::int32_t /*Height*/, platform::Canvas*& /*destinationDC*/,
        platform::HWND& /*destinationHwnd*/, std::int32_t /*WinBkgColor*/, bool /*AlphaPng*/,
        std::int32_t& /*x*/, std::int32_t& /*y*/, bool /*IsInterlaced*/, bool /*useProgression*/>
      ProgessiveDisplay;
  // Raised with 0 when decoding starts, then per band or pass, 100 at the end.
  Event<std::int32_t> Progress;

  // Why the last load failed (diagnostics only).
  png::Failure LastFailure() const { return m_lastFailure; }

 private:
  bool Answering() const { return m_loadState < kStateResolved; }
  void Reset();
  bool Fail(png::Failure reason);
  struct Destination {
    platform::Canvas* canvas = nullptr;
    platform::HWND hwnd = 0;
    std::int32_t x = 0, y = 0;
    bool IsSet() const { return canvas != nullptr && hwnd != 0; }
  };
  bool Decode(bool force32, int alphaBlendValue);
  Destination AskForDestination();
  bool SuggestProgression() const;
  std::uint16_t ChooseStrategy(const Destination& destination) const;
  void PrepareBackground(const Destination& destination, int bitCount);
  png::ScanlineHooks MakeHooks(const Destination& destination, int alphaBlendValue);
  void ShowProgress(const Destination& destination, const platform::Rect& area,
                    int alphaBlendValue);
  void RedrawDestination(const Destination& destination, const platform::Rect& area) const;
  bool FinishLoad(const Destination& destination, int alphaBlendValue);
  bool CreateBitmap(int bitCount);

  static constexpr std::uint16_t kStrategyMask = 0x0F;
  static constexpr std::uint16_t kStrategyNone = 1;  // also "capture failed, paint at the end"
  static constexpr std::uint16_t kStrategyFadeIn = 2;
  static constexpr std::uint16_t kStrategyPixelated = 4;
  static constexpr std::uint16_t kStrategyScanner = 8;
  static constexpr std::uint16_t kStateAlphaDropped = 0x10;
  static constexpr std::uint16_t kStateForce32 = 0x20;
  static constexpr std::uint16_t kStateDecoding = 0x800;
  static constexpr std::uint16_t kStateResolved = 0x1000;

  platform::Desktop* m_desktop = nullptr;
  png::PngFileInfo m_info;
  std::unique_ptr<stdPNGdata> m_bitmap;
  std::uint16_t m_loadState = 0;
  bool m_hasOwnDC = true;
  std::uint8_t m_progressiveDisplay = pngAuto;
  std::int32_t m_transparentStyle = 0;
  std::int32_t m_resolvedBackground = -1;
  png::Failure m_lastFailure = png::Failure::None;
  png::InflateBuffer m_inflated;  // the image data inflated, kept between loads
};

}  // namespace qorvexctl
