#pragma once

#include <cstddef>
#include <string_view>

namespace pictavue {

// The names of HTML's named character references, as a browser reads them in a page.

// Whether name (without "&" and ";") is a named character reference when it is followed by ";".
bool IsCharacterReferenceName(std::string_view name);

// The longest name at the start of text that a browser reads as a character reference even
// without its ";" (the legacy names such as "copy", "amp" and "not"); 0 when there is none.
std::size_t LegacyCharacterReferenceLength(std::string_view text);

}  // namespace pictavue
