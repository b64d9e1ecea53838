#include "qorvexctl/imaging/gif/GifTypes.h"

namespace qorvexctl::gif {

std::string_view FailureText(Failure error) {
  switch (error) {
    case Failure::None:
      return "no error";
    case Failure::BadSignature:
      return "not a GIF file";
    case Failure::NoColourTable:
      return "an image has no colour table";
    case Failure::NoFrames:
      return "no frames";
    case Failure::CanvasTooLarge:
      return "overall size too large";
    case Failure::StripTooLarge:
      return "frames too large";
    case Failure::ZeroSizeFrame:
      return "a frame has width or height 0";
    case Failure::BadCodeSize:
      return "LZW minimum code size out of range";
    case Failure::LzwDataShort:
      return "LZW data ends before the frame is complete";
    case Failure::LzwBadCode:
      return "LZW code not in the dictionary";
  }
  return "unknown error";
}

}  // namespace qorvexctl::gif
