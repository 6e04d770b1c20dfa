#pragma once

#include <streambuf>
#include <string>

#include "platform/code_page.h"

namespace pictavue {

// A stream buffer that takes the program's UTF-8 text and passes it on to target in another code
// page, a whole character at a time: a character split across two writes is held back until its
// last byte has come. Characters the code page lacks become "?". Flushing (std::flush, std::endl,
// a unit-buffered stream) passes on everything complete and flushes target.
class CodePageStreamBuf final : public std::streambuf {
 public:
  CodePageStreamBuf(std::streambuf& target, CodePage code_page);
  ~CodePageStreamBuf() override;
  CodePageStreamBuf(const CodePageStreamBuf&) = delete;
  CodePageStreamBuf& operator=(const CodePageStreamBuf&) = delete;

 protected:
  int_type overflow(int_type ch) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  int sync() override;

 private:
  // Converts and passes on the complete characters held; false when target refused them.
  bool PassOnComplete();

  std::streambuf& target_;
  CodePage code_page_;
  std::string pending_;
};

// The length of the longest prefix of utf8 that does not end inside a well-formed sequence cut
// short by the end of the text. Bytes that begin no sequence count as whole characters.
std::size_t CompleteUtf8Prefix(std::string_view utf8);

}  // namespace pictavue
