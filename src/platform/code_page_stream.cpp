#include "platform/code_page_stream.h"

#include <utility>

#include "platform/utf8.h"

namespace pictavue {
namespace {

// Held text is passed on once it grows past this, even without a flush.
constexpr std::size_t kPassOnBytes = 4096;

}  // namespace

std::size_t CompleteUtf8Prefix(std::string_view utf8) {
  // Only a lead byte among the last three can start a sequence that runs past the end.
  for (std::size_t back = 1; back <= 3 && back <= utf8.size(); ++back) {
    const std::size_t start = utf8.size() - back;
    const auto byte = static_cast<unsigned char>(utf8[start]);
    if ((byte & 0xC0) == 0x80) {
      continue;  // a continuation byte: look further back for its lead
    }
    return Utf8LeadLength(byte) > back ? start : utf8.size();
  }
  return utf8.size();
}

CodePageStreamBuf::CodePageStreamBuf(std::streambuf& target, CodePage code_page)
    : target_(target), code_page_(std::move(code_page)) {}

CodePageStreamBuf::~CodePageStreamBuf() {
  // A character still cut short at the end will never be completed: it goes as it is.
  PassOnComplete();
  if (!pending_.empty()) {
    const std::string rest = code_page_.FromUtf8(pending_, Unmappable::kQuestionMark);
    target_.sputn(rest.data(), static_cast<std::streamsize>(rest.size()));
  }
  target_.pubsync();
}

CodePageStreamBuf::int_type CodePageStreamBuf::overflow(int_type ch) {
  if (traits_type::eq_int_type(ch, traits_type::eof())) {
    return traits_type::not_eof(ch);
  }
  pending_.push_back(traits_type::to_char_type(ch));
  if (pending_.size() >= kPassOnBytes && !PassOnComplete()) {
    return traits_type::eof();
  }
  return ch;
}

std::streamsize CodePageStreamBuf::xsputn(const char* text, std::streamsize count) {
  pending_.append(text, static_cast<std::size_t>(count));
  if (pending_.size() >= kPassOnBytes && !PassOnComplete()) {
    return 0;
  }
  return count;
}

int CodePageStreamBuf::sync() {
  if (!PassOnComplete()) {
    return -1;
  }
  return target_.pubsync();
}

bool CodePageStreamBuf::PassOnComplete() {
  const std::size_t complete = CompleteUtf8Prefix(pending_);
  if (complete == 0) {
    return true;
  }
  const std::string converted = code_page_.FromUtf8(std::string_view(pending_).substr(0, complete),
                                                    Unmappable::kQuestionMark);
  pending_.erase(0, complete);
  const auto size = static_cast<std::streamsize>(converted.size());
  return target_.sputn(converted.data(), size) == size;
}

}  // namespace pictavue
