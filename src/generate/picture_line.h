#pragma once

#include <cstdint>
#include <string>

#include "collect/image_list.h"
#include "platform/path_style.h"
#include "settings/gallery_options.h"

namespace pictavue {

// Which side the thumbnail size limits.
enum class SizeRule { kWidth, kHeight, kLonger };

SizeRule SizeRuleOf(const GalleryOptions& options);

struct ThumbSize {
  int ThumbWidth = 0;
  int ThumbHeight = 0;
};

// The shown size of a width x height picture whose limited side may be at most limit pixels.
// The other side is scaled to the nearest whole number, an exact half to the even neighbour
// (limit 100: 200 x 75 gives 100 x 38, 200 x 73 gives 100 x 36). Pictures are never enlarged.
// The longer-side rule limits the height of a square picture.
ThumbSize ThumbnailSize(int width, int height, int limit, SizeRule rule);

// The byte size in kilobytes of 1000 bytes, written "#,##0.0": digit groups of three, one
// decimal, an exact half away from zero (1250 gives "1.3", 1234567 gives "1,234.6").
std::string KilobyteText(std::int64_t byte_size);

// How the picture's link opens it.
enum class LinkForm {
  kSameWindow,      // a plain link
  kSubWindow,       // one script-opened window "SubWin"
  kSizedSubWindow,  // NewWindow(), sized to the picture
};

// What every picture line of a run is written with, worked out once from the options.
struct PictureLineFormat {
  PathStyle Style = PathStyle::kWindows;
  int Limit = 100;  // the thumbnail size S
  SizeRule Rule = SizeRule::kWidth;
  LinkForm Link = LinkForm::kSameWindow;
  bool OnlyOne = false;             // sized sub-windows: one window for every picture
  bool NotThumbnail = false;        // the file name instead of a thumbnail
  bool AltNewLine = false;          // line breaks between the parts of the alt text
  bool PagesInSearchFolder = true;  // relative addresses and alt texts
  std::string SearchDir;
};

PictureLineFormat PictureLineFormatOf(const GalleryOptions& options, PathStyle style);

// Appends the line (ended by CR LF) that shows entry on its page; page_serial is its 1-based
// position on the page, which numbers the sized sub-windows when OnlyOne is off.
void WritePictureLine(const ImageEntry& entry, int page_serial, const PictureLineFormat& format,
                      std::string& out);

// Appends the lines of the script function NewWindow(url, winname, pw, ph) that the sized
// sub-window links call.
void WriteNewWindowScript(bool only_one, std::string& out);

}  // namespace pictavue
