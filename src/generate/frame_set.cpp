#include "generate/frame_set.h"

#include <algorithm>
#include <cstdint>

#include "generate/addresses.h"
#include "generate/html_text.h"
#include "generate/page_layout.h"

namespace pictavue {
namespace {

void AppendHeadLine(const PageContext& context, std::string& out) {
  out += "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html\"><title>";
  out += PageTitle(context.Options.Title);
  out += "</title></head>";
  out += kLineEnd;
}

}  // namespace

Status WriteFrameSet(const PageContext& context, std::string& frame_set, std::string& menu) {
  const GalleryOptions& options = context.Options;
  const RunState& run = context.Run;

  std::string menu_text;
  menu_text.reserve(256 + static_cast<std::size_t>(std::max(run.PageCount, 0)) *
                              (options.FileName.size() + 64));
  AppendHeadLine(context, menu_text);
  AppendLine(menu_text, "<body bgcolor=\"white\"><center>");
  for (int v = 1; v <= run.PageCount; ++v) {
    const std::int64_t last = static_cast<std::int64_t>(v) * run.ImagesPerPage;
    if (last > kMaxPageArithmetic) {
      return Status::Failure(kOverflowDescription.text);
    }
    menu_text += "<a href=\"";
    AppendAddress(menu_text, PageFileName(options.FileName, false, v), AddressKind::kRelative,
                  context.Style);
    menu_text += "\" target=\"main\">";
    AppendDecimal000(menu_text, (v - 1) * run.ImagesPerPage + 1);
    menu_text += '-';
    AppendDecimal000(menu_text, static_cast<int>(std::min<std::int64_t>(last, run.ImageCount)));
    AppendLine(menu_text, "</a><br>");
  }
  AppendLine(menu_text, "</center></body>");
  AppendLine(menu_text, "</html>");

  AppendHeadLine(context, frame_set);
  AppendLine(frame_set, "<frameset cols=\"95,*\">");
  frame_set += "<frame name=\"menu\" src=\"";
  AppendAddress(frame_set, MenuFileName(options.FileName), AddressKind::kRelative, context.Style);
  AppendLine(frame_set, "\">");
  frame_set += "<frame name=\"main\" src=\"";
  AppendAddress(frame_set, PageFileName(options.FileName, false, 1), AddressKind::kRelative,
                context.Style);
  AppendLine(frame_set, "\" frameborder=\"no\">");
  AppendLine(frame_set, "</frameset>");
  AppendLine(frame_set, "</html>");

  menu += menu_text;
  return Status::Ok();
}

}  // namespace pictavue
