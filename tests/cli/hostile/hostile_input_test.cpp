// pictavue --batch over a tree of bad things: damaged and hostile pictures, odd names, a folder
// that looks like a picture, unreadable files and folders, a symbolic link loop, and settings
// files of random bytes. The program must finish, measure every good picture, give 50 x 50 to
// every picture it cannot measure, write nothing outside its output folder and its settings
// file, and leave a settings file that reads back.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/code_page.h"
#include "platform/path_style.h"
#include "platform/profile_file.h"
#include "settings/settings_file.h"
#include "support/child_process.h"
#include "support/temp_folder.h"
#include "tools/picture_writers.h"

namespace pictavue::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kProgram[] = PICTAVUE_EXE;
constexpr std::chrono::seconds kTimeLimit{180};  // generous for the sanitizer build

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

void PrintTo(const Size& size, std::ostream* out) {
  *out << size.width << " x " << size.height;
}

constexpr Size kUnknown{50, 50};

// One picture file of the tree and how each run must show it; nothing when it must not appear.
struct Expected {
  std::string path;  // relative to the tree, byte for byte
  std::optional<Size> with_plugins;
  std::optional<Size> without_plugins;
  bool may_repeat = false;  // reachable through a symbolic link too
};

// --- the tree ---------------------------------------------------------------------------------

void WriteBytes(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out) << path;
}

std::string WithLE32(std::string bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
  return bytes;
}

std::string WithLE16(std::string bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<char>(value & 0xFF);
  bytes[at + 1] = static_cast<char>(value >> 8);
  return bytes;
}

// Start-of-image, then the rest.
std::string Jpeg(const std::string& after_soi) {
  return std::string("\xFF\xD8", 2) + after_soi;
}
const std::string kEoi("\xFF\xD9", 2);

// A JPEG whose EXIF block names an IFD0 far beyond the end of the file, before a good frame.
std::string JpegWithExifOutside(int width, int height) {
  std::string tiff("II\x2A\x00", 4);
  tiff += std::string("\xF0\xFF\xFF\x7F", 4);
  const std::string exif = JpegSegment(0xE1, std::string("Exif\0\0", 6) + tiff);
  const std::string good = MakeJpeg(width, height);
  return good.substr(0, 2) + exif + good.substr(2);
}

// Where in a JPEG the frame header's body starts (after FF C0 and its length).
std::size_t FrameBodyOffset(const std::string& jpeg) {
  const auto at = jpeg.find(std::string("\xFF\xC0", 2));
  return at == std::string::npos ? jpeg.size() : at + 4;
}

