#include "paginas_codigo.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace vb {

std::u16string decodifica1252(std::string_view bytes) {
    std::u16string s;
    s.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        s.push_back(b >= 0x80 && b < 0xA0 ? altos1252[b - 0x80] : char16_t(b));
    }
    return s;
}

char16_t símbolo(char16_t c, std::u16string_view fonte) {
    if (c >= 0xF000 && c <= 0xF0FF)
        c -= 0xF000;
    if (!fonte.starts_with(u"Wingdings"))
        return c == 0xB7 ? u'\u2022' : c; // bullet
    switch (c) {
    case 0x6C:
        return u'\u25CF'; // black circle
    case 0x6E:
        return u'\u25A0'; // black square
    case 0x71:
        return u'\u2751'; // shadowed square
    case 0x76:
        return u'\u2756'; // diamond
    case 0xA7:
        return u'\u25AA'; // small black square
    case 0xD8:
        return u'\u27A2'; // arrowhead
    case 0xFC:
        return u'\u2713'; // check mark
    default:
        return c;
    }
}

std::u16string decodificaSímbolos(std::string_view bytes, std::u16string_view fonte) {
    std::u16string s;
    s.reserve(bytes.size());
    for (char c : bytes)
        s.push_back(símbolo(static_cast<unsigned char>(c), fonte));
    return s;
}

int páginaDoConjunto(int conjunto) {
    switch (conjunto) {
    case 2:
        return páginaSímbolo;
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 130:
        return 1361;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0; // the text's own code page
    }
}

bool multibyte(int página) {
    switch (página) {
    case 932:
    case 936:
    case 949:
    case 950:
    case 1361:
    case 10001:
    case 10002:
    case 10003:
    case 10008:
        return true;
    default:
        return false;
    }
}

namespace {

// Names that ICU (through QStringDecoder) knows, by code page. The Mac pages of Japanese, Chinese
// and Korean are read as the pages they extend (ICU has no converter of their own for them).
constexpr std::pair<int, const char*> nomesDasPáginas[] = {
    {437, "IBM437"},
    {708, "ISO-8859-6"},
    {720, "windows-720"},
    {737, "cp737"},
    {775, "cp775"},
    {850, "IBM850"},
    {852, "IBM852"},
    {855, "IBM855"},
    {857, "IBM857"},
    {858, "IBM858"},
    {860, "IBM860"},
    {861, "IBM861"},
    {862, "IBM862"},
    {863, "IBM863"},
    {864, "IBM864"},
    {865, "IBM865"},
    {866, "IBM866"},
    {869, "IBM869"},
    {874, "windows-874"},
    {932, "Shift_JIS"},
    {936, "GBK"},
    {949, "windows-949"},
    {950, "windows-950"},
    {1200, "UTF-16LE"},
    {1201, "UTF-16BE"},
    {1250, "windows-1250"},
    {1251, "windows-1251"},
    {1252, "windows-1252"},
    {1253, "windows-1253"},
    {1254, "windows-1254"},
    {1255, "windows-1255"},
    {1256, "windows-1256"},
    {1257, "windows-1257"},
    {1258, "windows-1258"},
    {1361, "windows-1361"},
    {10000, "macintosh"},
    {10001, "Shift_JIS"},
    {10002, "Big5"},
    {10003, "EUC-KR"},
    {10006, "x-mac-greek"},
    {10007, "x-mac-cyrillic"},
    {10008, "GB2312"},
    {10017, "x-mac-cyrillic"},
    {10029, "x-mac-centraleurroman"},
    {10081, "x-mac-turkish"},
    {20127, "US-ASCII"},
    {20866, "KOI8-R"},
    {20932, "EUC-JP"},
    {21866, "KOI8-U"},
    {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},
    {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},
    {28596, "ISO-8859-6"},
    {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},
    {28599, "ISO-8859-9"},
    {28603, "ISO-8859-13"},
    {28605, "ISO-8859-15"},
    {38598, "ISO-8859-8"},
    {50220, "ISO-2022-JP"},
    {51932, "EUC-JP"},
    {51936, "GB2312"},
    {51949, "EUC-KR"},
    {54936, "GB18030"},
    {65001, "UTF-8"},
};
static_assert(std::is_sorted(std::begin(nomesDasPáginas), std::end(nomesDasPáginas)),
              "the code page table must be sorted");

} // namespace

const char* nomeDaPágina(int página) {
    auto it = std::lower_bound(std::begin(nomesDasPáginas), std::end(nomesDasPáginas), página,
                               [](const auto& n, int p) { return n.first < p; });
    return it != std::end(nomesDasPáginas) && it->first == página ? it->second : nullptr;
}

} // namespace vb
