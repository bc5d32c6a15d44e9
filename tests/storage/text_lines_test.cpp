#include "storage/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_files.h"

namespace ombrelune {
namespace {

std::vector<std::string> Pieces(const std::string& bytes) {
  auto file = test::FileWith(bytes);
  std::vector<std::string> pieces;
  std::string piece;
  while (ReadTextPiece(file.get(), piece)) pieces.push_back(piece);
  EXPECT_TRUE(piece.empty());
  return pieces;
}

std::string Digits(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s.push_back(static_cast<char>('0' + i % 10));
  return s;
}

TEST(TextPieces, AsTextModeAndFgetsGiveThem) {
  const std::string line250 = Digits(250);
  const struct {
    const char* what;
    std::string bytes;
    std::vector<std::string> pieces;
  } cases[] = {
      {"197 characters and CR LF: one piece, no CR", Digits(197) + "\r\n", {Digits(197)}},
      {"a name without comma keeps no CR", "Paracorr\r\nNext\r\n", {"Paracorr", "Next"}},
      {"250 characters: 198, then the last 52",
       line250 + "\r\n",
       {line250.substr(0, 198), line250.substr(198)}},
      {"198 characters and LF: the LF is a piece of its own",
       Digits(198) + "\n",
       {Digits(198), ""}},
      {"last line without line end", "a\r\nb", {"a", "b"}},
      {"line end at the end of the file: no extra piece", "a\r\nb\r\n", {"a", "b"}},
      {"LF alone ends a line too", "a\nb\n", {"a", "b"}},
      {"empty lines", "\r\n\n", {"", ""}},
      {"a lone CR stays", "a\rb\r\n", {"a\rb"}},
      {"only the CR next to the LF goes", "a\r\r\n", {"a\r"}},
      {"a CR at the very end stays", "a\r", {"a\r"}},
      {"empty file", "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Pieces(c.bytes), c.pieces);
  }
}

}  // namespace
}  // namespace ombrelune
