#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/path_style.h"
#include "support/cases.h"

namespace pictavue::testing {

// The bytes of tests/data/<name>; throws (failing the test) when the file is missing or empty.
// A golden file is given the bytes made now: with PICTAVUE_UPDATE_GOLDEN set they replace it.
std::string DataFile(std::string_view name, std::string_view golden = {});

// The rows of the table tests/data/<name>: one row a line, cells separated by tabs (several tabs
// in a row count as one, so that columns can be lined up). Blank lines and lines starting with
// '#' are left out. "" is the empty cell, and \xHH stands for the byte HH (\x09 a tab, \x0A a
// line feed); every other backslash is itself, so that Windows paths read as they are written.
std::vector<Row> ReadTable(std::string_view name);

// text with each name of names ("{pics}") replaced by its value.
std::string Filled(std::string text, const std::map<std::string, std::string>& names);

// The items of a cell that lists them with " | " between them; none for "-".
std::vector<std::string> Items(const std::string& cell);

// The path style a cell names: "windows" or "posix".
PathStyle StyleOf(std::string_view cell);

}  // namespace pictavue::testing
