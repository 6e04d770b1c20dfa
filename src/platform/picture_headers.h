#pragma once

// Readers of the few header fields that give a picture's size. Shared by the core and the
// plug-ins, so this library uses nothing but the standard library (and, for the one file it
// opens, picture_file.h).
//
// Every reader treats its bytes as hostile: fields are read through explicit little- and
// big-endian helpers at checked offsets, arithmetic is done in 64 bits before it can overflow,
// nothing is allocated by the size a header field claims, and every walk is bounded. A reader
// gives a size or a named failure, never a crash or a hang.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/picture_file.h"

namespace pictavue {

enum class ReadStatus {
  kOk,
  kEnd,    // the data ends before the requested bytes
  kError,  // the system could not read
};

// Where a reader takes its bytes from: a file read with seeks, or bytes in memory.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills out with the bytes that start at offset.
  virtual ReadStatus ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) = 0;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  explicit MemorySource(std::string_view bytes)
      : bytes_(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) {}
  ReadStatus ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;

 private:
  std::span<const std::uint8_t> bytes_;
};

// A picture in a file. Offsets count from base, the place where the picture starts.
//
// The readers ask for a few bytes at a time, several times at the same places, so reads are
// served from a window of the file held in memory. The first read takes the picture's first
// kFirstReadBytes, where the size fields of nearly every picture lie: measuring costs one read of
// the file instead of one per field. A reader that walks further (a JPEG's segments) moves the
// window to where it reads, a block at a time; a read longer than the window goes to the file.
class FileSource final : public ByteSource {
 public:
  // Opens path (as the C library takes it) for reading. Anything but a regular file is refused:
  // a pipe or a device named like a picture would block or never end.
  explicit FileSource(const std::string& path, std::uint64_t base = 0);

  bool is_open() const { return file_.is_open(); }
  ReadStatus ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;
  // Fills out with the bytes from offset, fewer where the picture ends; nothing when the system
  // could not read.
  std::optional<std::size_t> ReadSome(std::uint64_t offset, std::span<std::uint8_t> out);
  // Fills out with the file's last bytes; kEnd when the picture is shorter than out. The end is
  // where it was when the file was opened.
  ReadStatus ReadTail(std::span<std::uint8_t> out);

 private:
  static constexpr std::size_t kFirstReadBytes = 512;
  static constexpr std::size_t kWindowBytes = 4096;

  // The picture's length as the open found it.
  std::uint64_t Length() const;
  bool Covers(std::uint64_t offset, std::size_t length) const;
  bool MoveWindow(std::uint64_t offset, std::size_t length);
  std::optional<std::size_t> ReadFile(std::uint64_t offset, std::span<std::uint8_t> out);

  picture_file_detail::PictureFile file_;
  std::uint64_t base_ = 0;
  bool window_loaded_ = false;
  std::uint64_t window_start_ = 0;    // the offset of the window's first byte
  std::size_t window_length_ = 0;     // the bytes read into the window
  bool window_ends_picture_ = false;  // the read stopped where the picture ends
  // Left uninitialised: only the window_length_ bytes that were read are ever looked at, and
  // clearing a block per picture costs more than reading the picture's header.
  std::array<std::uint8_t, kWindowBytes> window_;
};

enum class PictureKind { kUnknown, kJpeg, kPng, kGif, kBmp, kWmf, kEmf };

// What the bytes are, by their signature alone (placeable WMF only).
PictureKind SniffPictureKind(ByteSource& source);

// Fixed-width fields. Nothing when the source cannot give all the bytes.
std::optional<std::uint16_t> ReadLE16(ByteSource& source, std::uint64_t offset);
std::optional<std::uint32_t> ReadLE32(ByteSource& source, std::uint64_t offset);
std::optional<std::uint16_t> ReadBE16(ByteSource& source, std::uint64_t offset);
std::optional<std::uint32_t> ReadBE32(ByteSource& source, std::uint64_t offset);

enum class HeaderError {
  kReadError,       // the source could not be read
  kTruncated,       // the data ends inside the header
  kWrongSignature,  // not a picture of this kind
  kBadField,        // a field holds a value the format does not allow
  kNoFrameHeader,   // a JPEG ends or starts its scan before its frame header
  kTooManyMarkers,  // a JPEG walk met more markers or filler than any real file holds
};

struct PictureHeader {
  std::int64_t width = 0;
  std::int64_t height = 0;
  int bits_per_pixel = 0;  // 0 when the format does not say (metafiles)
};

// A picture's size or the reason there is none.
class HeaderResult {
 public:
  HeaderResult(PictureHeader header) : header_(header) {}  // NOLINT: a size is a result
  HeaderResult(HeaderError error) : error_(error) {}       // NOLINT: so is a failure

  bool ok() const { return header_.has_value(); }
  const PictureHeader& header() const { return *header_; }
  HeaderError error() const { return error_; }

 private:
  std::optional<PictureHeader> header_;
  HeaderError error_ = HeaderError::kReadError;
};

// The logical-screen size of a GIF: 16-bit fields at 6 and 8, each read on its own, so a file
// cut between them still gives its width. The signature is not looked at: a file collected as a
// GIF is taken at its word, and one that is no GIF only gets a wrong thumbnail size.
struct GifScreenSize {
  std::optional<std::uint16_t> width;
  std::optional<std::uint16_t> height;
};
GifScreenSize ReadGifScreenSize(ByteSource& source);

// The two size fields of a BMP information header as they stand (signed 32-bit at 18 and 22),
// without looking at the signature or the header kind. The quick route takes them when they fit
// and leaves everything else to the full reader.
struct BmpSizeFields {
  std::int32_t width = 0;
  std::int32_t height = 0;
};
std::optional<BmpSizeFields> ReadBmpSizeFields(ByteSource& source);

// "BM", then the core header (12 bytes, unsigned 16-bit sizes) or an information header
// (40 bytes or more, signed 32-bit sizes; a negative height means rows stored top-down).
HeaderResult ReadBmpHeader(ByteSource& source);

// The PNG signature and the IHDR chunk.
HeaderResult ReadPngHeader(ByteSource& source);

// Walks the markers up to the frame header, skipping every segment with a seek but the first
// EXIF block, whose orientation turns the size the way a browser shows the picture.
HeaderResult ReadJpegHeader(ByteSource& source);

// Placeable WMF: the bounding box at its units per inch, in pixels at 96 DPI.
HeaderResult ReadWmfHeader(ByteSource& source);

// EMF: the frame (0.01 mm) in pixels at 96 DPI.
HeaderResult ReadEmfHeader(ByteSource& source);

// A placeable WMF or an EMF, whichever the bytes are.
HeaderResult ReadMetafileHeader(ByteSource& source);

// The EXIF orientation (1 to 8) of an APP1 body that starts with "Exif\0\0", or 0 when the body
// is no EXIF block or holds no valid orientation.
int ReadExifOrientation(std::span<const std::uint8_t> app1_body);

// The size as shown: orientations 5 to 8 turn the picture by a quarter, swapping its sides.
PictureHeader Oriented(PictureHeader header, int orientation);

// numerator / denominator to the nearest whole number, an exact half to the even neighbour, as
// the platform converts a measure to whole pixels. Both must be positive.
std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator);

}  // namespace pictavue
