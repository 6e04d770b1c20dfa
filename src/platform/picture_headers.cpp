#include "platform/picture_headers.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <variant>
#include <vector>

namespace pictavue {
namespace {

// Real files put a few dozen segments before the frame header (ICC profiles split into chunks
// are the most); a walk past these bounds is looking at junk.
constexpr int kMaxJpegSegments = 4096;
constexpr std::uint64_t kMaxJpegFillBytes = 65536;

constexpr std::uint32_t kWmfKey = 0x9AC6CDD7;        // D7 CD C6 9A
constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::int64_t kScreenDpi = 96;
constexpr std::int64_t kHundredthsMmPerInch = 2540;

std::uint16_t LoadLE16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t LoadLE32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t LoadBE16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
std::uint32_t LoadBE32(const std::uint8_t* p) {
  return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
         (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

HeaderError FailureOf(ReadStatus status) {
  return status == ReadStatus::kError ? HeaderError::kReadError : HeaderError::kTruncated;
}

// Reads N bytes at offset, or says why not.
template <std::size_t N>
std::variant<std::array<std::uint8_t, N>, HeaderError> ReadBytes(ByteSource& source,
                                                                 std::uint64_t offset) {
  std::array<std::uint8_t, N> bytes{};
  const ReadStatus status = source.ReadAt(offset, bytes);
  if (status != ReadStatus::kOk) {
    return FailureOf(status);
  }
  return bytes;
}

template <typename Value>
std::optional<Value> ReadField(ByteSource& source, std::uint64_t offset,
                               Value (*load)(const std::uint8_t*)) {
  std::array<std::uint8_t, sizeof(Value)> bytes{};
  if (source.ReadAt(offset, bytes) != ReadStatus::kOk) {
    return std::nullopt;
  }
  return load(bytes.data());
}

// A metafile extent in pixels at the screen's 96 DPI.
HeaderResult MetafilePixels(std::int64_t width, std::int64_t height, std::int64_t units_per_inch) {
  if (width <= 0 || height <= 0 || units_per_inch <= 0) {
    return HeaderError::kBadField;
  }
  return PictureHeader{RoundedQuotient(width * kScreenDpi, units_per_inch),
                       RoundedQuotient(height * kScreenDpi, units_per_inch), 0};
}

// --- JPEG -------------------------------------------------------------------------------------

bool IsFrameMarker(std::uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool HasNoLength(std::uint8_t marker) {
  return (marker >= 0xD0 && marker <= 0xD8) || marker == 0x01;
}

// Finds the next marker at or after *pos and leaves *pos after its marker byte. FF fill bytes
// are allowed before a marker; stray bytes are tolerated as decoders tolerate them, up to a
// bound.
std::variant<std::uint8_t, HeaderError> NextMarker(ByteSource& source, std::uint64_t* pos) {
  std::uint64_t skipped = 0;
  bool after_ff = false;
  for (;;) {
    const auto read = ReadBytes<1>(source, *pos);
    if (const auto* error = std::get_if<HeaderError>(&read)) {
      return *error;
    }
    const std::uint8_t byte = std::get<0>(read)[0];
    ++*pos;
    if (after_ff && byte != 0xFF && byte != 0x00) {
      return byte;
    }
    after_ff = byte == 0xFF;
    if (++skipped > kMaxJpegFillBytes) {
      return HeaderError::kTooManyMarkers;
    }
  }
}

constexpr int kNotExif = -1;

// The orientation of an APP1 segment's body (0 when it has none), read only when the body is an
// EXIF block; kNotExif for other APP1 blocks, such as XMP.
std::variant<int, HeaderError> ExifOrientationOfSegment(ByteSource& source, std::uint64_t body,
                                                        std::uint16_t body_length) {
  static constexpr std::array<std::uint8_t, 6> kExifId = {'E', 'x', 'i', 'f', 0, 0};
  if (body_length < kExifId.size()) {
    return kNotExif;
  }
  const auto id = ReadBytes<6>(source, body);
  if (const auto* error = std::get_if<HeaderError>(&id)) {
    return *error;
  }
  if (std::get<0>(id) != kExifId) {
    return kNotExif;
  }
  // The 16-bit segment length bounds this buffer at 64 KiB.
  std::vector<std::uint8_t> block(body_length);
  const ReadStatus status = source.ReadAt(body, block);
  if (status != ReadStatus::kOk) {
    return FailureOf(status);
  }
  return ReadExifOrientation(block);
}

HeaderResult FrameSize(ByteSource& source, std::uint64_t body, std::uint16_t body_length,
                       int orientation) {
  if (body_length < 6) {
    return HeaderError::kBadField;
  }
  const auto frame = ReadBytes<6>(source, body);
  if (const auto* error = std::get_if<HeaderError>(&frame)) {
    return *error;
  }
  const auto& bytes = std::get<0>(frame);
  const int precision = bytes[0];
  const std::uint16_t height = LoadBE16(&bytes[1]);
  const std::uint16_t width = LoadBE16(&bytes[3]);
  const int components = bytes[5];
  // A height of 0 would be given later by a DNL marker, which browsers do not support.
  if (width == 0 || height == 0 || components == 0 || precision == 0) {
    return HeaderError::kBadField;
  }
  return Oriented(PictureHeader{width, height, precision * components}, orientation);
}

// --- PNG ------------------------------------------------------------------------------------

// Bits per pixel of a valid bit depth and colour type; 0 for a combination PNG does not allow.
int PngBitsPerPixel(int bit_depth, int colour_type) {
  const auto depth_is = [bit_depth](std::initializer_list<int> allowed) {
    for (const int value : allowed) {
      if (bit_depth == value)
        return true;
    }
    return false;
  };
  switch (colour_type) {
    case 0:  // grey
      return depth_is({1, 2, 4, 8, 16}) ? bit_depth : 0;
    case 2:  // RGB
      return depth_is({8, 16}) ? bit_depth * 3 : 0;
    case 3:  // palette
      return depth_is({1, 2, 4, 8}) ? bit_depth : 0;
    case 4:  // grey and alpha
      return depth_is({8, 16}) ? bit_depth * 2 : 0;
    case 6:  // RGBA
      return depth_is({8, 16}) ? bit_depth * 4 : 0;
    default:
      return 0;
  }
}

}  // namespace

// --- sources -----------------------------------------------------------------------------------

ReadStatus MemorySource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (offset > bytes_.size() || bytes_.size() - offset < out.size()) {
    return ReadStatus::kEnd;
  }
  if (!out.empty()) {  // an empty span may hold no pointer, which memcpy must never be given
    std::memcpy(out.data(), bytes_.data() + offset, out.size());
  }
  return ReadStatus::kOk;
}

FileSource::FileSource(const std::string& path, std::uint64_t base) : file_(path), base_(base) {}

std::optional<std::size_t> FileSource::ReadFile(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (offset > UINT64_MAX - base_) {
    return 0;  // no file reaches that far
  }
  return file_.ReadAt(base_ + offset, out);
}

std::uint64_t FileSource::Length() const {
  return file_.size() > base_ ? file_.size() - base_ : 0;
}

bool FileSource::Covers(std::uint64_t offset, std::size_t length) const {
  if (!window_loaded_ || offset < window_start_) {
    return false;
  }
  // Past the end of a window that holds the picture's end there is nothing to read.
  const std::uint64_t into = offset - window_start_;
  return window_ends_picture_ || (into <= window_length_ && window_length_ - into >= length);
}

bool FileSource::MoveWindow(std::uint64_t offset, std::size_t length) {
  const std::optional<std::size_t> got = ReadFile(offset, std::span(window_.data(), length));
  if (!got) {
    return false;
  }
  window_loaded_ = true;
  window_start_ = offset;
  window_length_ = *got;
  window_ends_picture_ = *got < length;
  return true;
}

std::optional<std::size_t> FileSource::ReadSome(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (!is_open()) {
    return std::nullopt;
  }
  if (out.size() > kWindowBytes) {
    return ReadFile(offset, out);
  }
  if (!Covers(offset, out.size())) {
    // The first read starts at the picture's start, wherever the first field lies.
    const bool first =
        !window_loaded_ && offset <= kFirstReadBytes && kFirstReadBytes - offset >= out.size();
    if (!(first ? MoveWindow(0, kFirstReadBytes) : MoveWindow(offset, kWindowBytes))) {
      return std::nullopt;
    }
  }
  const std::uint64_t into = offset - window_start_;
  const auto start = static_cast<std::size_t>(std::min<std::uint64_t>(into, window_length_));
  const std::size_t count = std::min(out.size(), window_length_ - start);
  if (count > 0) {  // an empty span may hold no pointer, which memcpy must never be given
    std::memcpy(out.data(), window_.data() + start, count);
  }
  return count;
}

ReadStatus FileSource::ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) {
  if (out.empty() && is_open()) {  // no byte to tell the end by: the length from the open does
    return offset <= Length() ? ReadStatus::kOk : ReadStatus::kEnd;
  }
  const std::optional<std::size_t> got = ReadSome(offset, out);
  if (!got) {
    return ReadStatus::kError;
  }
  return *got == out.size() ? ReadStatus::kOk : ReadStatus::kEnd;
}

ReadStatus FileSource::ReadTail(std::span<std::uint8_t> out) {
  if (!is_open()) {
    return ReadStatus::kError;
  }
  const std::uint64_t length = Length();
  if (length < out.size()) {
    return ReadStatus::kEnd;
  }
  return ReadAt(length - out.size(), out);
}

PictureKind SniffPictureKind(ByteSource& source) {
  const std::optional<std::uint32_t> first = ReadBE32(source, 0);
  if (!first) {
    const std::optional<std::uint16_t> two = ReadBE16(source, 0);
    return two == 0xFFD8 ? PictureKind::kJpeg : PictureKind::kUnknown;
  }
  if ((*first >> 16) == 0xFFD8) {
    return PictureKind::kJpeg;
  }
  if ((*first >> 16) == 0x424D) {  // "BM"
    return PictureKind::kBmp;
  }
  if (*first == 0x47494638) {  // "GIF8"
    return PictureKind::kGif;
  }
  if (*first == 0x89504E47 && ReadBE32(source, 4) == 0x0D0A1A0A) {
    return PictureKind::kPng;
  }
  if (ReadLE32(source, 0) == kWmfKey) {
    return PictureKind::kWmf;
  }
  if (ReadLE32(source, 0) == 1 && ReadLE32(source, 40) == kEmfSignature) {
    return PictureKind::kEmf;
  }
  return PictureKind::kUnknown;
}

std::optional<std::uint16_t> ReadLE16(ByteSource& source, std::uint64_t offset) {
  return ReadField<std::uint16_t>(source, offset, LoadLE16);
}
std::optional<std::uint32_t> ReadLE32(ByteSource& source, std::uint64_t offset) {
  return ReadField<std::uint32_t>(source, offset, LoadLE32);
}
std::optional<std::uint16_t> ReadBE16(ByteSource& source, std::uint64_t offset) {
  return ReadField<std::uint16_t>(source, offset, LoadBE16);
}
std::optional<std::uint32_t> ReadBE32(ByteSource& source, std::uint64_t offset) {
  return ReadField<std::uint32_t>(source, offset, LoadBE32);
}

// --- readers -----------------------------------------------------------------------------------

GifScreenSize ReadGifScreenSize(ByteSource& source) {
  return GifScreenSize{ReadLE16(source, 6), ReadLE16(source, 8)};
}

std::optional<BmpSizeFields> ReadBmpSizeFields(ByteSource& source) {
  const auto bytes = ReadBytes<8>(source, 18);
  if (std::holds_alternative<HeaderError>(bytes)) {
    return std::nullopt;
  }
  const auto& fields = std::get<0>(bytes);
  return BmpSizeFields{static_cast<std::int32_t>(LoadLE32(&fields[0])),
                       static_cast<std::int32_t>(LoadLE32(&fields[4]))};
}

HeaderResult ReadBmpHeader(ByteSource& source) {
  const auto start = ReadBytes<18>(source, 0);
  if (const auto* error = std::get_if<HeaderError>(&start)) {
    return *error;
  }
  const auto& file_header = std::get<0>(start);
  if (file_header[0] != 'B' || file_header[1] != 'M') {
    return HeaderError::kWrongSignature;
  }
  const std::uint32_t header_size = LoadLE32(&file_header[14]);
  if (header_size == 12) {
    const auto core = ReadBytes<8>(source, 18);
    if (const auto* error = std::get_if<HeaderError>(&core)) {
      return *error;
    }
    const auto& fields = std::get<0>(core);
    const std::uint16_t width = LoadLE16(&fields[0]);
    const std::uint16_t height = LoadLE16(&fields[2]);
    if (width == 0 || height == 0) {
      return HeaderError::kBadField;
    }
    return PictureHeader{width, height, LoadLE16(&fields[6])};
  }
  if (header_size < 40) {
    return HeaderError::kBadField;
  }
  const auto info = ReadBytes<12>(source, 18);
  if (const auto* error = std::get_if<HeaderError>(&info)) {
    return *error;
  }
  const auto& fields = std::get<0>(info);
  const std::int64_t width = static_cast<std::int32_t>(LoadLE32(&fields[0]));
  const std::int64_t height = static_cast<std::int32_t>(LoadLE32(&fields[4]));
  if (width <= 0 || height == 0) {
    return HeaderError::kBadField;
  }
  // A negative height only says that the rows are stored top-down.
  return PictureHeader{width, height < 0 ? -height : height, LoadLE16(&fields[10])};
}

HeaderResult ReadPngHeader(ByteSource& source) {
  static constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P',  'N',  'G',
                                                             0x0D, 0x0A, 0x1A, 0x0A};
  const auto start = ReadBytes<26>(source, 0);
  if (const auto* error = std::get_if<HeaderError>(&start)) {
    const auto signature = ReadBytes<8>(source, 0);
    if (const auto* short_error = std::get_if<HeaderError>(&signature)) {
      return *short_error;
    }
    return std::get<0>(signature) == kSignature ? *error : HeaderError::kWrongSignature;
  }
  const auto& bytes = std::get<0>(start);
  if (!std::equal(kSignature.begin(), kSignature.end(), bytes.begin())) {
    return HeaderError::kWrongSignature;
  }
  if (LoadBE32(&bytes[8]) != 13 || std::memcmp(&bytes[12], "IHDR", 4) != 0) {
    return HeaderError::kBadField;
  }
  const std::uint32_t width = LoadBE32(&bytes[16]);
  const std::uint32_t height = LoadBE32(&bytes[20]);
  const int bits = PngBitsPerPixel(bytes[24], bytes[25]);
  constexpr std::uint32_t kMaxSide = 0x7FFFFFFF;
  if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide || bits == 0) {
    return HeaderError::kBadField;
  }
  return PictureHeader{width, height, bits};
}

