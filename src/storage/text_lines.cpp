#include "text_lines.h"

namespace ombrelune {
namespace {

// One character as text mode delivers it: CR LF becomes LF.
int GetTextChar(std::FILE* file) {
  const int c = std::getc(file);
  if (c != '\r') return c;
  const int next = std::getc(file);
  if (next == '\n') return '\n';
  if (next != EOF) std::ungetc(next, file);
  return c;
}

}  // namespace

bool ReadTextPiece(std::FILE* file, std::string& piece) {
  piece.clear();
  std::size_t taken = 0;  // characters of the piece, its newline included
  while (taken < TextPieceChars) {
    const int c = GetTextChar(file);
    if (c == EOF) break;
    ++taken;
    if (c == '\n') break;
    piece.push_back(static_cast<char>(c));
  }
  return taken > 0;
}

}  // namespace ombrelune
