#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <optional>
#include <span>

#include "platform/picture_headers.h"
#include "platform/picture_loader.h"

// jpeglib.h needs FILE declared first.
#include <jpeglib.h>

namespace pictavue {
namespace {

constexpr std::size_t kExifIdLength = 6;
constexpr std::size_t kMaxSegmentBody = 65533;  // a 16-bit length that counts itself

// What one JPEG header read shares with libjpeg's callbacks, which reach it through
// client_data. libjpeg reports a fatal error by calling error_exit, which must not return: it
// jumps back to the read with longjmp, so nothing with a destructor may live between the two.
struct JpegRead {
  jpeg_error_mgr errors{};
  std::jmp_buf jump{};
  std::array<std::uint8_t, kMaxSegmentBody>* exif = nullptr;
  std::size_t exif_length = 0;
  bool exif_seen = false;
};

JpegRead& ReadOf(j_common_ptr info) {
  return *static_cast<JpegRead*>(info->client_data);
}

[[noreturn]] void OnJpegError(j_common_ptr info) {
  std::longjmp(ReadOf(info).jump, 1);
}
void IgnoreJpegMessage(j_common_ptr /*info*/) {}

int NextJpegByte(j_decompress_ptr info) {
  jpeg_source_mgr& source = *info->src;
  if (source.bytes_in_buffer == 0 && !source.fill_input_buffer(info)) {
    return -1;
  }
  --source.bytes_in_buffer;
  return *source.next_input_byte++;
}

void CopyJpegBytes(j_decompress_ptr info, std::uint8_t* out, std::size_t count) {
  jpeg_source_mgr& source = *info->src;
  while (count > 0) {
    // The file source never suspends: at the end of the file it supplies an end marker.
    if (source.bytes_in_buffer == 0 && !source.fill_input_buffer(info)) {
      return;
    }
    const std::size_t chunk = std::min(count, source.bytes_in_buffer);
    std::memcpy(out, source.next_input_byte, chunk);
    source.next_input_byte += chunk;
    source.bytes_in_buffer -= chunk;
    out += chunk;
    count -= chunk;
  }
}

// Keeps the first EXIF block of the APP1 segments in the loader's buffer and skips the rest,
// instead of letting libjpeg save every APP1 segment in memory.
boolean ReadApp1(j_decompress_ptr info) {
  JpegRead& read = ReadOf(reinterpret_cast<j_common_ptr>(info));
  const int high = NextJpegByte(info);
  const int low = NextJpegByte(info);
  if (high < 0 || low < 0) {
    return FALSE;
  }
  const long length = ((high << 8) | low) - 2;
  if (length <= 0) {
    return TRUE;
  }
  const auto body_length = static_cast<std::size_t>(length);
  if (read.exif_seen || body_length < kExifIdLength) {
    info->src->skip_input_data(info, length);
    return TRUE;
  }
  std::uint8_t* body = read.exif->data();
  CopyJpegBytes(info, body, kExifIdLength);
  if (std::memcmp(body, "Exif\0\0", kExifIdLength) != 0) {
    info->src->skip_input_data(info, static_cast<long>(body_length - kExifIdLength));
    return TRUE;
  }
  CopyJpegBytes(info, body + kExifIdLength, body_length - kExifIdLength);
  read.exif_seen = true;
  read.exif_length = body_length;
  return TRUE;
}

// libjpeg's input from the picture's FileSource, a block at a time through its window; a skipped
// segment is passed over without reading it.
// Trivially destructible, as everything is that a longjmp may leave behind.
struct JpegInput {
  jpeg_source_mgr manager{};
  FileSource* source = nullptr;
  const CancelPoll* cancelled = nullptr;
  std::uint64_t next_offset = 0;
  std::uint64_t bytes_read = 0;  // what the fills took, against kMaxLoaderReadBytes
  std::array<std::uint8_t, 4096> buffer{};
};

// The cancel poll is asked once per this many bytes read.
constexpr std::uint64_t kBytesPerCancelPoll = 256 * 1024;

JpegInput& InputOf(j_decompress_ptr info) {
  // manager is the first member, so the pointer libjpeg holds is the input's own.
  return *reinterpret_cast<JpegInput*>(info->src);
}

void StartJpegInput(j_decompress_ptr /*info*/) {}
void EndJpegInput(j_decompress_ptr /*info*/) {}

bool StopsReading(const JpegInput& input) {
  if (input.bytes_read >= kMaxLoaderReadBytes) {
    return true;
  }
  return input.bytes_read % kBytesPerCancelPoll == 0 && input.bytes_read != 0 && *input.cancelled &&
         (*input.cancelled)();
}

boolean FillJpegInput(j_decompress_ptr info) {
  JpegInput& input = InputOf(info);
  // A stop reads as the end of the data; libjpeg then fails the header read.
  const std::optional<std::size_t> got =
      StopsReading(input) ? std::optional<std::size_t>(0)
                          : input.source->ReadSome(input.next_offset, input.buffer);
  if (got) {
    input.bytes_read += input.buffer.size();
  }
  if (!got || *got == 0) {
    // As libjpeg's own file source does: an end marker where the data ends, so that a cut file
    // ends the header read with an error instead of a wait for more.
    input.buffer[0] = 0xFF;
    input.buffer[1] = JPEG_EOI;
    input.manager.bytes_in_buffer = 2;
  } else {
    input.next_offset += *got;
    input.manager.bytes_in_buffer = *got;
  }
  input.manager.next_input_byte = input.buffer.data();
  return TRUE;
}

void SkipJpegInput(j_decompress_ptr info, long count) {
  if (count <= 0) {
    return;
  }
  JpegInput& input = InputOf(info);
  const auto skip = static_cast<std::size_t>(count);
  if (skip <= input.manager.bytes_in_buffer) {
    input.manager.next_input_byte += skip;
    input.manager.bytes_in_buffer -= skip;
    return;
  }
  input.next_offset += skip - input.manager.bytes_in_buffer;
  input.manager.bytes_in_buffer = 0;
}

void UseJpegInput(j_decompress_ptr info, JpegInput& input, FileSource& source,
                  const CancelPoll& cancelled) {
  input.source = &source;
  input.cancelled = &cancelled;
  input.next_offset = 0;
  input.bytes_read = 0;
  input.manager.next_input_byte = nullptr;
  input.manager.bytes_in_buffer = 0;
  input.manager.init_source = StartJpegInput;
  input.manager.fill_input_buffer = FillJpegInput;
  input.manager.skip_input_data = SkipJpegInput;
  input.manager.resync_to_restart = jpeg_resync_to_restart;
  input.manager.term_source = EndJpegInput;
  info->src = &input.manager;
}

struct JpegFrame {
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// libjpeg's header read: markers up to the start of the scan, no decoding. False on any error.
bool ReadJpegFrame(JpegInput& input, FileSource& source, const CancelPoll& cancelled,
                   JpegRead& read, JpegFrame& frame) {
  jpeg_decompress_struct info{};
  info.err = jpeg_std_error(&read.errors);
  read.errors.error_exit = OnJpegError;
  read.errors.output_message = IgnoreJpegMessage;
  info.client_data = &read;
  if (setjmp(read.jump) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  UseJpegInput(&info, input, source, cancelled);
  jpeg_set_marker_processor(&info, JPEG_APP0 + 1, ReadApp1);
  const bool ok = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
  frame.width = info.image_width;
  frame.height = info.image_height;
  jpeg_destroy_decompress(&info);
  return ok && frame.width > 0 && frame.height > 0;
}

class PosixPictureLoader final : public PictureLoader {
 public:
  std::optional<PixelSize> LoadSize(const std::string& path, const CancelPoll& cancelled) override {
    FileSource source(path);
    if (!source.is_open()) {
      return std::nullopt;
    }
    switch (SniffPictureKind(source)) {
      case PictureKind::kJpeg:
        return LoadJpeg(source, cancelled);
      case PictureKind::kBmp:
        return SizeOf(ReadBmpHeader(source));
      case PictureKind::kWmf:
      case PictureKind::kEmf:
        return SizeOf(ReadMetafileHeader(source));
      default:
        return std::nullopt;
    }
  }

 private:
  static std::optional<PixelSize> SizeOf(const HeaderResult& result) {
    if (!result.ok()) {
      return std::nullopt;
    }
    return PixelSize{result.header().width, result.header().height};
  }

  std::optional<PixelSize> LoadJpeg(FileSource& source, const CancelPoll& cancelled) {
    JpegRead read;
    read.exif = &exif_;
    JpegFrame frame;
    if (!ReadJpegFrame(input_, source, cancelled, read, frame)) {
      return std::nullopt;
    }
    const int orientation =
        read.exif_seen ? ReadExifOrientation(std::span(exif_.data(), read.exif_length)) : 0;
    const PictureHeader shown = Oriented(PictureHeader{frame.width, frame.height, 0}, orientation);
    return PixelSize{shown.width, shown.height};
  }

  std::array<std::uint8_t, kMaxSegmentBody> exif_{};
  JpegInput input_;
};

}  // namespace

std::unique_ptr<PictureLoader> MakePictureLoader() {
  return std::make_unique<PosixPictureLoader>();
}

}  // namespace pictavue
