#include <string>

#include <gtest/gtest.h>

#include "generate/html_text.h"

namespace pictavue {
namespace {

constexpr PathStyle kPosix = PathStyle::kPosix;
constexpr PathStyle kWin = PathStyle::kWindows;

// How one name is written in each place of a page. An '&' becomes "&amp;" only where a browser
// would read a character reference; the rules differ between text and attribute values.
struct AmpersandCase {
  PathStyle style;
  const char* name;
  const char* text;       // link texts, headings
  const char* attribute;  // alt texts
  const char* address;    // src and href
  const char* script;     // inside '...' of a JavaScript: link
};

TEST(AmpersandTest, IsEscapedExactlyWhereABrowserWouldReadACharacterReference) {
  for (const AmpersandCase& c : {
           // Ordinary names stay as they are everywhere.
           AmpersandCase{kWin, "Tom&Jerry.jpg", "Tom&Jerry.jpg", "Tom&Jerry.jpg", "Tom&Jerry.jpg",
                         "Tom&Jerry.jpg"},
           AmpersandCase{kWin, "a & b.jpg", "a & b.jpg", "a & b.jpg", "a & b.jpg", "a & b.jpg"},
           AmpersandCase{kWin, "a&foo;.jpg", "a&foo;.jpg", "a&foo;.jpg", "a&foo;.jpg",
                         "a&foo;.jpg"},
           AmpersandCase{kWin, "&Amp;.jpg", "&Amp;.jpg", "&Amp;.jpg", "&Amp;.jpg", "&Amp;.jpg"},
           AmpersandCase{kWin, "&#.jpg", "&#.jpg", "&#.jpg", "&%23.jpg", "&%2523.jpg"},
           AmpersandCase{kWin, "&#xg.jpg", "&#xg.jpg", "&#xg.jpg", "&%23xg.jpg", "&%2523xg.jpg"},
           AmpersandCase{kWin, "a&&.jpg", "a&&.jpg", "a&&.jpg", "a&&.jpg", "a&&.jpg"},
           // A legacy name without ";" followed by something that cannot continue it.
           AmpersandCase{kWin, "a&copy.gif", "a&amp;copy.gif", "a&amp;copy.gif", "a&amp;copy.gif",
                         "a&amp;copy.gif"},
           AmpersandCase{kWin, "&AMP 1.jpg", "&amp;AMP 1.jpg", "&amp;AMP 1.jpg", "&amp;AMP 1.jpg",
                         "&amp;AMP 1.jpg"},
           AmpersandCase{kWin, "x&lt", "x&amp;lt", "x&amp;lt", "x&amp;lt", "x&amp;lt"},
           // Followed by a letter, a digit or "=", it is a reference in text only.
           AmpersandCase{kWin, "a&copyx.gif", "a&amp;copyx.gif", "a&copyx.gif", "a&copyx.gif",
                         "a&copyx.gif"},
           AmpersandCase{kWin, "a&copy=1.gif", "a&amp;copy=1.gif", "a&copy=1.gif", "a&copy=1.gif",
                         "a&copy=1.gif"},
           AmpersandCase{kWin, "&notit;.jpg", "&amp;notit;.jpg", "&notit;.jpg", "&notit;.jpg",
                         "&notit;.jpg"},
           AmpersandCase{kWin, "&sup12.jpg", "&amp;sup12.jpg", "&sup12.jpg", "&sup12.jpg",
                         "&sup12.jpg"},
           // A name with its ";" is a reference everywhere, legacy or not.
           AmpersandCase{kWin, "a&amp;.jpg", "a&amp;amp;.jpg", "a&amp;amp;.jpg", "a&amp;amp;.jpg",
                         "a&amp;amp;.jpg"},
           AmpersandCase{kWin, "&notin;.jpg", "&amp;notin;.jpg", "&amp;notin;.jpg",
                         "&amp;notin;.jpg", "&amp;notin;.jpg"},
           AmpersandCase{kWin, "&hearts;x", "&amp;hearts;x", "&amp;hearts;x", "&amp;hearts;x",
                         "&amp;hearts;x"},
           AmpersandCase{kWin, "&frac12;", "&amp;frac12;", "&amp;frac12;", "&amp;frac12;",
                         "&amp;frac12;"},
           // Numeric references in names; an address writes "#" as %23, which ends them.
           AmpersandCase{kWin, "&#38;.jpg", "&amp;#38;.jpg", "&amp;#38;.jpg", "&%2338;.jpg",
                         "&%252338;.jpg"},
           AmpersandCase{kWin, "&#x41.jpg", "&amp;#x41.jpg", "&amp;#x41.jpg", "&%23x41.jpg",
                         "&%2523x41.jpg"},
           // What the escaping writes after the '&' decides, not the name itself.
           AmpersandCase{kWin, "&copy%.jpg", "&amp;copy%.jpg", "&amp;copy%.jpg", "&amp;copy%25.jpg",
                         "&amp;copy%2525.jpg"},
           AmpersandCase{kWin, "&copy'.jpg", "&amp;copy'.jpg", "&amp;copy'.jpg", "&amp;copy'.jpg",
                         "&amp;copy\\'.jpg"},
           AmpersandCase{kPosix, "&copy<1>.jpg", "&amp;copy&lt;1&gt;.jpg", "&amp;copy&lt;1&gt;.jpg",
                         "&amp;copy&lt;1&gt;.jpg", "&amp;copy&lt;1&gt;.jpg"},
           AmpersandCase{kPosix, "&reg?.jpg", "&amp;reg?.jpg", "&amp;reg?.jpg", "&amp;reg%3F.jpg",
                         "&amp;reg%253F.jpg"},
           AmpersandCase{kPosix, "&yen写真.jpg", "&amp;yen写真.jpg", "&amp;yen写真.jpg",
                         "&amp;yen写真.jpg", "&amp;yen写真.jpg"},
           AmpersandCase{kPosix, "&amp\xE9.jpg", "&amp;amp\uFFFD.jpg", "&amp;amp\uFFFD.jpg",
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

TEST(AmpersandTest, OnlyAnAmpersandCanStartAReference) {
  EXPECT_FALSE(StartsCharacterReference("", HtmlPlace::kText));
  EXPECT_FALSE(StartsCharacterReference("&", HtmlPlace::kText));
  EXPECT_FALSE(StartsCharacterReference("copy;", HtmlPlace::kText));
  EXPECT_TRUE(StartsCharacterReference("&copy;", HtmlPlace::kAttribute));
  EXPECT_TRUE(StartsCharacterReference("&zwnj;", HtmlPlace::kAttribute));   // last of the table
  EXPECT_TRUE(StartsCharacterReference("&AElig;", HtmlPlace::kAttribute));  // first of the table
  EXPECT_TRUE(StartsCharacterReference("&yuml", HtmlPlace::kAttribute));    // last legacy name
}

}  // namespace
}  // namespace pictavue
