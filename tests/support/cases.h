#pragma once

// Files of the source tree, and case tables kept as data under tests/data/.
//
// A case file holds tables, each under a line "[name]". A row is one line of fields separated by
// one or more tabs; "" is the empty field, and a field in double quotes keeps its blanks. Fields
// use the escapes of C (\\ \t \r \n \0 \xHH). Lines starting with "#" and blank lines are skipped.

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace pictavue::testing {

// The path of a file of the source tree, found through PICTAVUE_TEST_SOURCE_DIR (CTest sets it).
std::string SourcePath(std::string_view relative);

// A row of a table under tests/data/: its fields, and the "file:line" it stands on for failure
// messages. A field past the row's end fails the test and reads as "".
class Row : public std::vector<std::string> {
 public:
  using std::vector<std::string>::vector;
  Row() = default;
  Row(std::string where, std::vector<std::string> fields)
      : std::vector<std::string>(std::move(fields)), where_(std::move(where)) {}

  const std::string& operator[](std::size_t index) const;
  int Int(std::size_t index) const;
  bool Bool(std::size_t index) const { return (*this)[index] == "1"; }
  // The fields from first on.
  std::vector<std::string> From(std::size_t first) const;
  // The fields joined by " | ", for test messages.
  std::string Text() const;
  const std::string& where() const { return where_; }

 private:
  std::string where_;
};

inline std::ostream& operator<<(std::ostream& out, const Row& row) {
  return out << row.where();
}

// The rows of table [table] of tests/data/<file>; a missing file or table fails the test.
std::vector<Row> CaseTable(std::string_view file, std::string_view table);

// piece, count times over.
std::string Repeat(std::string_view piece, std::size_t count);

}  // namespace pictavue::testing