HeaderResult ReadJpegHeader(ByteSource& source) {
  const auto soi = ReadBytes<2>(source, 0);
  if (const auto* error = std::get_if<HeaderError>(&soi)) {
    return *error;
  }
  if (std::get<0>(soi)[0] != 0xFF || std::get<0>(soi)[1] != 0xD8) {
    return HeaderError::kWrongSignature;
  }
  std::uint64_t pos = 2;
  int orientation = 0;
  bool exif_seen = false;
  for (int segment = 0; segment < kMaxJpegSegments; ++segment) {
    const auto next = NextMarker(source, &pos);
    if (const auto* error = std::get_if<HeaderError>(&next)) {
      return *error;
    }
    const std::uint8_t marker = std::get<std::uint8_t>(next);
    if (marker == 0xD9 || marker == 0xDA) {  // end of picture, or the scan starts
      return HeaderError::kNoFrameHeader;
    }
    if (HasNoLength(marker)) {
      continue;
    }
    const std::optional<std::uint16_t> length = ReadBE16(source, pos);
    if (!length) {
      return HeaderError::kTruncated;
    }
    if (*length < 2) {  // the length counts itself, so anything less would never move on
      return HeaderError::kBadField;
    }
    const std::uint64_t body = pos + 2;
    const auto body_length = static_cast<std::uint16_t>(*length - 2);
    if (IsFrameMarker(marker)) {
      return FrameSize(source, body, body_length, orientation);
    }
    if (marker == 0xE1 && !exif_seen) {
      const auto found = ExifOrientationOfSegment(source, body, body_length);
      if (const auto* error = std::get_if<HeaderError>(&found)) {
        return *error;
      }
      if (std::get<int>(found) != kNotExif) {
        orientation = std::get<int>(found);
        exif_seen = true;
      }
    }
    pos = body + body_length;
  }
  return HeaderError::kTooManyMarkers;
}

