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

constexpr SourceText kNoKindMessage =
    PICTAVUE_TEXT("RequestRun", "画像の形式がひとつも選択されていません。");
constexpr SourceText kNoFileNameMessage =
    PICTAVUE_TEXT("RequestRun", "出力ファイル名が入力されていません。");
constexpr SourceText kForbiddenCharMessage =
    PICTAVUE_TEXT("RequestRun", "ファイル名に \\ / : * ? \" < > | は使えません。");
constexpr SourceText kControlCharMessage =
    PICTAVUE_TEXT("RequestRun", "出力ファイル名に不正な文字（改行コード等）が含まれています。");
constexpr SourceText kReservedNameMessage =
    PICTAVUE_TEXT("RequestRun", "このファイル名は予約デバイス名のため、使用できません。");
constexpr SourceText kNoSearchDirMessage =
    PICTAVUE_TEXT("RequestRun", "検索フォルダ名が入力されていません。");
constexpr SourceText kBadDelayMessage =
    PICTAVUE_TEXT("RequestRun", "スライドショーの間隔が数値でないか０秒です。");
constexpr SourceText kMissingFolderMessage =
    PICTAVUE_TEXT("RequestRun",
                  "%1 は存在しないフォルダです。\r\n\r\n"
                  "リムーバブルドライブの場合はメディアが挿入されているかどうか確認してください。");
constexpr SourceText kTooLongMessage = PICTAVUE_TEXT("RequestRun", "出力ファイル名が長すぎます。");
constexpr SourceText kOverwriteQuestion =
    PICTAVUE_TEXT("RequestRun", "%1 は存在します。\r\n\r\n上書きしますか？");
constexpr SourceText kCannotCreateMessage =
    PICTAVUE_TEXT("RequestRun",
                  "%1 を作成できません。\r\n\r\n"
                  "出力先フォルダが書込み可能かどうか確認してください。\r\n"
                  "ファイル名の長さに制限のあるネットワーク上のフォルダの場合は\r\n"
                  "出力ファイル名を確認してください。");

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

// The message of a failed check in the user's language.
CheckFailure Failure(const Translation& translation, SourceText message, FocusTarget focus) {
  return CheckFailure{std::string(translation.Of(message)), focus};
}

std::optional<CheckFailure> CheckFileName(std::string_view file_name,
                                          const Translation& translation) {
  const std::string_view name = TrimBlanks(file_name);
  if (name.empty()) {
    return Failure(translation, kNoFileNameMessage, kFileNameFocus);
  }
  if (HasForbiddenFileNameChar(name)) {
    return Failure(translation, kForbiddenCharMessage, kFileNameFocus);
  }
  if (HasControlChars(name)) {
    return Failure(translation, kControlCharMessage, kFileNameFocus);
  }
  if (IsReservedDeviceName(name)) {
    return Failure(translation, kReservedNameMessage, kFileNameFocus);
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
                                          std::string_view png_plugin_name,
                                          const Translation& translation) {
  if (!HasPictureKind(options, png_plugin_name)) {
    return Failure(translation, kNoKindMessage, kKindsFocus);
  }
  if (std::optional<CheckFailure> failure = CheckFileName(options.FileName, translation)) {
    return failure;
  }
  if (TrimBlanks(options.SearchDir).empty()) {
    return Failure(translation, kNoSearchDirMessage, kSearchDirFocus);
  }
  if (!IsImagesPerPageValid(options)) {
    return Failure(translation, kBadImagesPerPageDescription, kIppFocus);
  }
  if (!IsDelayValid(options)) {
    return Failure(translation, kBadDelayMessage, kDelayFocus);
  }
  return std::nullopt;
}

CheckFailure MissingFolderFailure(std::string_view search_dir, const Translation& translation) {
  return CheckFailure{translation.Format(kMissingFolderMessage, {search_dir}), kSearchDirFocus};
}

std::string OutputPathFor(const GalleryOptions& options, std::string_view default_folder,
                          PathStyle style) {
  return OutputFolder(options, default_folder, style) + FirstPageName(options);
}

CheckFailure OutputPathTooLongFailure(const Translation& translation) {
  return Failure(translation, kTooLongMessage, kFileNameFocus);
}

std::string OverwriteQuestion(const GalleryOptions& options, const Translation& translation) {
  return translation.Format(kOverwriteQuestion, {FirstPageName(options)});
}

CheckFailure CannotCreateFailure(std::string_view output_path, const Translation& translation) {
  return CheckFailure{translation.Format(kCannotCreateMessage, {output_path}), kFileNameFocus};
}

}  // namespace pictavue