// Every case of the tree. Sizes stay below 300 so that the thumbnails show them unchanged.
std::vector<Expected> BuildTree(const fs::path& tree, bool lock_some) {
  std::vector<Expected> expected;
  auto add = [&](const std::string& path, const std::string& bytes,
                 std::optional<Size> with_plugins, std::optional<Size> without_plugins) {
    WriteBytes(tree / path, bytes);
    expected.push_back({path, with_plugins, without_plugins});
  };
  auto add_good = [&](const std::string& path, const std::string& bytes, Size size) {
    add(path, bytes, size, size);
  };

  // Good pictures of every kind and header form.
  add_good("t001 good.gif", MakeGif(31, 17), {31, 17});
  add_good("t002 good.jpg", MakeJpeg(40, 30), {40, 30});
  add("t003 good.png", MakePng(23, 29), Size{23, 29}, std::nullopt);  // PNG needs its plug-in
  add_good("t004 good.bmp", MakeBmp(19, 13), {19, 13});
  add_good("t005 good.wmf", MakeWmf({0, 0, 750, 945, 1440}), {50, 63});
  add_good("t006 good.emf", MakeEmf({0, 0, 979, 556}), {37, 21});
  add_good("t007 good.JPEG", MakeJpeg(41, 11), {41, 11});
  add_good("t008 top-down.bmp", MakeBmp(22, 14, BmpKind::kInfoTopDown), {22, 14});
  add_good("t009 core.bmp", MakeBmp(15, 9, BmpKind::kCore), {15, 9});

  // Names that page text and addresses must survive.
  add_good("t010 say \"cheese\".gif", MakeGif(12, 10), {12, 10});
  add_good("t011 it's.jpg", MakeJpeg(13, 10), {13, 10});
  add_good("t012 a<b>c&d.gif", MakeGif(14, 10), {14, 10});
  add_good("t013 #hash.gif", MakeGif(15, 10), {15, 10});
  add_good("t014 100%.gif", MakeGif(16, 10), {16, 10});
  add_good("t015 line\nbreak.gif", MakeGif(17, 10), {17, 10});
  add_good("t016 bad\xFF\xFE utf8.gif", MakeGif(18, 10), {18, 10});
  add_good("t017 what?.bmp", MakeBmp(19, 10), {19, 10});
  add_good("t018 back\\slash.gif", MakeGif(20, 10), {20, 10});
  add_good("t019 %41%2F.gif", MakeGif(21, 10), {21, 10});
  add_good("t020 タブ\tと日本語.gif", MakeGif(22, 10), {22, 10});

  // A folder named like a picture is a folder: walked, never a picture itself.
  add_good("x.jpg/t021 inside.gif", MakeGif(23, 10), {23, 10});
  fs::create_directories(tree / "y.gif");

  // A symbolic link loop between two folders.
  add_good("loop_a/t022 a.gif", MakeGif(24, 10), {24, 10});
  add_good("loop_b/t023 b.gif", MakeGif(25, 10), {25, 10});
  fs::create_directory_symlink("../loop_b", tree / "loop_a" / "to_b");
  fs::create_directory_symlink("../loop_a", tree / "loop_b" / "to_a");
  fs::create_directory_symlink(".", tree / "loop_b" / "self");
  expected[expected.size() - 1].may_repeat = true;
  expected[expected.size() - 2].may_repeat = true;

  // Empty files of every kind.
  for (const char* name :
       {"t030.gif", "t031.jpg", "t032.jpeg", "t033.bmp", "t034.wmf", "t035.emf"}) {
    add(std::string("empty/") + name, "", kUnknown, kUnknown);
  }
  add("empty/t036.png", "", kUnknown, std::nullopt);

  // Files cut inside their headers.
  add("cut/t040.gif", Truncated(MakeGif(31, 17), 5), kUnknown, kUnknown);
  add("cut/t041.jpg", Truncated(MakeJpeg(40, 30), 3), kUnknown, kUnknown);
  {
    const std::string jpeg = MakeJpeg(40, 30);
    add("cut/t042.jpg", Truncated(jpeg, FrameBodyOffset(jpeg) + 2), kUnknown, kUnknown);
    // Cut after the frame header: the plug-in reads its size, the loader route first asks
    // for the end marker and finds none.
    add("cut/t043.jpg", Truncated(jpeg, FrameBodyOffset(jpeg) + 8), Size{40, 30}, kUnknown);
  }
  add("cut/t044.png", Truncated(MakePng(23, 29), 18), kUnknown, std::nullopt);
  add("cut/t045.bmp", Truncated(MakeBmp(19, 13), 20), kUnknown, kUnknown);
  add("cut/t046.wmf", Truncated(MakeWmf({0, 0, 750, 945, 1440}), 11), kUnknown, kUnknown);
  add("cut/t047.emf", Truncated(MakeEmf({0, 0, 979, 556}), 30), kUnknown, kUnknown);
  add("cut/t048.bmp", Truncated(MakeBmp(19, 13, BmpKind::kCore), 19), kUnknown, kUnknown);

  // Hostile headers.
  const std::string empty_segment("\xFF\xE0\x00\x00", 4);  // a length that never moves on
  add("hostile/t050 zero length segment.jpg", Jpeg(empty_segment + kEoi), kUnknown, kUnknown);
  add("hostile/t051 length one.jpg", Jpeg(std::string("\xFF\xE0\x00\x01", 4) + kEoi), kUnknown,
      kUnknown);
  {
    std::string many;
    for (int i = 0; i < 200000; ++i) {
      many += std::string("\xFF\xE0\x00\x02", 4);
    }
    add("hostile/t052 endless segments.jpg", Jpeg(many + kEoi), kUnknown, kUnknown);
    add("hostile/t053 endless padding.jpg", Jpeg(std::string(1 << 20, '\xFF') + kEoi), kUnknown,
        kUnknown);
    std::string starts;
    for (int i = 0; i < 100000; ++i) {
      starts += std::string("\xFF\xD8", 2);
    }
    add("hostile/t054 endless starts.jpg", Jpeg(starts + kEoi), kUnknown, kUnknown);
  }
  add_good("hostile/t055 exif outside.jpg", JpegWithExifOutside(26, 12), {26, 12});
  // A side that does not fit into 16 bits keeps 50; the other side is still the picture's.
  add_good("hostile/t056 wide.bmp", WithLE32(MakeBmp(4, 3), 18, 70000), {50, 3});
  add_good("hostile/t057 wide.gif", WithLE16(MakeGif(4, 2), 6, 40000), {50, 2});
  add_good("hostile/t058 huge.bmp",
           WithLE32(WithLE32(MakeBmp(4, 3), 18, 0x7FFFFFFF), 22, 0x80000000), kUnknown);
  add("hostile/t059 not a jpeg.jpg", std::string(5000, 'J') + kEoi, kUnknown, kUnknown);
  add("hostile/t060 emf inverted.emf", MakeEmf({500, 500, 0, 0}), kUnknown, kUnknown);
  add("hostile/t061 wmf zero inch.wmf", MakeWmf({0, 0, 750, 945, 0}), kUnknown, kUnknown);
  add(
      "hostile/t062 png zero.png",
      [] {
        std::string png = MakePng(3, 3);
        png.replace(16, 4, std::string(4, '\0'));
        return png;
      }(),
      kUnknown, std::nullopt);

  // Pipes named like pictures of every kind: nobody ever writes into them, so a program that
  // opened one to wait for data, or read one to its end, would never finish.
  for (const char* name :
       {"t080.gif", "t081.jpg", "t082.bmp", "t083.wmf", "t084.emf", "t085.png", "t086.jpeg"}) {
    const fs::path pipe = tree / "pipes" / name;
    fs::create_directories(pipe.parent_path());
    EXPECT_EQ(mkfifo(pipe.c_str(), 0666), 0) << pipe;
    const bool png = std::string_view(name).ends_with(".png");
    expected.push_back({std::string("pipes/") + name, kUnknown,
                        png ? std::nullopt : std::optional<Size>(kUnknown)});
  }

  // Files and folders the program may not read.
  if (lock_some) {
    add("locked/t070 locked.gif", MakeGif(27, 10), kUnknown, kUnknown);
    add("locked/t071 locked.jpg", MakeJpeg(28, 10), kUnknown, kUnknown);
    add("locked/t072 locked.bmp", MakeBmp(29, 10), kUnknown, kUnknown);
    add("locked/closed/t073 hidden.gif", MakeGif(30, 10), std::nullopt, std::nullopt);
    add("locked/t074 readable.gif", MakeGif(31, 10), Size{31, 10}, Size{31, 10});
  }
  return expected;
}

