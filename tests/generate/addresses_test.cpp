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

TEST(HomePageAddressTest, PointsAtTheShippedGuide) {
  struct Case {
    PathStyle style;
    const char* docs_folder;
    const char* address;
  };
  for (const Case& c : {
           Case{kWin, "C:\\Program Files\\Pictavue\\docs",
                "file:///C|/Program Files/Pictavue/docs/index.html"},
           Case{kWin, "D:\\", "file:///D|/index.html"},
           Case{kPosix, "/usr/share/doc/pictavue", "file:///usr/share/doc/pictavue/index.html"},
       }) {
    EXPECT_EQ(HomePageAddress(c.docs_folder, c.style), c.address) << c.docs_folder;
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

// Names a picture or a folder may have, and the address that reaches them: never a scheme, a
// drive or a shorter name, whatever a URL parser strips or folds.
TEST(AddressTextTest, AnAddressStaysTheFileItNames) {
  constexpr AddressKind kRel = AddressKind::kRelative;
  constexpr AddressKind kAbs = AddressKind::kAbsolute;
  struct Case {
    AddressKind kind;
    PathStyle style;
    const char* address;
    const char* expected;
  };
  for (const Case& c : {
           Case{kRel, kPosix, "javascript:alert(1);x={}.gif", "javascript%3Aalert(1);x={}.gif"},
           Case{kRel, kPosix, "JaVaScRiPt:alert(2)/a.gif", "JaVaScRiPt%3Aalert(2)/a.gif"},
           Case{kRel, kPosix, "http:/127.0.0.1:8765/b.gif", "http%3A/127.0.0.1:8765/b.gif"},
           Case{kRel, kPosix, "data:text,hi.gif", "data%3Atext,hi.gif"},
           Case{kRel, kPosix, "Trip:2020/c.gif", "Trip%3A2020/c.gif"},
           Case{kRel, kPosix, "a+b.c-d:e.gif", "a+b.c-d%3Ae.gif"},
           Case{kRel, kPosix, "a|/x.gif", "a%7C/x.gif"},
           // Blanks and controls that a parser strips, at the ends of the address or a segment.
           Case{kRel, kPosix, " javascript:alert(1).gif", "%20javascript:alert(1).gif"},
           Case{kRel, kPosix, " /n.gif", "%20/n.gif"},
           Case{kRel, kPosix, "Trip /  a b.gif", "Trip%20/%20%20a b.gif"},
           Case{kRel, kPosix, "java\tscript:x.gif", "java%09script:x.gif"},
           Case{kRel, kPosix, "new\nline\x7F.gif", "new%0Aline%7F.gif"},
           Case{kRel, kWin, " lead.gif", "%20lead.gif"},
           // Neither a scheme nor a drive: the bytes stay.
           Case{kRel, kPosix, "12:30/a.gif", "12:30/a.gif"},
           Case{kRel, kPosix, "a b:c.gif", "a b:c.gif"},
           Case{kRel, kPosix, "x/y:z/a|/b.gif", "x/y:z/a|/b.gif"},
           Case{kRel, kPosix, "ab|/x.gif", "ab|/x.gif"},
           Case{kRel, kPosix, "\u2028\u202Efig.gif", "\u2028\u202Efig.gif"},
           Case{kRel, kWin, "Day 2/d.jpg", "Day 2/d.jpg"},
           // Absolute: the scheme is ours, only a POSIX root folder can look like a drive.
           Case{kAbs, kPosix, "file:///a|/x.gif", "file:///a%7C/x.gif"},
           Case{kAbs, kPosix, "file:///srv/javascript:x/ a.gif",
                "file:///srv/javascript:x/%20a.gif"},
           Case{kAbs, kWin, "file:///C|/Photos/ x /a.jpg", "file:///C|/Photos/%20x%20/a.jpg"},
           Case{kAbs, kWin, "file://///server/share/a.jpg", "file://///server/share/a.jpg"},
       }) {
    EXPECT_EQ(AddressText(c.address, c.kind, c.style), c.expected) << c.address;
  }
  // The writers around the rule: a script string decodes once more, a refresh address must not
  // start with a quote.
  std::string script;
  AppendScriptAddress(script, " javascript:x.gif", kRel, kPosix);
  EXPECT_EQ(script, "%2520javascript:x.gif");
  std::string refresh;
  AppendRefreshAddress(refresh, "'q002.htm", kWin);
  EXPECT_EQ(refresh, "%27q002.htm");
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
           EscapeCase{kWin, "x/a?.jpg", "x/a?.jpg", "x/a?.jpg", "x/a?.jpg", "x/a?.jpg"},
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
    AppendAddress(address, c.name, AddressKind::kRelative, c.style);
    EXPECT_EQ(address, c.address) << c.name;
    std::string script;
    AppendScriptAddress(script, c.name, AddressKind::kRelative, c.style);
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
  AppendScriptAddress(script, "a\\'b", AddressKind::kRelative, PathStyle::kWindows);
  EXPECT_EQ(script, "a\\\\\\'b");
}

}  // namespace
}  // namespace pictavue
