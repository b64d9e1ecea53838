#include "qorvexctl/imaging/png/PngFailure.h"

namespace qorvexctl::png {

std::string_view FailureText(PngFailure reason) {
  switch (reason) {
    case PngFailure::None:
      return "";
    case PngFailure::LoadInProgress:
      return "A load is already under way on this object.";
    case PngFailure::FileUnreadable:
      return "The file cannot be opened.";
    case PngFailure::NotPng:
      return "Not a PNG file.";
    case PngFailure::TruncatedChunk:
      return "A chunk runs past the end of the file.";
    case PngFailure::BadImageDataCrc:
      return "Corrupted Image Data (bad CRC). Cannot continue.";
    case PngFailure::ImageDataAppendFailed:
      return "Failed to extract image data. Cannot continue.";
    case PngFailure::BadHeaderCrc:
      return "Corrupted Image Header (bad CRC). Cannot continue.";
    case PngFailure::CorruptHeader:
      return "Corrupted Image Header. Cannot continue.";
    case PngFailure::InvalidCompression:
      return "Invalid Compression Flag in Header. Cannot continue.";
    case PngFailure::InvalidFilterMethod:
      return "Invalid Filter Flag in Header. Cannot continue.";
    case PngFailure::InvalidBitDepth:
      return "Invalid Bit Depth Flag in Header. Cannot continue.";
    case PngFailure::InvalidColorType:
      return "Invalid Color Type Flag in Header. Cannot continue.";
    case PngFailure::InvalidInterlace:
      return "Invalid Interlacing Flag in Header. Cannot continue.";
    case PngFailure::TooLarge:
      return "Image is too large to process. Cannot continue.";
    case PngFailure::BadPaletteCrc:
      return "Invalid Palette (bad CRC). Cannot continue.";
    case PngFailure::InvalidPalette:
      return "Invalid Palette. Cannot continue.";
    case PngFailure::NoImageData:
      return "No image data found. Cannot continue.";
    case PngFailure::NoHeader:
      return "No image header found. Cannot continue.";
    case PngFailure::DataCannotFill:
      return "The image data is too short for the image size. Cannot continue.";
    case PngFailure::InflateFailed:
      return "The image data cannot be decompressed.";
    case PngFailure::BadRowFilter:
      return "A scanline has an unknown filter type.";
    case PngFailure::BitmapCreationFailed:
      return "The bitmap cannot be created.";
  }
  return "";
}

}  // namespace qorvexctl::png
