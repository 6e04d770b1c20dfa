#include <optional>
#include <string>

#include <windows.h>
// After windows.h, which they need.
#include <ocidl.h>
#include <olectl.h>
#include <shlwapi.h>

#include "platform/picture_headers.h"
#include "platform/picture_loader.h"
#include "platform/win32/com_apartment.h"
#include "platform/win32/system_text.h"

namespace pictavue {
namespace {

constexpr std::int64_t kHimetricPerInch = 2540;

// Releases a COM interface when it goes out of scope.
template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ~ComPointer() {
    if (pointer_ != nullptr) {
      pointer_->Release();
    }
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;

  Interface* get() const { return pointer_; }
  Interface** put() { return &pointer_; }
  Interface* operator->() const { return pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

struct ScreenDpi {
  std::int64_t x = 96;
  std::int64_t y = 96;
};

ScreenDpi ScreenResolution() {
  ScreenDpi dpi;
  if (const HDC screen = GetDC(nullptr); screen != nullptr) {
    dpi.x = GetDeviceCaps(screen, LOGPIXELSX);
    dpi.y = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
  }
  return dpi;
}

// The kinds the system's loader is asked about, by their bytes; it could load more (GIF, icons),
// but the program only ever hands it these. A JPEG must show its frame header to the program's
// own bounded walk first: the system's loader reads a file to its end, and a JPEG without a
// frame header (say two markers around gigabytes of nothing) is one it could not load anyway.
bool IsLoaderKind(const std::string& ansi_path) {
  FileSource source(ansi_path);
  if (!source.is_open()) {
    return false;
  }
  switch (SniffPictureKind(source)) {
    case PictureKind::kJpeg:
      return ReadJpegHeader(source).ok();
    case PictureKind::kBmp:
    case PictureKind::kWmf:
    case PictureKind::kEmf:
      return true;
    default:
      return false;
  }
}

// The picture's size as the system reports it: in HIMETRIC (0.01 mm) units.
std::optional<PixelSize> LoadHimetricSize(const std::string& ansi_path) {
  ComPointer<IStream> stream;
  if (FAILED(SHCreateStreamOnFileA(ansi_path.c_str(), STGM_READ | STGM_SHARE_DENY_NONE,
                                   stream.put()))) {
    return std::nullopt;
  }
  ComPointer<IPicture> picture;
  if (FAILED(OleLoadPicture(stream.get(), 0, FALSE, IID_IPicture,
                            reinterpret_cast<void**>(picture.put())))) {
    return std::nullopt;
  }
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  if (FAILED(picture->get_Width(&width)) || FAILED(picture->get_Height(&height))) {
    return std::nullopt;
  }
  return PixelSize{width, height};
}

class Win32PictureLoader final : public PictureLoader {
 public:
  std::optional<PixelSize> LoadSize(const std::string& path, const CancelPoll& cancelled) override {
    const std::optional<std::string> ansi = win32::SystemPath(path);
    if (!ansi || !IsLoaderKind(*ansi) || (cancelled && cancelled())) {
      return std::nullopt;
    }
    const std::optional<PixelSize> himetric = LoadHimetricSize(*ansi);
    // An inverted metafile frame gives a negative size, an empty one none: neither is a picture.
    if (!himetric || himetric->width <= 0 || himetric->height <= 0) {
      return std::nullopt;
    }
    const ScreenDpi dpi = ScreenResolution();
    return PixelSize{RoundedQuotient(himetric->width * dpi.x, kHimetricPerInch),
                     RoundedQuotient(himetric->height * dpi.y, kHimetricPerInch)};
  }

 private:
  win32::ComApartment apartment_;
};

}  // namespace

std::unique_ptr<PictureLoader> MakePictureLoader() {
  return std::make_unique<Win32PictureLoader>();
}

}  // namespace pictavue
