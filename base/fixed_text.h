#pragma once
// Fixed-length text. Every text value Tarnex keeps is a blank-padded field of
// a fixed length, as the model programs and the TIN file expect; these are the
// only routines that cut, pad and shift such fields.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnex {

// True when the text holds no non-blank character.
bool is_blank(std::string_view text);

// Length up to and including the last non-blank character.
std::size_t length_without_trailing_blanks(std::string_view text);

// The text up to its last non-blank character.
std::string without_trailing_blanks(std::string_view text);

// The text cut or blank-padded to exactly `length` characters.
std::string fit(std::string_view text, std::size_t length);

// Same length, leading blanks moved to the end.
std::string remove_leading_blanks(std::string_view text);

// Same length, trailing blanks moved to the front.
std::string right_adjust(std::string_view text);

// Copies `source` into `field` starting at 1-based column `first`, for at most
// `width` characters; the rest of those columns is blank-padded. The field
// keeps its length: columns beyond its end are dropped.
void put_columns(std::string& field, std::size_t first, std::size_t width, std::string_view source);

// The characters of 1-based columns first..first+width-1; columns beyond the
// end of the text read as blanks.
std::string columns(std::string_view text, std::size_t first, std::size_t width);

}  // namespace tarnex

namespace tarnex {

// The lines of a text, without their line feeds; a last line feed ends the
// last line rather than starting an empty one.
std::vector<std::string_view> split_lines(std::string_view text);

}  // namespace tarnex
