#include "support/cases.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace pictavue::testing {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string Unescaped(std::string_view field, const std::string& where) {
  if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
    field = field.substr(1, field.size() - 2);
  }
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    switch (const char c = field[++i]) {
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case 'n':
        out += '\n';
        break;
      case '0':
        out += '\0';
        break;
      case 'x':
        if (i + 2 < field.size() && HexValue(field[i + 1]) >= 0 && HexValue(field[i + 2]) >= 0) {
          out += static_cast<char>(HexValue(field[i + 1]) * 16 + HexValue(field[i + 2]));
          i += 2;
          break;
        }
        ADD_FAILURE() << where << ": \\x needs two hexadecimal digits";
        break;
      default:
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
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end;
    std::string_view line(text.data() + start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
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
      fields.push_back(Unescaped(line.substr(at, tab - at), where));
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
