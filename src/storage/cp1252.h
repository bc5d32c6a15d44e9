#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The program's texts are UTF-8; its files hold Windows-1252 bytes. These two
// functions are the only place where one becomes the other.
namespace ombrelune {

// The longest name the files keep: the stored texts held 49 characters and a NUL.
inline constexpr std::size_t StoredNameChars = 49;

// Every byte has a character: the five bytes Windows-1252 leaves undefined (81,
// 8D, 8F, 90, 9D) become U+0081 ... U+009D, so that any name read from a file
// is written back byte for byte.
std::string Cp1252ToUtf8(std::string_view bytes);

// A character that Windows-1252 cannot hold, and every byte of a malformed
// UTF-8 sequence, becomes '?': a file must always be written, and a question
// mark shows the user where a character was lost.
std::string Utf8ToCp1252(std::string_view utf8);

// Utf8ToCp1252, then cut to its first maxChars bytes. Cutting after encoding
// counts characters as the file does and can never split a UTF-8 sequence.
std::string EncodeName(std::string_view utf8, std::size_t maxChars = StoredNameChars);

}  // namespace ombrelune
