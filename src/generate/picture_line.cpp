#include "generate/picture_line.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "generate/addresses.h"
#include "generate/html_text.h"
#include "generate/page_layout.h"

namespace pictavue {
namespace {

// The quotient first, then the product, in double: the order decides which products are exact
// halves.
int ScaledSide(int limit, int limited_side, int other_side) {
  const double scaled = static_cast<double>(limit) / limited_side * other_side;
  return static_cast<int>(std::nearbyint(scaled));
}

ThumbSize LimitWidth(int width, int height, int limit) {
  if (width > limit) {
    return {limit, ScaledSide(limit, width, height)};
  }
  return {width, height};
}

ThumbSize LimitHeight(int width, int height, int limit) {
  if (height > limit) {
    return {ScaledSide(limit, height, width), limit};
  }
  return {width, height};
}

void AppendLines(std::string& out, std::initializer_list<std::string_view> lines) {
  for (const std::string_view line : lines) {
    AppendLine(out, line);
  }
}

void AppendHref(const ImageEntry& entry, int page_serial, const PictureLineFormat& format,
                std::string_view target, std::string& out) {
  const AddressKind kind = PictureAddressKind(format.PagesInSearchFolder);
  switch (format.Link) {
    case LinkForm::kSameWindow:
      AppendAddress(out, target, kind, format.Style);
      return;
    case LinkForm::kSubWindow:
      out += "JavaScript:subwin = window.open('";
      AppendScriptAddress(out, target, kind, format.Style);
      out += "', 'SubWin'); subwin.focus();";
      return;
    case LinkForm::kSizedSubWindow:
      out += "JavaScript:NewWindow('";
      AppendScriptAddress(out, target, kind, format.Style);
      out += "', 'SubWin";
      if (!format.OnlyOne) {
        AppendDecimal(out, page_serial);
      }
      out += "', ";
      AppendDecimal(out, entry.Width);
      out += ", ";
      AppendDecimal(out, entry.Height);
      out += ");";
      return;
  }
}

void AppendThumbnail(const ImageEntry& entry, const PictureLineFormat& format,
                     std::string_view path, std::string_view target, std::string& out) {
  const ThumbSize thumb = ThumbnailSize(entry.Width, entry.Height, format.Limit, format.Rule);
  const std::string_view separator = format.AltNewLine ? "&#13;&#10;" : " ";
  out += "<img src=\"";
  AppendAddress(out, target, PictureAddressKind(format.PagesInSearchFolder), format.Style);
  out += "\" width=";
  AppendDecimal(out, thumb.ThumbWidth);
  out += " height=";
  AppendDecimal(out, thumb.ThumbHeight);
  out += " alt=\"";
  // Pages in the search folder name the picture by its relative address, others by its path.
  AppendNameAttribute(out, format.PagesInSearchFolder ? target : path);
  out += separator;
  out += KilobyteText(entry.ByteSize);
  out += "kb";
  out += separator;
  AppendDecimal(out, entry.Width);
  out += 'x';
  AppendDecimal(out, entry.Height);
  out += "pixel\" border=0>";
}

}  // namespace

SizeRule SizeRuleOf(const GalleryOptions& options) {
  if (options.Width) {
    return SizeRule::kWidth;
  }
  if (options.Height) {
    return SizeRule::kHeight;
  }
  return options.Longer ? SizeRule::kLonger : SizeRule::kWidth;
}

ThumbSize ThumbnailSize(int width, int height, int limit, SizeRule rule) {
  switch (rule) {
    case SizeRule::kWidth:
      return LimitWidth(width, height, limit);
    case SizeRule::kHeight:
      return LimitHeight(width, height, limit);
    case SizeRule::kLonger:
      break;
  }
  return width > height ? LimitWidth(width, height, limit) : LimitHeight(width, height, limit);
}

std::string KilobyteText(std::int64_t byte_size) {
  // Tenths of a kilobyte, rounded in integers so that no binary fraction decides a half.
  const bool negative = byte_size < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(byte_size) : static_cast<std::uint64_t>(byte_size);
  const std::uint64_t tenths = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
  const std::string whole = std::to_string(tenths / 10);

  std::string text;
  text.reserve(whole.size() + whole.size() / 3 + 4);
  if (negative && tenths != 0) {
    text += '-';
  }
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i != 0 && (whole.size() - i) % 3 == 0) {
      text += ',';
    }
    text += whole[i];
  }
  text += '.';
  text += static_cast<char>('0' + tenths % 10);
  return text;
}