void LockUnreadable(const fs::path& tree) {
  for (const char* name : {"t070 locked.gif", "t071 locked.jpg", "t072 locked.bmp"}) {
    fs::permissions(tree / "locked" / name, fs::perms::none);
  }
  fs::permissions(tree / "locked" / "closed", fs::perms::none);
}

// --- the sandbox ------------------------------------------------------------------------------

// How the program is run: as "nobody" when the test runs as root, so that unreadable files are
// unreadable to it.
struct Identity {
  std::optional<Account> account;
  bool can_lock = false;
  std::string why_not;
};

Identity ChooseIdentity() {
  Identity identity;
  if (geteuid() != 0) {
    identity.can_lock = true;
    return identity;
  }
  identity.account = FindAccount("nobody");
  identity.can_lock = identity.account.has_value();
  if (!identity.can_lock) {
    identity.why_not = "running as root without a \"nobody\" account to run the program as";
  }
  return identity;
}

void GiveTo(const fs::path& root, const Account& account) {
  ASSERT_EQ(lchown(root.c_str(), account.user_id, account.group_id), 0) << root;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
       ++it) {
    ASSERT_EQ(lchown(it->path().c_str(), account.user_id, account.group_id), 0) << it->path();
  }
}

// A copy of the program, with or without the plug-ins beside it, so that its own folder (where
// it keeps its default output) lies inside the sandbox.
fs::path CopyProgram(const fs::path& folder, bool with_plugins) {
  fs::create_directories(folder);
  const fs::path program(kProgram);
  fs::copy_file(program, folder / program.filename());
  if (with_plugins) {
    for (const char* plugin : {"ifjpeg.spi", "ifpng.spi", "ifwmf.spi"}) {
      fs::copy_file(program.parent_path() / plugin, folder / plugin);
    }
  }
  return folder / program.filename();
}

