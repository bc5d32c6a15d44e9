#pragma once

#include <cstdio>
#include <string>

// Lines of the two text formats (the corrector catalogue and the configuration
// files) are read as a text-mode stream with a 199-byte fgets buffer read them
// on the system the formats come from. The piece length is part of the formats:
// a longer line gives several entries, and files in the wild rely on that.
namespace ombrelune {

// At most this many characters per piece, its newline included.
inline constexpr std::size_t TextPieceChars = 198;

// Reads the next piece of `file` (opened in binary mode) into `piece`:
// a CR just before an LF is dropped first, as text mode drops it, then up to
// TextPieceChars characters are taken, stopping after an LF, and that final LF
// is removed. A lone CR stays. Returns false, with `piece` empty, when nothing
// could be read (end of file or read error), so a file ending with a line end
// gives no extra empty piece. Bytes are returned as they are (Windows-1252).
bool ReadTextPiece(std::FILE* file, std::string& piece);

}  // namespace ombrelune
