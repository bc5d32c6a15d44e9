#include "storage/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace ombrelune {
namespace {

struct CharCase {
  const char* what;
  std::string byte;  // Windows-1252
  std::string utf8;
};

// From the Windows-1252 code chart. € and œ sit where Latin-1 has control
// characters, so a Latin-1 shortcut fails them; é and ° would not tell.
const CharCase kChars[] = {
    {"euro sign", "\x80", "\xE2\x82\xAC"},
    {"oe ligature", "\x9C", "\xC5\x93"},
    {"capital OE ligature", "\x8C", "\xC5\x92"},
    {"per mille", "\x89", "\xE2\x80\xB0"},
    {"right single quote", "\x92", "\xE2\x80\x99"},
    {"capital Y diaeresis", "\x9F", "\xC5\xB8"},
    {"e acute", "\xE9", "\xC3\xA9"},
    {"degree sign", "\xB0", "\xC2\xB0"},
    {"undefined byte 81", "\x81", "\xC2\x81"},
    {"undefined byte 8D", "\x8D", "\xC2\x8D"},
    {"undefined byte 8F", "\x8F", "\xC2\x8F"},
    {"undefined byte 90", "\x90", "\xC2\x90"},
    {"undefined byte 9D", "\x9D", "\xC2\x9D"},
    {"percent", "%", "%"},
};

TEST(Cp1252, KnownCharactersBothWays) {
  for (const CharCase& c : kChars) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Cp1252ToUtf8(c.byte), c.utf8);
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.byte);
  }
}

TEST(Cp1252, EveryByteComesBackUnchanged) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, WhatCannotBeEncodedBecomesAQuestionMark) {
  const struct {
    const char* what;
    std::string utf8;
    std::string bytes;
  } cases[] = {
      {"CJK character", "a\xE6\x97\xA5z", "a?z"},
      {"character outside the basic plane", "\xF0\x9F\x98\x80", "?"},
      {"U+0080, whose byte means the euro", "\xC2\x80", "?"},
      {"stray continuation byte", "\x80x", "?x"},
      {"sequence cut at the end", "ab\xC3", "ab?"},
      {"overlong slash", "\xC0\xAF", "??"},
      {"UTF-16 surrogate", "\xED\xA0\x80", "???"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.bytes);
  }
}

TEST(Cp1252, NamesAreCutAfterEncoding) {
  std::string euros;
  for (int i = 0; i < 60; ++i) euros += "\xE2\x82\xAC";  // 60 x 3 UTF-8 bytes
  const std::string cut = EncodeName(euros);
  EXPECT_EQ(cut, std::string(49, '\x80'));
  // 49 characters, and whole UTF-8 sequences on the way back.
  EXPECT_EQ(Cp1252ToUtf8(cut), euros.substr(0, 49 * 3));
  EXPECT_EQ(EncodeName("short \xC5\x93"), "short \x9C");
}

}  // namespace
}  // namespace ombrelune
