#pragma once
// The Windows code pages of the system's files, of RTF texts and of metafile fonts: Windows-1252
// by table, the character sets of fonts and the names by which the codec layer knows the others.
// Standard library only, so that the RTF reader stays free of Qt.

#include <string>
#include <string_view>

namespace vb {

// Windows-1252's characters for the bytes 0x80 to 0x9F; the five bytes without a character keep
// their C1 code, as the system's converter does. 0xA0 to 0xFF are Latin-1.
inline constexpr char16_t altos1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Decodes bytes in Windows code page 1252.
std::u16string decodifica1252(std::string_view bytes);

// Code page standing for fonts of the symbol character set: their bytes are glyph numbers.
constexpr int páginaSímbolo = 42;

// The characters of a font of the symbol character set (Symbol, Wingdings, named by fonte), whose
// bytes are glyph numbers: the bullets, squares and marks that lessons take from them; any other
// byte keeps its Latin-1 value. Text in UTF-16 gives such a font its bytes as themselves or in the
// private range U+F000 to U+F0FF: both are read alike.
char16_t símbolo(char16_t c, std::u16string_view fonte);
std::u16string decodificaSímbolos(std::string_view bytes, std::u16string_view fonte);

// The code page of a font's character set (\fcharset, lfCharSet); 0 for ANSI and the default,
// which take the text's own page.
int páginaDoConjunto(int conjunto);

// Code pages of two bytes to a character, where a byte of a Latin text means something else.
bool multibyte(int página);

// The name by which the codec layer knows a Windows code page; null when it has none.
const char* nomeDaPágina(int página);

} // namespace vb