PictureLineFormat PictureLineFormatOf(const GalleryOptions& options, PathStyle style) {
  PictureLineFormat format;
  format.Style = style;
  format.Limit = ThumbnailSize(options);
  format.Rule = SizeRuleOf(options);
  if (IsOn(options.SubWin)) {
    format.Link = IsOn(options.AutoSize) ? LinkForm::kSizedSubWindow : LinkForm::kSubWindow;
  }
  format.OnlyOne = IsOn(options.OnlyOne);
  format.NotThumbnail = IsOn(options.NotThumbnail);
  format.AltNewLine = IsOn(options.AltNewLine);
  format.PagesInSearchFolder = PagesInSearchFolder(options);
  format.SearchDir = options.SearchDir;
  return format;
}

void WritePictureLine(const ImageEntry& entry, int page_serial, const PictureLineFormat& format,
                      std::string& out) {
  std::string path;
  path.reserve(entry.Folder.size() + entry.FileName.size());
  path += entry.Folder;
  path += entry.FileName;
  const std::string target =
      PictureTarget(path, format.SearchDir, format.PagesInSearchFolder, format.Style);

  out += "<a href=\"";
  AppendHref(entry, page_serial, format, target, out);
  out += "\">";
  if (format.NotThumbnail) {
    AppendNameText(out, entry.FileName);
    out += "</a><br>";
  } else {
    AppendThumbnail(entry, format, path, target, out);
    out += "</a>";
  }
  out += kLineEnd;
}

void WriteNewWindowScript(bool only_one, std::string& out) {
  AppendLines(
      out,
      {"function NewWindow(url, winname, pw, ph)", "{nWrkWidth = window.screen.availWidth - 10;",
       "nWrkHeight = window.screen.availHeight - 30;", only_one ? "pw = pw + 30;" : "pw = pw + 20;",
       only_one ? "ph = ph + 60;" : "ph = ph + 30;", "{if ((pw > nWrkWidth) || (ph > nWrkHeight))",
       "{pw = pw + 20;", "ph = ph + 20;}}"});
  if (only_one) {
    // The one reused window opens without a size and is resized below.
    AppendLines(
        out, {"{if ((pw <= nWrkWidth) && (ph <= nWrkHeight))", "{sWindowOption = 'scrollbars=no';}",
              "else", "{sWindowOption = 'left=0,top=0,scrollbars=yes';}}"});
  } else {
    AppendLines(out, {"{if (pw > nWrkWidth)", "{sWindowOption = 'width=' + nWrkWidth;}", "else",
                      "{sWindowOption = 'width=' + pw;}}", "{if (ph > nWrkHeight)",
                      "{sWindowOption = sWindowOption + ',height=' + nWrkHeight;}", "else",
                      "{sWindowOption = sWindowOption + ',height=' + ph;}}",
                      "{if ((pw <= nWrkWidth) && (ph <= nWrkHeight))",
                      "{sWindowOption = sWindowOption + ',scrollbars=no';}", "else",
                      "{sWindowOption = sWindowOption + ',left=0,top=0,scrollbars=yes';}}"});
  }
  AppendLines(out, {"{sWindowOption = sWindowOption + "
                    "',toolbar=no,location=no,status=no,menubar=no,resizable=yes';"});
  if (only_one) {
    // Once the reused window shows a picture of another origin (in Chromium every file:// page
    // is one), resizeTo() throws and the focus() after it never runs: the window would keep the
    // first picture's size, behind the gallery. A fresh window per picture avoids both; closed
    // and close() stay allowed across origins on a window this page opened.
    AppendLines(out, {"if (window.subwin && !subwin.closed)", "{subwin.close();}"});
  }
  AppendLines(out, {"subwin = window.open(url, winname, sWindowOption);"});
  if (only_one) {
    AppendLines(out, {"if (pw > nWrkWidth)", "{pw = nWrkWidth;}", "if (ph > nWrkHeight)",
                      "{ph = nWrkHeight;}", "subwin.resizeTo(pw, ph);"});
  }
  AppendLines(out, {"subwin.focus();}}"});
}

}  // namespace pictavue