HeaderResult ReadWmfHeader(ByteSource& source) {
  const auto header = ReadBytes<22>(source, 0);
  if (const auto* error = std::get_if<HeaderError>(&header)) {
    const std::optional<std::uint32_t> key = ReadLE32(source, 0);
    return key && *key != kWmfKey ? HeaderError::kWrongSignature : *error;
  }
  const auto& bytes = std::get<0>(header);
  if (LoadLE32(&bytes[0]) != kWmfKey) {
    return HeaderError::kWrongSignature;
  }
  const auto field = [&bytes](std::size_t at) {
    return static_cast<std::int64_t>(static_cast<std::int16_t>(LoadLE16(&bytes[at])));
  };
  // The checksum (at 20) is not checked: it guards nothing the size depends on.
  return MetafilePixels(field(10) - field(6), field(12) - field(8), LoadLE16(&bytes[14]));
}

HeaderResult ReadEmfHeader(ByteSource& source) {
  const auto header = ReadBytes<44>(source, 0);
  if (const auto* error = std::get_if<HeaderError>(&header)) {
    const std::optional<std::uint32_t> type = ReadLE32(source, 0);
    return type && *type != 1 ? HeaderError::kWrongSignature : *error;
  }
  const auto& bytes = std::get<0>(header);
  if (LoadLE32(&bytes[0]) != 1 || LoadLE32(&bytes[40]) != kEmfSignature) {
    return HeaderError::kWrongSignature;
  }
  const auto field = [&bytes](std::size_t at) {
    return static_cast<std::int64_t>(static_cast<std::int32_t>(LoadLE32(&bytes[at])));
  };
  // The frame is inclusive-exclusive as the platform measured it: no + 1.
  return MetafilePixels(field(32) - field(24), field(36) - field(28), kHundredthsMmPerInch);
}

