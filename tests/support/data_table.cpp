#include "support/data_table.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "support/temp_folder.h"

namespace pictavue::testing {
namespace {

int HexValue(char c) {
  const std::string_view digits = "0123456789ABCDEF";
  const std::size_t at = digits.find(c >= 'a' && c <= 'f' ? static_cast<char>(c - 32) : c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string Unescaped(std::string_view cell) {
  if (cell == "\"\"") {
    return "";
  }
  std::string text;
  for (std::size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] == '\\' && i + 3 < cell.size() && cell[i + 1] == 'x' &&
        HexValue(cell[i + 2]) >= 0 && HexValue(cell[i + 3]) >= 0) {
      text += static_cast<char>(HexValue(cell[i + 2]) * 16 + HexValue(cell[i + 3]));
      i += 3;
    } else {
      text += cell[i];
    }
  }
  return text;
}

}  // namespace

std::string DataFile(std::string_view name, std::string_view golden) {
  const char* source = std::getenv("PICTAVUE_TEST_SOURCE_DIR");
  const std::string path =
      std::string(source == nullptr ? "." : source) + "/tests/data/" + std::string(name);
  if (std::getenv("PICTAVUE_UPDATE_GOLDEN") != nullptr && !golden.empty()) {
    std::ofstream(path, std::ios::binary) << golden;
  }
  std::string bytes = ReadFileBytes(path);
  if (bytes.empty()) {
    throw std::runtime_error("missing data file " + path);  // an empty table would pass anything
  }
  return bytes;
}

std::string Row::Text() const {
  std::string text;
  for (const std::string& cell : *this) {
    text += (text.empty() ? "" : " | ") + cell;
  }
  return text;
}

std::vector<Row> ReadTable(std::string_view name) {
  const std::string text = DataFile(name);
  std::vector<Row> rows;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end;
    std::string_view line(text.data() + start, end - start);
    start = end + 1;
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    if (line.empty() || line.front() == '#') {
      continue;
    }
    Row row;
    for (std::size_t at = 0; at < line.size();) {
      const std::size_t tab = std::min(line.find('\t', at), line.size());
      row.push_back(Unescaped(line.substr(at, tab - at)));
      at = line.find_first_not_of('\t', tab);
      at = at == std::string_view::npos ? line.size() : at;
    }
    rows.push_back(std::move(row));
  }
  return rows;
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