std::vector<std::string> ChildEnvironment(const fs::path& sandbox) {
  std::vector<std::string> environment = {
      "PATH=/usr/bin:/bin",
      "LANG=C.UTF-8",
      "HOME=" + (sandbox / "home").string(),
      "XDG_CONFIG_HOME=" + (sandbox / "home" / ".config").string(),
      "XDG_RUNTIME_DIR=" + (sandbox / "runtime").string(),
      "TMPDIR=" + (sandbox / "tmp").string(),
  };
  for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
    if (const char* value = std::getenv(name)) {
      environment.push_back(std::string(name) + "=" + value);
    }
  }
  return environment;
}

// Deterministic noise, the same on every machine.
std::string RandomBytes(std::uint64_t seed, std::size_t count) {
  std::string bytes(count, '\0');
  for (char& byte : bytes) {
    seed += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = seed;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    byte = static_cast<char>((z ^ (z >> 31)) & 0xFF);
  }
  return bytes;
}

// Every picture kind on, 300-pixel thumbnails, 20 per page, a frame set, the pages into out.
std::string GoodSettings(const fs::path& out) {
  return "[SearchDir]\r\nSubDir=1\r\nGIF=1\r\nJPEG=1\r\nPNG=1\r\nBMP=1\r\nWMF=1\r\nEMF=1\r\n"
         "[PageFormat]\r\nPixel=2\r\nIPP=5\r\nFrameMenu=1\r\nTitle=壊れた絵\r\n"
         "[OutFile]\r\nFileName=Pictavue\r\nDirName=" +
         out.string() + "\r\nOutputDir=0\r\nAutoOpenMode=0\r\n";
}

struct FileState {
  fs::file_type type = fs::file_type::none;
  std::uintmax_t size = 0;
  fs::file_time_type time;
  bool operator==(const FileState&) const = default;
};

// Every entry under root (symbolic links not followed), as the root account sees it.
std::map<std::string, FileState> Snapshot(const fs::path& root) {
  std::map<std::string, FileState> entries;
  for (auto it =
           fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied);
       it != fs::recursive_directory_iterator(); ++it) {
    const fs::file_status status = it->symlink_status();
    FileState state{status.type(), 0, {}};
    if (status.type() == fs::file_type::regular) {
      state.size = it->file_size();
      state.time = it->last_write_time();
    }
    entries[it->path().string()] = state;
  }
  return entries;
}

bool IsInside(const std::string& path, const fs::path& folder) {
  const std::string prefix = folder.string() + "/";
  return path.compare(0, prefix.size(), prefix) == 0;
}

// --- reading the pages ------------------------------------------------------------------------

