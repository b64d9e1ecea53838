#include "qorvexctl/imaging/png/PngFailure.h"

namespace qorvexctl::png {

std::string_view FailureText(Failure reason) {
  switch (reason) {
    case Failure::None:
      return "";
    case Failure::LoadInProgress:
      return "A load is already under way on this object.";
    case Failure::FileUnreadable:
      return "The file cannot be opened.";
    case Failure::NotPng:
      return "Not a PNG file.";
    case Failure::TruncatedChunk:
      return "A chunk runs past the end of the file.";
    case Failure::BadImageDataCrc:
      return "Corrupted Image Data (bad CRC). Cannot continue.";
    case Failure::ImageDataAppendFailed:
      return "Failed to extract image data. Cannot continue.";
    case Failure::BadHeaderCrc:
      return "Corrupted Image Header (bad CRC). Cannot continue.";
    case Failure::CorruptHeader:
      return "Corrupted Image Header. Cannot continue.";
    case Failure::InvalidCompression:
      return "Invalid Compression Flag in Header. Cannot continue.";
    case Failure::InvalidFilterMethod:
      return "Invalid Filter Flag in Header. Cannot continue.";
    case Failure::InvalidBitDepth:
      return "Invalid Bit Depth Flag in Header. Cannot continue.";
    case Failure::InvalidColorType:
      return "Invalid Color Type Flag in Header. Cannot continue.";
    case Failure::InvalidInterlace:
      return "Invalid Interlacing Flag in Header. Cannot continue.";
    case Failure::TooLarge:
      return "Image is too large to process. Cannot continue.";
    case Failure::BadPaletteCrc:
      return "Invalid Palette (bad CRC). Cannot continue.";
    case Failure::InvalidPalette:
      return "Invalid Palette. Cannot continue.";
    case Failure::NoImageData:
      return "No image data found. Cannot continue.";
    case Failure::NoHeader:
      return "No image header found. Cannot continue.";
    case Failure::DataCannotFill:
      return "The image data is too short for the image size. Cannot continue.";
    case Failure::InflateFailed:
      return "The image data cannot be decompressed.";
    case Failure::BadRowFilter:
      return "A scanline has an unknown filter type.";
    case Failure::BitmapCreationFailed:
      return "The bitmap cannot be created.";
  }
  return "";
}

}  // namespace qorvexctl::png
