#pragma once
// Windows metafiles as RTF stores them (\wmetafileN: WMF records, with or without the placeable
// header; \emfblip: an enhanced metafile), drawn by our own player with QPainter. The records are
// taken through libuemf's checked readers and every count, size and coordinate is bounded, so a
// damaged picture costs a moment and gives a null image, never a hang or a crash.

#include <QImage>

#include <cstddef>
#include <cstdint>

namespace vb::rtf {

enum class TipoMetarquivo { Wmf, Emf };

// Draws the metafile into an image of largura x altura pixels. modoMapa is N of \wmetafileN (the
// mapping mode the metafile is played in); picw/pich its extents from RTF, used when the metafile
// sets no window of its own. A null image when the metafile is damaged or breaks a limit.
QImage desenharMetarquivo(const std::uint8_t* dados, std::size_t tamanho, TipoMetarquivo tipo,
                          int modoMapa, int largura, int altura, int picw, int pich);

} // namespace vb::rtf