// An attribute value as the browser reads it: character references resolved.
std::string DecodeReferences(const std::string& text) {
  static const std::regex kReference("&(#[0-9]+|#x[0-9A-Fa-f]+|quot|lt|gt|amp|apos);");
  std::string out;
  auto last = text.cbegin();
  for (std::sregex_iterator it(text.begin(), text.end(), kReference), end; it != end; ++it) {
    out.append(last, (*it)[0].first);
    const std::string name = (*it)[1];
    static const std::map<std::string, unsigned long> kNamed = {
        {"quot", '"'}, {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"apos", '\''}};
    const auto named = kNamed.find(name);
    const unsigned long code = named != kNamed.end() ? named->second
                               : name[1] == 'x'      ? std::stoul(name.substr(2), nullptr, 16)
                                                     : std::stoul(name.substr(1));
    if (code < 0x80) {
      out.push_back(static_cast<char>(code));
    } else {
      out += "?";  // names here keep their other characters as they are
    }
    last = (*it)[0].second;
  }
  out.append(last, text.cend());
  return out;
}

std::string DecodePercent(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() &&
        std::isxdigit(static_cast<unsigned char>(text[i + 1])) != 0 &&
        std::isxdigit(static_cast<unsigned char>(text[i + 2])) != 0) {
      out.push_back(static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)));
      i += 2;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

std::string PageName(int page) {
  char name[32];
  std::snprintf(name, sizeof name, "Pictavue%03d.htm", page);
  return name;
}

struct PictureOnPage {
  std::string page;
  std::string file;  // the picture's path, from its address
  Size shown;        // the img element's width and height
  Size stated;       // the size the alt text gives
};

std::vector<PictureOnPage> PicturesOnPages(const fs::path& folder) {
  static const std::regex kImage(
      "<img src=\"([^\"]*)\" width=([0-9]+) height=([0-9]+) alt=\"[^\"]* ([0-9]+)x([0-9]+)"
      "pixel\" border=0>");
  std::vector<PictureOnPage> pictures;
  for (int page = 1;; ++page) {
    const fs::path path = folder / PageName(page);
    if (!fs::exists(path)) {
      break;
    }
    const std::string text = ReadFileBytes(path);
    for (std::sregex_iterator it(text.begin(), text.end(), kImage), end; it != end; ++it) {
      std::string address = DecodePercent(DecodeReferences((*it)[1]));
      if (address.rfind("file://", 0) == 0) {
        address.erase(0, 7);
      }
      pictures.push_back({path.filename().string(),
                          address,
                          {std::stoi((*it)[2]), std::stoi((*it)[3])},
                          {std::stoi((*it)[4]), std::stoi((*it)[5])}});
    }
  }
  return pictures;
}

