#include "support/cases.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <stdexcept>

#include <gtest/gtest.h>

#include "platform/text_lines.h"
#include "support/data_table.h"
#include "support/temp_folder.h"

// Both table formats share their rows (tab-separated cells, "#" comments, blank lines skipped)
// and differ in what a cell may escape: a case file takes C's escapes and quotes, a data table
// only \xHH, so that the Windows paths and quoted command lines it holds read as written.

namespace pictavue::testing {
namespace {

int HexDigit(char c) {
  const std::size_t at = std::string_view("0123456789abcdef0123456789ABCDEF").find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at % 16);
}

std::string Unescaped(std::string_view cell, bool c_escapes) {
  if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"' &&
      (c_escapes || cell.size() == 2)) {
    cell = cell.substr(1, cell.size() - 2);
  }
  constexpr std::string_view kEscapes = "trn0";
  constexpr std::string_view kMeanings("\t\r\n\0", 4);
  std::string out;
  for (std::size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] != '\\' || i + 1 == cell.size()) {
      out += cell[i];
    } else if (cell[i + 1] == 'x' && i + 3 < cell.size() && HexDigit(cell[i + 2]) >= 0 &&
               HexDigit(cell[i + 3]) >= 0) {
      out += static_cast<char>(HexDigit(cell[i + 2]) * 16 + HexDigit(cell[i + 3]));
      i += 3;
    } else if (!c_escapes) {
      out += cell[i];
    } else if (const std::size_t at = kEscapes.find(cell[++i]); at != std::string_view::npos) {
      out += kMeanings[at];
    } else {
      out += cell[i];
    }
  }
  return out;
}

std::vector<std::string> Cells(std::string_view line, bool c_escapes) {
  std::vector<std::string> cells;
  for (std::size_t at = 0; at < line.size();) {
    const std::size_t tab = std::min(line.find('\t', at), line.size());
    cells.push_back(Unescaped(line.substr(at, tab - at), c_escapes));
    at = std::min(line.find_first_not_of('\t', tab), line.size());
  }
  return cells;
}

// The rows of tests/data/<file>, each with the line it stands on: of table [table] in a case file,
// of the whole file in a data table.
std::vector<Row> Rows(std::string_view file, std::optional<std::string_view> table) {
  const std::string path = "tests/data/" + std::string(file);
  const bool case_file = table.has_value();
  std::vector<Row> rows;
  bool in_table = !case_file;
  bool found = !case_file;
  std::size_t line_number = 0;
  const std::string text = DataFile(file);
  for (const std::string_view line : SplitLines(text)) {
    ++line_number;
    if (line.empty() || line[0] == '#') {
      continue;
    }
    if (case_file && line[0] == '[' && line.back() == ']' &&
        line.find('\t') == std::string_view::npos) {
      in_table = line.substr(1, line.size() - 2) == *table;
      found = found || in_table;
    } else if (in_table) {
      rows.emplace_back(path + ":" + std::to_string(line_number), Cells(line, case_file));
    }
  }
  if (!found) {
    ADD_FAILURE() << "no table [" << *table << "] in " << path;
  }
  return rows;
}

}  // namespace

std::string SourcePath(std::string_view relative) {
  const char* source = std::getenv("PICTAVUE_TEST_SOURCE_DIR");
  return std::string(source == nullptr ? "." : source) + "/" + std::string(relative);
}

const std::string& Row::operator[](std::size_t index) const {
  static const std::string kNone;
  if (index >= size()) {
    ADD_FAILURE() << where_ << ": no field " << index;
    return kNone;
  }
  return at(index);
}

int Row::Int(std::size_t index) const {
  return std::atoi((*this)[index].c_str());
}

std::vector<std::string> Row::From(std::size_t first) const {
  return {begin() + static_cast<std::ptrdiff_t>(std::min(first, size())), end()};
}

std::string Row::Text() const {
  std::string text;
  for (const std::string& cell : *this) {
    text += (text.empty() ? "" : " | ") + cell;
  }
  return text;
}

std::vector<Row> CaseTable(std::string_view file, std::string_view table) {
  return Rows(file, table);
}

std::string Repeat(std::string_view piece, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) {
    out += piece;
  }
  return out;
}

std::string DataFile(std::string_view name, std::string_view golden) {
  const std::string path = SourcePath("tests/data/" + std::string(name));
  if (std::getenv("PICTAVUE_UPDATE_GOLDEN") != nullptr && !golden.empty()) {
    std::ofstream(path, std::ios::binary) << golden;
  }
  std::string bytes = ReadFileBytes(path);
  if (bytes.empty()) {
    throw std::runtime_error("missing data file " + path);  // an empty table would pass anything
  }
  return bytes;
}

std::vector<Row> ReadTable(std::string_view name) {
  return Rows(name, std::nullopt);
}

std::string Filled(std::string text, const std::map<std::string, std::string>& names) {
  for (const auto& [name, value] : names) {
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
      text.replace(at, name.size(), value);
      at += value.size();
    }
  }
  return text;
}

std::vector<std::string> Items(const std::string& cell) {
  std::vector<std::string> items;
  for (std::size_t start = 0, end = 0; cell != "-" && end != std::string::npos; start = end + 3) {
    end = cell.find(" | ", start);
    items.push_back(cell.substr(start, end - start));
  }
  return items;
}

PathStyle StyleOf(std::string_view cell) {
  if (cell != "windows" && cell != "posix") {
    throw std::runtime_error("no path style: " + std::string(cell));
  }
  return cell == "posix" ? PathStyle::kPosix : PathStyle::kWindows;
}

}  // namespace pictavue::testing
