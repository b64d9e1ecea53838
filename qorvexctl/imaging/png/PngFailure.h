#pragma once
// Why a PNG load failed. The public result of a load is only True or False; the reason is
// kept for diagnostics (tests, the command line) and never shown to users.

#include <string_view>

namespace qorvexctl::png {

enum class Failure {
  None,
  LoadInProgress,  // LoadFile called again from one of the object's own events
  FileUnreadable,  // the file could not be opened or read
  NotPng,          // 56 bytes or fewer, or the signature is wrong
  TruncatedChunk,  // a chunk runs past the end of the file (or has a negative length)
  BadImageDataCrc,
  ImageDataAppendFailed,
  BadHeaderCrc,
  CorruptHeader,
  InvalidCompression,
  InvalidFilterMethod,
  InvalidBitDepth,
  InvalidColorType,
  InvalidInterlace,
  TooLarge,
  BadPaletteCrc,
  InvalidPalette,
  NoImageData,
  NoHeader,        // image data without an image header
  DataCannotFill,  // the header promises more bytes than the compressed data can give
  InflateFailed,   // the image data does not inflate to at most the expected size
  BadRowFilter,    // a scanline's filter byte is not 0..4
  BitmapCreationFailed,
};

// The diagnostic text of a reason ("Corrupted Image Header. Cannot continue." ...).
std::string_view FailureText(Failure reason);

}  // namespace qorvexctl::png