std::string Printable(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

// The settings file reads back with the options the run was given and the tree first in the
// history.
void ExpectSettingsReadBack(const fs::path& settings, const fs::path& tree, const fs::path& out) {
  const CodePage utf8("UTF-8");
  const std::string bytes = ReadFileBytes(settings);
  ASSERT_FALSE(bytes.empty());
  const ProfileFile file = ProfileFile::Parse(bytes);
  const LoadedSettings loaded = LoadSettings(file, utf8, "/nowhere", PathStyle::kPosix);
  ASSERT_FALSE(loaded.history.empty());
  EXPECT_EQ(loaded.history.entries().front(), tree.string());
  EXPECT_EQ(loaded.options.DirName, out.string());
  for (const char* key : {"SubDir", "GIF", "JPEG", "PNG", "BMP", "WMF", "EMF", "SameSize"}) {
    EXPECT_TRUE(file.RawValue("SearchDir", key).has_value()) << key;
  }
  for (const char* key : {"Pixel", "IPP", "BGColor", "Title", "Delay"}) {
    EXPECT_TRUE(file.RawValue("PageFormat", key).has_value()) << key;
  }
  for (const char* key : {"FileName", "DirName", "OutputDir"}) {
    EXPECT_TRUE(file.RawValue("OutFile", key).has_value()) << key;
  }
  // Saved whole: the file ends with a line end, and no temporary file is left beside it.
  EXPECT_TRUE(bytes.ends_with("\r\n"));
  for (const auto& entry : fs::directory_iterator(settings.parent_path())) {
    EXPECT_EQ(entry.path(), settings) << "left beside the settings file: " << entry.path();
  }
}

// --- one run ----------------------------------------------------------------------------------

class HostileInput : public ::testing::Test {
 protected:
  void SetUp() override {
    identity_ = ChooseIdentity();
    tree_ = sandbox_.path() / "tree";
    for (const char* folder : {"home", "runtime", "tmp", "work", "settings"}) {
      fs::create_directories(sandbox_.path() / folder);
    }
  }

  // Builds the tree, runs the program on it and checks what every run must hold.
  ChildResult Run(const fs::path& program, const fs::path& settings, const fs::path& out) {
    expected_ = BuildTree(tree_, identity_.can_lock);
    if (identity_.account) {
      GiveTo(sandbox_.path(), *identity_.account);
    }
    if (identity_.can_lock) {
      LockUnreadable(tree_);
    }
    const auto before = Snapshot(sandbox_.path());

    ChildRequest request;
    request.argv = {program.string(), "--batch",         "--yes",
                    "--settings",     settings.string(), tree_.string()};
    request.environment = ChildEnvironment(sandbox_.path());
    request.working_folder = (sandbox_.path() / "work").string();
    request.time_limit = kTimeLimit;
    if (identity_.account) {
      request.user_id = identity_.account->user_id;
      request.group_id = identity_.account->group_id;
    }
    const ChildResult result = RunChild(request);

    EXPECT_TRUE(result.started) << result.failure;
    EXPECT_FALSE(result.timed_out) << "the program did not finish within the time limit";
    EXPECT_EQ(result.signal, 0) << result.Describe() << "\n" << result.err;
    EXPECT_EQ(result.err.find("Sanitizer"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("runtime error"), std::string::npos) << result.err;

    // Nothing but the pages and the settings file may have been written.
    const auto after = Snapshot(sandbox_.path());
    for (const auto& [path, state] : after) {
      const auto old = before.find(path);
      if (old != before.end() && old->second == state) {
        continue;
      }
      EXPECT_TRUE(IsInside(path, out) || path == settings.string())
          << "written outside the output folder: " << Printable(path);
    }
    for (const auto& [path, state] : before) {
      EXPECT_TRUE(after.count(path) != 0 || IsInside(path, out)) << "removed: " << Printable(path);
    }
    return result;
  }

  // Every picture that must be shown is shown once, with its size; no other file is shown.
  void ExpectPictures(const fs::path& out, bool with_plugins) {
    const std::vector<PictureOnPage> shown = PicturesOnPages(out);
    std::map<std::string, const Expected*> by_file;
    for (const Expected& entry : expected_) {
      by_file[fs::weakly_canonical(tree_ / entry.path).string()] = &entry;
    }
    std::map<const Expected*, int> seen;
    for (const PictureOnPage& picture : shown) {
      std::error_code error;
      const std::string real = fs::weakly_canonical(picture.file, error).string();
      const auto found = by_file.find(real);
      if (found == by_file.end()) {
        ADD_FAILURE() << picture.page << " shows a file that is no picture of the tree: "
                      << Printable(picture.file);
        continue;
      }
      const Expected& entry = *found->second;
      ++seen[&entry];
      const std::optional<Size> size = with_plugins ? entry.with_plugins : entry.without_plugins;
      if (!size) {
        ADD_FAILURE() << picture.page << " shows " << Printable(entry.path);
        continue;
      }
      EXPECT_EQ(picture.stated, *size) << Printable(entry.path) << " on " << picture.page;
      EXPECT_EQ(picture.shown, *size) << Printable(entry.path) << " on " << picture.page;
    }
    for (const Expected& entry : expected_) {
      const bool wanted = (with_plugins ? entry.with_plugins : entry.without_plugins).has_value();
      const int count = seen[&entry];
      if (wanted) {
        EXPECT_GE(count, 1) << "missing from the pages: " << Printable(entry.path);
        EXPECT_LE(count, entry.may_repeat ? 2 : 1)
            << "shown more than once: " << Printable(entry.path);
      }
    }
  }

  // The index pages are whole and the frame set links every one of them.
  void ExpectWholePages(const fs::path& out, int picture_count, int per_page) {
    const int pages = (picture_count + per_page - 1) / per_page;
    for (int page = 1; page <= pages; ++page) {
      EXPECT_TRUE(ReadFileBytes(out / PageName(page)).ends_with("</body></html>\r\n"))
          << PageName(page) << " is cut short";
    }
    EXPECT_FALSE(fs::exists(out / PageName(pages + 1)));
    if (pages >= 2) {
      const std::string menu = ReadFileBytes(out / "Pictavuem.htm");
      int links = 0;
      for (auto at = menu.find("target=\"main\""); at != std::string::npos;
           at = menu.find("target=\"main\"", at + 1)) {
        ++links;
      }
      EXPECT_EQ(links, pages);
      EXPECT_TRUE(fs::exists(out / "Pictavue.htm"));
    }
  }

  int WantedCount(bool with_plugins) const {
    int count = 0;
    for (const Expected& entry : expected_) {
      count += (with_plugins ? entry.with_plugins : entry.without_plugins).has_value() ? 1 : 0;
    }
    return count;
  }

  // The tree with every kind on, the settings after the given bytes: pages, sizes, settings.
  void RunWithGoodSettings(bool with_plugins, const std::string& before) {
    NoteIdentity();
    const fs::path out = sandbox_.path() / "out";
    fs::create_directories(out);
    const fs::path settings = sandbox_.path() / "settings" / "Pictavue.ini";
    WriteBytes(settings, before + GoodSettings(out));
    const fs::path program = CopyProgram(sandbox_.path() / "program", with_plugins);

    const ChildResult result = Run(program, settings, out);
    ASSERT_EQ(result.exit_code, 0) << result.Describe() << "\n" << result.err;
    ExpectPictures(out, with_plugins);
    ExpectWholePages(out, WantedCount(with_plugins), 20);
    ExpectSettingsReadBack(settings, tree_, out);
  }

  void NoteIdentity() {
    if (!identity_.can_lock) {
      std::printf("[ NOTE     ] unreadable files and folders left out: %s\n",
                  identity_.why_not.c_str());
    }
  }

  TempFolder sandbox_;
  Identity identity_;
  fs::path tree_;
  std::vector<Expected> expected_;
};

TEST_F(HostileInput, WithPlugins) {
  // Noise before the sections: the reader must step over it and still find every key. Without
  // NUL bytes, which would make the file one the save leaves alone (see below).
  std::string noise = RandomBytes(1, 4096);
  std::replace(noise.begin(), noise.end(), '\0', ' ');
  RunWithGoodSettings(true, noise + "\r\n");
}

TEST_F(HostileInput, WithoutPlugins) {
  RunWithGoodSettings(false, "");
}

// A settings file of nothing but random bytes: every option takes its default, so the pages go
// into the program's own folder; the file holds NUL bytes, so it is no text the save could
// rewrite, and it is left as it was, with a word on standard error.
TEST_F(HostileInput, SettingsOfRandomBytes) {
  const fs::path settings = sandbox_.path() / "settings" / "Pictavue.ini";
  const std::string noise = RandomBytes(2, 65536);
  WriteBytes(settings, noise);
  const fs::path program_folder = sandbox_.path() / "program";
  const fs::path program = CopyProgram(program_folder, true);

  const ChildResult result = Run(program, settings, program_folder);
  ASSERT_EQ(result.exit_code, 0) << result.Describe() << "\n" << result.err;
  EXPECT_TRUE(fs::exists(program_folder / "Pictavue001.htm"));
  EXPECT_EQ(ReadFileBytes(settings), noise);
  EXPECT_NE(result.err.find("に保存できませんでした: テキストファイルではありません。"),
            std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace pictavue::testing
