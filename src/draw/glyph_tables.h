#pragma once

// Glyph tables of the two bitmap fonts.
//
// A glyph is a string of '0' and '1' characters read as a grid of rows of a
// fixed length L: character r * L + c is column c of row r, row 0 at the top.
// '1' inks the pixel, '0' leaves the background showing.
//
// Small font (L = 8): row 0 is a header whose first character is the glyph
// width w as a decimal digit ('1'..'7'); the second character is '8' (except
// for '_', which has '7'), the rest of the row is '0'. Rows 1..9 hold the
// picture, of which only the first w columns are drawn. The baseline is row 7.
//
// Large font (L = 10): rows 1..12, columns 0..7 hold the picture of an
// 8 x 12 cell; row 0 and columns 8..9 are always '0'.

// Small proportional font, indexed by character code 0..127.
// Each glyph is a string of '0'/'1' read as rows of small_glyph_row_length characters.
inline constexpr int small_glyph_row_length = 8;
extern const char* const small_glyphs[128];
// Large fixed-width font, indexed by character code 0..255; nullptr where a code has no glyph.
inline constexpr int large_glyph_row_length = 10;
extern const char* const large_glyphs[256];
