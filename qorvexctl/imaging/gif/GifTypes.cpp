#include "qorvexctl/imaging/gif/GifTypes.h"

namespace qorvexctl {

std::string_view GifErrorText(GifError error) {
  switch (error) {
    case GifError::kNone:
      return "no error";
    case GifError::kBadSignature:
      return "not a GIF file";
    case GifError::kNoColourTable:
      return "an image has no colour table";
    case GifError::kNoFrames:
      return "no frames";
    case GifError::kCanvasTooLarge:
      return "overall size too large";
    case GifError::kStripTooLarge:
      return "frames too large";
    case GifError::kZeroSizeFrame:
      return "a frame has width or height 0";
    case GifError::kBadCodeSize:
      return "LZW minimum code size out of range";
    case GifError::kLzwDataShort:
      return "LZW data ends before the frame is complete";
    case GifError::kLzwBadCode:
      return "LZW code not in the dictionary";
  }
  return "unknown error";
}

}  // namespace qorvexctl
