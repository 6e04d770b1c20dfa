#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The system's half of CodePage: naming the system code page and converting between it and
// UTF-8. One implementation per platform (posix/, win32/); code_page.cpp builds the rules for
// unmappable characters and byte limits on top of it.
namespace pictavue::code_page_detail {

// The code page the system uses for text, by a name CodePage accepts.
std::string SystemCodePageName();

// Whether the system can convert between UTF-8 and the named code page.
bool IsSupported(const std::string& code_page);

enum class Direction { kFromUtf8, kToUtf8 };

enum class Stop {
  kDone,        // all input converted
  kBadChar,     // the next character is invalid input or has no form in the target
  kIncomplete,  // the input ends inside a character
  kFull,        // the next character does not fit in the room left
};

struct Step {
  std::size_t consumed = 0;  // input bytes converted
  Stop stop = Stop::kDone;
};

// Converts whole runs of text per system call. Never writes part of a character.
class Converter {
 public:
  Converter(const std::string& code_page, Direction direction);
  ~Converter();
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const;

  // Converts input from its start, appending to out, until the input ends, a character cannot be
  // converted, or the next character would make out longer than max_out bytes.
  Step Convert(std::string_view input, std::string& out, std::size_t max_out);

 private:
  void* handle_;
};

}  // namespace pictavue::code_page_detail
