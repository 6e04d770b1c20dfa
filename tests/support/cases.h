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

class CaseRow {
 public:
  CaseRow(std::string where, std::vector<std::string> fields)
      : where_(std::move(where)), fields_(std::move(fields)) {}

  // The field at index; a row too short fails the test and gives "".
  const std::string& operator[](std::size_t index) const;
  int Int(std::size_t index) const;
  bool Bool(std::size_t index) const { return (*this)[index] == "1"; }
  std::size_t size() const { return fields_.size(); }
  std::vector<std::string>::const_iterator begin() const { return fields_.begin(); }
  std::vector<std::string>::const_iterator end() const { return fields_.end(); }
  // "file:line", for failure messages.
  const std::string& where() const { return where_; }

 private:
  std::string where_;
  std::vector<std::string> fields_;
};

inline std::ostream& operator<<(std::ostream& out, const CaseRow& row) {
  return out << row.where();
}

// The rows of table [table] of tests/data/<file>; a missing file or table fails the test.
std::vector<CaseRow> CaseTable(std::string_view file, std::string_view table);

// piece, count times over.
std::string Repeat(std::string_view piece, std::size_t count);

}  // namespace pictavue::testing
