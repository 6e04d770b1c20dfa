#include "support/cases.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/text_lines.h"
#include "support/temp_folder.h"

namespace pictavue::testing {
namespace {

// A field without its quotes and escapes; a bad \x escape throws, failing the test.
std::string Unescaped(std::string_view field) {
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
    field = field.substr(1, field.size() - 2);
  }
  constexpr std::string_view kEscapes = "trn0";
  constexpr std::string_view kMeanings("\t\r\n\0", 4);
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    const char c = field[++i];
    if (const std::size_t at = kEscapes.find(c); at != std::string_view::npos) {
      out += kMeanings[at];
    } else if (c == 'x') {
      out += static_cast<char>(std::stoi(std::string(field.substr(i + 1, 2)), nullptr, 16));
      i += 2;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string SourcePath(std::string_view relative) {
  const char* source = std::getenv("PICTAVUE_TEST_SOURCE_DIR");
  return std::string(source == nullptr ? "." : source) + "/" + std::string(relative);
}

const std::string& CaseRow::operator[](std::size_t index) const {
  static const std::string kNone;
  if (index >= fields_.size()) {
    ADD_FAILURE() << where_ << ": no field " << index;
    return kNone;
  }
  return fields_[index];
}

int CaseRow::Int(std::size_t index) const {
  return std::atoi((*this)[index].c_str());
}

std::vector<CaseRow> CaseTable(std::string_view file, std::string_view table) {
  const std::string path = "tests/data/" + std::string(file);
  const std::string text = ReadFileBytes(SourcePath(path));
  std::vector<CaseRow> rows;
  bool in_table = false;
  bool found = false;
  std::size_t line_number = 0;
  for (const std::string_view line : SplitLines(text)) {
    ++line_number;
    if (line.empty() || line[0] == '#') {
      continue;
    }
    if (line[0] == '[' && line.back() == ']' && line.find('\t') == std::string_view::npos) {
      in_table = line.substr(1, line.size() - 2) == table;
      found = found || in_table;
      continue;
    }
    if (!in_table) {
      continue;
    }
    const std::string where = path + ":" + std::to_string(line_number);
    std::vector<std::string> fields;
    for (std::size_t at = 0; at < line.size();) {
      const std::size_t tab = std::min(line.find('\t', at), line.size());
      fields.push_back(Unescaped(line.substr(at, tab - at)));
      at = line.find_first_not_of('\t', tab);
      at = at == std::string_view::npos ? line.size() : at;
    }
    rows.emplace_back(where, std::move(fields));
  }
  if (!found) {
    ADD_FAILURE() << "no table [" << table << "] in " << path;
  }
  return rows;
}

std::string Repeat(std::string_view piece, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) {
    out += piece;
  }
  return out;
}

}  // namespace pictavue::testing
