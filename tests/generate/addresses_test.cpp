#include "generate/addresses.h"

#include <string>

#include <gtest/gtest.h>

#include "generate/html_text.h"

namespace pictavue {
namespace {

constexpr PathStyle kWin = PathStyle::kWindows;
constexpr PathStyle kPosix = PathStyle::kPosix;

TEST(AddressesTest, UrlPathAndRelativePathPerStyle) {
  struct Case {
    PathStyle style;
    const char* path;
    const char* search_dir;
    const char* url_path;
    const char* relative;
  };
  for (const Case& c : {
           Case{kWin, "C:\\Photos\\Trip\\a.jpg", "C:\\Photos", "C|/Photos/Trip/a.jpg",
                "Trip/a.jpg"},
           // A trailing backslash on the search folder drops the same text.
           Case{kWin, "C:\\Photos\\Trip\\a.jpg", "C:\\Photos\\", "C|/Photos/Trip/a.jpg",
                "Trip/a.jpg"},
           // A drive root ends in a backslash already.
           Case{kWin, "C:\\a.jpg", "C:\\", "C|/a.jpg", "a.jpg"},
           Case{kWin, "\\\\server\\share\\x\\b.gif", "\\\\server\\share", "//server/share/x/b.gif",
                "x/b.gif"},
           // Nothing is encoded by these rules: that is the writers' business.
           Case{kWin, "C:\\My Photos\\#1 100%.jpg", "C:\\My Photos", "C|/My Photos/#1 100%.jpg",
                "#1 100%.jpg"},
           Case{kPosix, "/home/me/Photos/Trip/a.jpg", "/home/me/Photos",
                "home/me/Photos/Trip/a.jpg", "Trip/a.jpg"},
           Case{kPosix, "/home/me/Photos/Trip/a.jpg", "/home/me/Photos/",
                "home/me/Photos/Trip/a.jpg", "Trip/a.jpg"},
           Case{kPosix, "/a.jpg", "/", "a.jpg", "a.jpg"},
           Case{kPosix, "/srv/x:y/a\\b.jpg", "/srv", "srv/x:y/a\\b.jpg", "x:y/a\\b.jpg"},
       }) {
    EXPECT_EQ(UrlPath(c.path, c.style), c.url_path) << c.path;
    EXPECT_EQ(RelativePath(c.path, c.search_dir, c.style), c.relative) << c.path;
  }
  // A search folder as long as the path leaves nothing rather than reading past it.
  EXPECT_EQ(RelativePath("C:\\a", "C:\\abc", kWin), "");
}

TEST(AddressesTest, PictureTargetIsRelativeOnlyForPagesInTheSearchFolder) {
  EXPECT_EQ(PictureTarget("C:\\Photos\\Trip\\a.jpg", "C:\\Photos", true, kWin), "Trip/a.jpg");
  EXPECT_EQ(PictureTarget("C:\\Photos\\Trip\\a.jpg", "C:\\Photos", false, kWin),
            "file:///C|/Photos/Trip/a.jpg");
  EXPECT_EQ(PictureTarget("/home/me/a.jpg", "/home/me", true, kPosix), "a.jpg");
  EXPECT_EQ(PictureTarget("/home/me/a.jpg", "/home/me", false, kPosix), "file:///home/me/a.jpg");
  EXPECT_EQ(FileAddress("C:\\Program Files\\Pictavue\\docs\\index.html", kWin),
            "file:///C|/Program Files/Pictavue/docs/index.html");
  EXPECT_EQ(FileAddress("/opt/pictavue/docs/index.html", kPosix),
            "file:///opt/pictavue/docs/index.html");
}

TEST(HomePageAddressTest, PointsAtTheDocumentationBesideTheProgram) {
  struct Case {
    PathStyle style;
    const char* program_folder;
    const char* address;
  };
  for (const Case& c : {
           Case{kWin, "C:\\Program Files\\Pictavue",
                "file:///C|/Program Files/Pictavue/docs/index.html"},
           Case{kWin, "D:\\", "file:///D|/docs/index.html"},
           Case{kPosix, "/opt/pictavue", "file:///opt/pictavue/docs/index.html"},
           Case{kPosix, "/", "file:///docs/index.html"},
       }) {
    EXPECT_EQ(HomePageAddress(c.program_folder, c.style), c.address) << c.program_folder;
  }
}

TEST(AddressesTest, FolderHeadingTextKeepsTheSeparatorOfARootOnly) {
  struct Case {
    PathStyle style;
    const char* folder;
    const char* with_path;
    const char* name_only;
  };
  for (const Case& c : {
           Case{kWin, "C:\\Photos\\Trip\\", "C:\\Photos\\Trip", "Trip"},
           Case{kWin, "C:\\", "C:\\", ""},
           Case{kWin, "C:\\ab\\", "C:\\ab", "ab"},
           // Roots keep their separator and have no last folder name; a short relative
           // folder is not a root, but a name without a separator has no last folder name.
           Case{kWin, "\\\\srv\\share\\", "\\\\srv\\share\\", ""},
           Case{kWin, "ab\\", "ab", ""},
           Case{kWin, "写真\\", "写真", ""},
           Case{kWin, "C:\\写真\\", "C:\\写真", "写真"},
           Case{kPosix, "/home/me/Trip/", "/home/me/Trip", "Trip"},
           Case{kPosix, "/", "/", ""},
           Case{kPosix, "/ab/", "/ab", "ab"},
           // Only the style's own separator ends a folder name.
           Case{kWin, "C:\\a/b\\", "C:\\a/b", "a/b"},
           Case{kPosix, "/a\\b/", "/a\\b", "a\\b"},
       }) {
    EXPECT_EQ(FolderHeadingText(c.folder, true, c.style), c.with_path) << c.folder;
    EXPECT_EQ(FolderHeadingText(c.folder, false, c.style), c.name_only) << c.folder;
  }
}

// How a name is written in each place of a page. Addresses encode what would end or bend them;
// an '&' becomes "&amp;" only where a browser would read a character reference, and the rules for
// that differ between text and attribute values.
struct EscapeCase {
  PathStyle style;
  const char* name;
  const char* text;       // link texts, headings
  const char* attribute;  // alt texts
  const char* address;    // src and href
  const char* script;     // inside '...' of a JavaScript: link
};

TEST(EscapingTest, NamesAreWrittenSoThatThePageHoldsAndTheAddressReachesTheFile) {
  for (const EscapeCase& c : {
           EscapeCase{kWin, "it's.jpg", "it's.jpg", "it's.jpg", "it's.jpg", "it\\'s.jpg"},
           EscapeCase{kWin, "#1.jpg", "#1.jpg", "#1.jpg", "%231.jpg", "%25231.jpg"},
           EscapeCase{kWin, "100%.jpg", "100%.jpg", "100%.jpg", "100%25.jpg", "100%2525.jpg"},
           EscapeCase{kWin, "%23.jpg", "%23.jpg", "%23.jpg", "%2523.jpg", "%252523.jpg"},
           EscapeCase{kWin, "C|/x/a?.jpg", "C|/x/a?.jpg", "C|/x/a?.jpg", "C|/x/a?.jpg",
                      "C|/x/a?.jpg"},
           // Windows refuses these in names; a POSIX name may hold them.
           EscapeCase{kPosix, "\"><script>.jpg", "&quot;&gt;&lt;script&gt;.jpg",
                      "&quot;&gt;&lt;script&gt;.jpg", "&quot;&gt;&lt;script&gt;.jpg",
                      "&quot;&gt;&lt;script&gt;.jpg"},
           EscapeCase{kPosix, "q?.jpg", "q?.jpg", "q?.jpg", "q%3F.jpg", "q%253F.jpg"},
           EscapeCase{kPosix, "a\\b.jpg", "a\\b.jpg", "a\\b.jpg", "a%5Cb.jpg", "a%255Cb.jpg"},
           EscapeCase{kPosix, "tab\there.jpg", "tab\there.jpg", "tab\there.jpg", "tab%09here.jpg",
                      "tab%2509here.jpg"},
           EscapeCase{kPosix, "bad\xE9.jpg", "bad\uFFFD.jpg", "bad\uFFFD.jpg", "bad%E9.jpg",
                      "bad%25E9.jpg"},
           EscapeCase{kPosix, "\xE5\x86.jpg", "\uFFFD\uFFFD.jpg", "\uFFFD\uFFFD.jpg", "%E5%86.jpg",
                      "%25E5%2586.jpg"},
           EscapeCase{kPosix, "夏 休み.png", "夏 休み.png", "夏 休み.png", "夏 休み.png",
                      "夏 休み.png"},
           // An '&' that starts no reference stays.
           EscapeCase{kWin, "a & b.jpg", "a & b.jpg", "a & b.jpg", "a & b.jpg", "a & b.jpg"},
           EscapeCase{kWin, "a&foo;.jpg", "a&foo;.jpg", "a&foo;.jpg", "a&foo;.jpg", "a&foo;.jpg"},
           EscapeCase{kWin, "&Amp;.jpg", "&Amp;.jpg", "&Amp;.jpg", "&Amp;.jpg", "&Amp;.jpg"},
           EscapeCase{kWin, "&#.jpg", "&#.jpg", "&#.jpg", "&%23.jpg", "&%2523.jpg"},
           EscapeCase{kWin, "a&&.jpg", "a&&.jpg", "a&&.jpg", "a&&.jpg", "a&&.jpg"},
           // A legacy name without ";" followed by something that cannot continue it.
           EscapeCase{kWin, "a&copy.gif", "a&amp;copy.gif", "a&amp;copy.gif", "a&amp;copy.gif",
                      "a&amp;copy.gif"},
           EscapeCase{kWin, "&AMP 1.jpg", "&amp;AMP 1.jpg", "&amp;AMP 1.jpg", "&amp;AMP 1.jpg",
                      "&amp;AMP 1.jpg"},
           EscapeCase{kWin, "x&lt", "x&amp;lt", "x&amp;lt", "x&amp;lt", "x&amp;lt"},
           // Followed by a letter, a digit or "=", it is a reference in text only.
           EscapeCase{kWin, "a&copyx.gif", "a&amp;copyx.gif", "a&copyx.gif", "a&copyx.gif",
                      "a&copyx.gif"},
           EscapeCase{kWin, "a&copy=1.gif", "a&amp;copy=1.gif", "a&copy=1.gif", "a&copy=1.gif",
                      "a&copy=1.gif"},
           EscapeCase{kWin, "&notit;.jpg", "&amp;notit;.jpg", "&notit;.jpg", "&notit;.jpg",
                      "&notit;.jpg"},
           EscapeCase{kWin, "&sup12.jpg", "&amp;sup12.jpg", "&sup12.jpg", "&sup12.jpg",
                      "&sup12.jpg"},
           // A name with its ";" is a reference everywhere, legacy or not.
           EscapeCase{kWin, "a&amp;.jpg", "a&amp;amp;.jpg", "a&amp;amp;.jpg", "a&amp;amp;.jpg",
                      "a&amp;amp;.jpg"},
           EscapeCase{kWin, "&notin;.jpg", "&amp;notin;.jpg", "&amp;notin;.jpg", "&amp;notin;.jpg",
                      "&amp;notin;.jpg"},
           EscapeCase{kWin, "&frac12;", "&amp;frac12;", "&amp;frac12;", "&amp;frac12;",
                      "&amp;frac12;"},
           // Numeric references in names; an address writes "#" as %23, which ends them.
           EscapeCase{kWin, "&#38;.jpg", "&amp;#38;.jpg", "&amp;#38;.jpg", "&%2338;.jpg",
                      "&%252338;.jpg"},
           EscapeCase{kWin, "&#x41.jpg", "&amp;#x41.jpg", "&amp;#x41.jpg", "&%23x41.jpg",
                      "&%2523x41.jpg"},
           // What the escaping writes after the '&' decides, not the name itself.
           EscapeCase{kWin, "&copy%.jpg", "&amp;copy%.jpg", "&amp;copy%.jpg", "&amp;copy%25.jpg",
                      "&amp;copy%2525.jpg"},
           EscapeCase{kWin, "&copy'.jpg", "&amp;copy'.jpg", "&amp;copy'.jpg", "&amp;copy'.jpg",
                      "&amp;copy\\'.jpg"},
           EscapeCase{kPosix, "&copy<1>.jpg", "&amp;copy&lt;1&gt;.jpg", "&amp;copy&lt;1&gt;.jpg",
                      "&amp;copy&lt;1&gt;.jpg", "&amp;copy&lt;1&gt;.jpg"},
           EscapeCase{kPosix, "&reg?.jpg", "&amp;reg?.jpg", "&amp;reg?.jpg", "&amp;reg%3F.jpg",
                      "&amp;reg%253F.jpg"},
           EscapeCase{kPosix, "&yen写真.jpg", "&amp;yen写真.jpg", "&amp;yen写真.jpg",
                      "&amp;yen写真.jpg", "&amp;yen写真.jpg"},
           EscapeCase{kPosix, "&amp\xE9.jpg", "&amp;amp\uFFFD.jpg", "&amp;amp\uFFFD.jpg",
                      "&amp;amp%E9.jpg", "&amp;amp%25E9.jpg"},
       }) {
    std::string text;
    AppendNameText(text, c.name);
    EXPECT_EQ(text, c.text) << c.name;
    std::string attribute;
    AppendNameAttribute(attribute, c.name);
    EXPECT_EQ(attribute, c.attribute) << c.name;
    std::string address;
    AppendAddress(address, c.name, c.style);
    EXPECT_EQ(address, c.address) << c.name;
    std::string script;
    AppendScriptAddress(script, c.name, c.style);
    EXPECT_EQ(script, c.script) << c.name;
  }
}

TEST(EscapingTest, OnlyAnAmpersandCanStartAReference) {
  EXPECT_FALSE(StartsCharacterReference("", HtmlPlace::kText));
  EXPECT_FALSE(StartsCharacterReference("&", HtmlPlace::kText));
  EXPECT_FALSE(StartsCharacterReference("copy;", HtmlPlace::kText));
  // The ends of the table of names and of its legacy part.
  EXPECT_TRUE(StartsCharacterReference("&AElig;", HtmlPlace::kAttribute));
  EXPECT_TRUE(StartsCharacterReference("&zwnj;", HtmlPlace::kAttribute));
  EXPECT_TRUE(StartsCharacterReference("&yuml", HtmlPlace::kAttribute));
}

// Plain bytes are skipped several at a time: a byte to rewrite is found wherever it stands in a
// long run, at its start, inside it, and among the last few bytes.
TEST(EscapingTest, EveryPlaceInALongRunIsLookedAt) {
  const std::string plain = "abcdefghijklmnopqrstuvwxy";
  for (std::size_t at = 0; at < plain.size(); ++at) {
    const std::string before = plain.substr(0, at);
    const std::string after = plain.substr(at + 1);
    std::string address;
    AppendAddress(address, before + "#" + after, kPosix);
    EXPECT_EQ(address, before + "%23" + after) << at;
    std::string text;
    AppendNameText(text, before + "<" + after);
    EXPECT_EQ(text, before + "&lt;" + after) << at;
    std::string cut;  // a byte that starts no UTF-8 sequence
    AppendNameText(cut, before + "\xFF" + after);
    EXPECT_EQ(cut, before + "\uFFFD" + after) << at;
  }
}

TEST(EscapingTest, ScriptStringsEscapeTheirOwnQuoteAndBackslash) {
  // No address reaches here with a backslash (Windows turns it into '/', POSIX encodes it), but
  // the script string must survive one all the same.
  std::string script;
  AppendScriptAddress(script, "a\\'b", PathStyle::kWindows);
  EXPECT_EQ(script, "a\\\\\\'b");
}

}  // namespace
}  // namespace pictavue
