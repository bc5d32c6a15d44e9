#include "optics/number_text.h"
#include "optics/result_table.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace ombrelune {
namespace {

const double inf = std::numeric_limits<double>::infinity();

struct EditCase {
  const char* name;
  std::string text;
  bool accepted;
  double value;
};

const EditCase kEditCases[] = {
    {"empty", "", false, 0},
    {"letters", "abc", false, 0},
    {"lone point", ".", false, 0},
    {"number then letters", "5x", false, 0},
    {"zero", "0", true, 0},
    {"zero with blanks around", " 0.0 ", true, 0},
    {"zero between tabs", "\t0\t", true, 0},
    {"double zero", "00", true, 0},
    {"zero with exponent", "0e5", true, 0},
    {"zero written with a point first", ".0", false, 0},
    {"minus zero", "-0", false, 0},
    {"plus zero", "+0", false, 0},
    {"plus five", "+5", true, 5},
    {"half without leading digit", ".5", true, 0.5},
    {"exponent", "1e3", true, 1000},
    {"exponent without digits", "1e", false, 0},
    {"trailing point", "1809.", true, 1809},
    {"negative", "-12.25", true, -12.25},
    {"inf is not decimal", "inf", false, 0},
    {"nan is not decimal", "nan", false, 0},
    {"hexadecimal", "0x10", false, 0},
    {"overflow reads as infinity", "1e999", true, inf},
    {"negative overflow", "-1e999", true, -inf},
    {"underflow is a refused zero", "1e-999", false, 0},
    {"blank inside", "1 2", false, 0},
    {"newline is not a blank", "5\n", false, 0},
    {"only the first 31 characters count", std::string(31, '1') + "x", true,
     1111111111111111111111111111111.0},
    {"a 32nd digit is not read", std::string(30, '0') + "12", true, 1},
};

TEST(EditNumber, AcceptsExactlyTheDecimalSyntax) {
  for (const EditCase& c : kEditCases) {
    SCOPED_TRACE(c.name);
    const auto value = ParseEditNumber(c.text);
    ASSERT_EQ(value.has_value(), c.accepted);
    if (c.accepted) {
      EXPECT_EQ(*value, c.value);
    }
  }
}

TEST(LeadingNumber, ReadsLikeAtofButOnlyDecimals) {
  struct Case {
    const char* name;
    const char* text;
    double value;
  } cases[] = {
      {"comment after the number", "402.000000   # diametre", 402},
      {"leading blanks", "  \t1.15,0", 1.15},
      {"sign and exponent", "-2.5e1x", -25},
      {"no number", "# nothing", 0},
      {"empty", "", 0},
      {"exponent without digits stops before e", "3e+", 3},
      {"inf is not read", "inf", 0},
      {"hexadecimal reads its zero", "0x10", 0},
      {"overflow", "1e999", inf},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseLeadingNumber(c.text), c.value);
  }
}

TEST(LeadingInt, SaturatesInsteadOfOverflowing) {
  EXPECT_EQ(ParseLeadingInt("1            # calcul"), 1);
  EXPECT_EQ(ParseLeadingInt("  -7x"), -7);
  EXPECT_EQ(ParseLeadingInt("x1"), 0);
  EXPECT_EQ(ParseLeadingInt("99999999999999999999999"), 2147483647);
  EXPECT_EQ(ParseLeadingInt("-99999999999999999999999"), -2147483647 - 1);
}

TEST(FieldValue, WritesShortestFormThatReadsBack) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {{1809, "1809"},
               {50.8, "50.8"},
               {0.01666, "0.01666"},
               {1e20, "1e+20"},
               {-0.0, "0"},
               {0.0, "0"},
               {inf, "1e999"},
               {-inf, "-1e999"},
               {std::nan(""), "0"},
               {1.0 / 3, "0.333333333333333"},
               {123456789012345678.0, "1.23456789012346e+17"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::string text = FormatFieldValue(c.value);
    EXPECT_EQ(text, c.text);
    // Whatever the window writes, it must accept when it reads the edit back.
    EXPECT_TRUE(ParseEditNumber(text).has_value());
  }
}

TEST(FixedFormat, MatchesPrintfInTheCLocale) {
  EXPECT_EQ(FormatFixed(30.0329, 1, 5), " 30.0");
  EXPECT_EQ(FormatFixed(100, 1, 5), "100.0");
  EXPECT_EQ(FormatFixed(0.0637, 2, 5), " 0.06");
  EXPECT_EQ(FormatFixed(402, 6), "402.000000");
  EXPECT_EQ(FormatFixed(22, 0, 4), "  22");
  EXPECT_EQ(FormatFixed(2.5, 0, 4), "   2");  // printf rounds half to even
  EXPECT_EQ(FormatFixed(-std::nan(""), 1, 5), "  nan");
  EXPECT_EQ(FormatFixed(-inf, 1, 5), " -inf");
  EXPECT_EQ(FormatFixed(1e300, 1).size(), 303u);
}

TEST(NumberText, IgnoresADecimalCommaLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "fr_FR.UTF-8")) GTEST_SKIP() << "fr_FR.UTF-8 is not generated";
  EXPECT_EQ(ParseEditNumber("50.8"), 50.8);
  EXPECT_FALSE(ParseEditNumber("50,8").has_value());
  EXPECT_EQ(ParseLeadingNumber("1.15,0"), 1.15);
  EXPECT_EQ(FormatFieldValue(50.8), "50.8");
  EXPECT_EQ(FormatFixed(402, 6), "402.000000");
  ResultTable table;
  const std::string list = ComputeResult(StartupDefaults(), table);
  EXPECT_NE(list.find(" 30.0 mm\r\n 57.1 '"), std::string::npos);
  EXPECT_EQ(list.find(','), std::string::npos);
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace ombrelune
