#pragma once
// Windows metafiles as RTF stores them (\wmetafileN: the records without the placeable header),
// drawn through libwmf. This header and its source file use no Qt: libwmf's macros clash with Qt's.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vb::rtf {

// Draws the metafile into an image of largura x altura pixels and returns it as PNG bytes; empty
// when the metafile cannot be drawn. modoMapa is N of \wmetafileN (the mapping mode the metafile is
// played in); picw/pich its extents from RTF, used when the metafile sets no window of its own.
std::vector<std::uint8_t> metarquivoParaPng(const std::uint8_t* dados, std::size_t tamanho,
                                            int modoMapa, int largura, int altura, int picw,
                                            int pich);

} // namespace vb::rtf