HeaderResult ReadMetafileHeader(ByteSource& source) {
  const HeaderResult wmf = ReadWmfHeader(source);
  if (wmf.ok() || wmf.error() != HeaderError::kWrongSignature) {
    return wmf;
  }
  return ReadEmfHeader(source);
}

int ReadExifOrientation(std::span<const std::uint8_t> app1_body) {
  static constexpr std::array<std::uint8_t, 6> kExifId = {'E', 'x', 'i', 'f', 0, 0};
  if (app1_body.size() < kExifId.size() ||
      !std::equal(kExifId.begin(), kExifId.end(), app1_body.begin())) {
    return 0;
  }
  const std::span<const std::uint8_t> tiff = app1_body.subspan(kExifId.size());
  if (tiff.size() < 8) {
    return 0;
  }
  bool little_endian = false;
  if (tiff[0] == 'I' && tiff[1] == 'I') {
    little_endian = true;
  } else if (tiff[0] != 'M' || tiff[1] != 'M') {
    return 0;
  }
  // Offsets come from the block itself, so each is checked against its size before use.
  const auto u16 = [&](std::uint64_t at) -> std::optional<std::uint16_t> {
    if (at > tiff.size() || tiff.size() - at < 2)
      return std::nullopt;
    return little_endian ? LoadLE16(&tiff[at]) : LoadBE16(&tiff[at]);
  };
  const auto u32 = [&](std::uint64_t at) -> std::optional<std::uint32_t> {
    if (at > tiff.size() || tiff.size() - at < 4)
      return std::nullopt;
    return little_endian ? LoadLE32(&tiff[at]) : LoadBE32(&tiff[at]);
  };
  constexpr std::uint16_t kTiffMagic = 42;
  constexpr std::uint16_t kOrientationTag = 0x0112;
  constexpr std::uint16_t kShortType = 3;
  if (u16(2) != kTiffMagic) {
    return 0;
  }
  const std::optional<std::uint32_t> ifd0 = u32(4);
  if (!ifd0) {
    return 0;
  }
  const std::optional<std::uint16_t> entries = u16(*ifd0);
  if (!entries) {
    return 0;
  }
  for (std::uint64_t i = 0; i < *entries; ++i) {
    const std::uint64_t entry = *ifd0 + 2 + 12 * i;
    const std::optional<std::uint16_t> tag = u16(entry);
    if (!tag) {
      return 0;
    }
    if (*tag != kOrientationTag) {
      continue;
    }
    const std::optional<std::uint16_t> value = u16(entry + 8);
    if (u16(entry + 2) != kShortType || !value || *value < 1 || *value > 8) {
      return 0;
    }
    return *value;
  }
  return 0;
}

PictureHeader Oriented(PictureHeader header, int orientation) {
  if (orientation >= 5 && orientation <= 8) {
    std::swap(header.width, header.height);
  }
  return header;
}

std::int64_t RoundedQuotient(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  const std::int64_t twice_remainder = 2 * (numerator % denominator);
  if (twice_remainder > denominator || (twice_remainder == denominator && quotient % 2 != 0)) {
    ++quotient;
  }
  return quotient;
}

}  // namespace pictavue
