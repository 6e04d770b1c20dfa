#pragma once

// Readers of the few header fields that give a picture's size. Shared by the core and the
// plug-ins, so this library uses nothing but the standard library (and regular_file.h).
//
// Every reader treats its bytes as hostile: fields are read through explicit little- and
// big-endian helpers at checked offsets, arithmetic is done in 64 bits before it can overflow,
// nothing is allocated by the size a header field claims, and every walk is bounded. A reader
// gives a size or a named failure, never a crash or a hang.

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

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

// A file read with seeks. Offsets count from base, the place where the picture starts.
//
// The readers ask for a few bytes at a time, several times at the same places; the first block
// from base is read once and every read inside it is served from memory, so that measuring a
// picture costs one read of the file instead of a seek and a read per field.
class FileSource final : public ByteSource {
 public:
  // Opens path (as the C library takes it) for reading. Anything but a regular file is refused
  // before it is opened: a pipe or a device named like a picture would block or never end.
  explicit FileSource(const std::string& path, std::uint64_t base = 0);
  // Reads a file that the caller opened and will close.
  explicit FileSource(std::FILE* borrowed);
  ~FileSource();
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool is_open() const { return file_ != nullptr; }
  std::FILE* file() const { return file_; }
  ReadStatus ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override;
  // Fills out with the file's last bytes; kEnd when the picture is shorter than out.
  ReadStatus ReadTail(std::span<std::uint8_t> out);

 private:
  static constexpr std::size_t kHeadBytes = 4096;
  ReadStatus LoadHead();

  std::FILE* file_ = nullptr;
  bool owned_ = false;
  std::uint64_t base_ = 0;
  bool head_loaded_ = false;
  std::size_t head_length_ = 0;  // less than kHeadBytes when the file ends inside the head
  std::array<std::uint8_t, kHeadBytes> head_{};
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

std::string_view HeaderErrorText(HeaderError error);

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
