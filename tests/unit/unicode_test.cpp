#include <gtest/gtest.h>

#include "text/unicode.h"
#include "text/utf16.h"
#include "text/utf8.h"

namespace burrowly {
namespace {

TEST(Unicode, TrimRemovesUnicodeSpaceOnly) {
  EXPECT_EQ(trim_unicode_space("  hi  "), "hi");
  EXPECT_EQ(trim_unicode_space("\xE3\x80\x80\xC2\xA0x y\t\n"), "x y");
  EXPECT_EQ(trim_unicode_space("   "), "");
  EXPECT_EQ(trim_unicode_space(""), "");
  EXPECT_EQ(trim_unicode_space("Привіт "), "Привіт");
}

TEST(Unicode, RepairReplacesInvalidSequences) {
  EXPECT_EQ(repair_utf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(repair_utf8("\xE2\x82"), "\xEF\xBF\xBD");
  EXPECT_EQ(repair_utf8("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // surrogate
  EXPECT_EQ(repair_utf8("ok ✓"), "ok ✓");
  EXPECT_FALSE(is_valid_utf8("\xC0\xAF"));
  EXPECT_TRUE(is_valid_utf8("😀"));
}

TEST(Unicode, Utf16RoundTripAndUnpairedSurrogates) {
  std::string text = "Ann 😀 Їжачок";
  EXPECT_EQ(utf16_to_utf8(utf8_to_utf16(text)), text);
  EXPECT_EQ(utf8_to_utf16("😀").size(), 2u);
  std::u16string lone = u"a";
  lone += static_cast<char16_t>(0xD800);
  EXPECT_EQ(utf16_to_utf8(lone), "a\xEF\xBF\xBD");
  EXPECT_FALSE(strict_utf16_to_utf8(lone).has_value());
}

}  // namespace
}  // namespace burrowly
