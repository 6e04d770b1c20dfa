#include "request/request_checks.h"

#include <array>
#include <charconv>
#include <limits>

#include "generate/generation_run.h"
#include "generate/page_layout.h"
#include "platform/ascii_case.h"
#include "platform/blanks.h"

namespace pictavue {
namespace {

constexpr char kCrLf[] = "\r\n";

constexpr FocusTarget kKindsFocus{0, ControlId::chkGIF, FocusAction::kFocus};
constexpr FocusTarget kSearchDirFocus{0, ControlId::cmbSearchDir, FocusAction::kFocus};
constexpr FocusTarget kIppFocus{1, ControlId::cmbIPP, FocusAction::kFocusAndSelect};
constexpr FocusTarget kDelayFocus{3, ControlId::txtDelay, FocusAction::kFocusAndSelect};

constexpr int kMinImagesPerPage = 1;
constexpr int kMaxImagesPerPage = 999;
constexpr int kMinDelaySeconds = 1;

// Digits with at most one point and at least one digit.
bool IsPlainDecimal(std::string_view text) {
  bool seen_digit = false;
  bool seen_point = false;
  for (const char ch : text) {
    if (IsAsciiDigit(ch)) {
      seen_digit = true;
    } else if (ch == '.' && !seen_point) {
      seen_point = true;
    } else {
      return false;
    }
  }
  return seen_digit;
}

std::string FirstPageName(const GalleryOptions& options) {
  return PageFileName(options.FileName, IsUnlimited(options), 1);
}

bool HasPictureKind(const GalleryOptions& options, std::string_view png_plugin_name) {
  return IsOn(options.GIF) || IsOn(options.JPEG) || IsOn(options.BMP) || IsOn(options.WMF) ||
         IsOn(options.EMF) || (IsOn(options.PNG) && !png_plugin_name.empty());
}

std::optional<CheckFailure> CheckFileName(std::string_view file_name) {
  const std::string_view name = TrimBlanks(file_name);
  if (name.empty()) {
    return CheckFailure{"出力ファイル名が入力されていません。", kFileNameFocus};
  }
  if (HasForbiddenFileNameChar(name)) {
    return CheckFailure{"ファイル名に \\ / : * ? \" < > | は使えません。", kFileNameFocus};
  }
  if (HasControlChars(name)) {
    return CheckFailure{"出力ファイル名に不正な文字（改行コード等）が含まれています。",
                        kFileNameFocus};
  }
  if (IsReservedDeviceName(name)) {
    return CheckFailure{"このファイル名は予約デバイス名のため、使用できません。", kFileNameFocus};
  }
  return std::nullopt;
}

bool IsImagesPerPageValid(const GalleryOptions& options) {
  if (IsUnlimited(options)) {
    return true;
  }
  const std::optional<double> value = NumericValue(IppText(options));
  return value && *value >= kMinImagesPerPage && *value <= kMaxImagesPerPage;
}

bool IsDelayValid(const GalleryOptions& options) {
  if (!IsOn(options.ClientPull)) {
    return true;
  }
  const std::optional<double> value = NumericValue(options.Delay);
  return value && *value >= kMinDelaySeconds;
}

}  // namespace

bool HasControlChars(std::string_view text) {
  return text.find_first_of("\n\r\t") != std::string_view::npos;
}

bool HasForbiddenFileNameChar(std::string_view text) {
  return text.find_first_of("\\/:*?\"<>|") != std::string_view::npos;
}

bool IsReservedDeviceName(std::string_view text) {
  const std::string upper = AsciiUpper(text);
  static constexpr std::array<std::string_view, 5> kNames = {"AUX", "CON", "NUL", "PRN", "CLOCK$"};
  for (const std::string_view name : kNames) {
    if (upper == name) {
      return true;
    }
  }
  const bool numbered_port =
      upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT"));
  return numbered_port && upper[3] >= '1' && upper[3] <= '9';
}

std::optional<double> NumericValue(std::string_view text) {
  std::string_view number = TrimBlanks(text);
  bool negative = false;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  if (!IsPlainDecimal(number)) {
    return std::nullopt;
  }
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Out of range either way: a non-zero digit before the point makes it huge, else tiny.
    const std::string_view whole = number.substr(0, number.find('.'));
    value = whole.find_first_not_of('0') == std::string_view::npos
                ? 0.0
                : std::numeric_limits<double>::infinity();
  } else if (error != std::errc() || end != number.data() + number.size()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::optional<CheckFailure> CheckSettings(const GalleryOptions& options,
                                          std::string_view png_plugin_name) {
  if (!HasPictureKind(options, png_plugin_name)) {
    return CheckFailure{"画像の形式がひとつも選択されていません。", kKindsFocus};
  }
  if (std::optional<CheckFailure> failure = CheckFileName(options.FileName)) {
    return failure;
  }
  if (TrimBlanks(options.SearchDir).empty()) {
    return CheckFailure{"検索フォルダ名が入力されていません。", kSearchDirFocus};
  }
  if (!IsImagesPerPageValid(options)) {
    return CheckFailure{kBadImagesPerPageDescription, kIppFocus};
  }
  if (!IsDelayValid(options)) {
    return CheckFailure{"スライドショーの間隔が数値でないか０秒です。", kDelayFocus};
  }
  return std::nullopt;
}

CheckFailure MissingFolderFailure(std::string_view search_dir) {
  return CheckFailure{std::string(search_dir) + " は存在しないフォルダです。" + kCrLf + kCrLf +
                          "リムーバブルドライブの場合はメディアが" +
                          "挿入されているかどうか確認してください。",
                      kSearchDirFocus};
}

std::string OutputPathFor(const GalleryOptions& options, std::string_view default_folder,
                          PathStyle style) {
  return OutputFolder(options, default_folder, style) + FirstPageName(options);
}

CheckFailure OutputPathTooLongFailure() {
  return CheckFailure{"出力ファイル名が長すぎます。", kFileNameFocus};
}

std::string OverwriteQuestion(const GalleryOptions& options) {
  return FirstPageName(options) + " は存在します。" + kCrLf + kCrLf + "上書きしますか？";
}

CheckFailure CannotCreateFailure(std::string_view output_path) {
  return CheckFailure{std::string(output_path) + " を作成できません。" + kCrLf + kCrLf +
                          "出力先フォルダが書込み可能かどうか確認してください。" + kCrLf +
                          "ファイル名の長さに制限のあるネットワーク上のフォルダの場合は" + kCrLf +
                          "出力ファイル名を確認してください。",
                      kFileNameFocus};
}

}  // namespace pictavue
