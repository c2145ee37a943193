#pragma once
// Pictures decoded from their bytes with a bound on the decoder's work, not only on its pixels:
// the menu's background, the lesson pictures and the pictures inside lesson texts all come
// through here.

#include <QByteArrayView>
#include <QImage>

namespace vb {

// A progressive JPEG is decoded scan by scan, and every scan goes over the whole picture: a
// small file of one header and thousands of empty scans keeps the decoder busy for seconds per
// thousand. Encoders write about 10 scans (6 in grey): 100 leaves a wide margin, and at the
// largest picture the pixel limit lets through (Qt's allocation limit, about 5800 x 5800) 100
// empty scans take about a third of a second.
constexpr int varredurasMáximas = 100;

// Decodes a picture in one of the formats the programs show (JPEG, PNG, BMP, GIF), found by its
// content or, when `formato` is given, in that format only. A null picture when the bytes are no
// such picture, are damaged, are over Qt's allocation limit or would take unbounded work (a JPEG
// of more than varredurasMáximas scans, or one whose segments cannot be followed as the decoder
// follows them): it is then shown as a damaged picture is. The texts a picture carries (a JPEG's
// comments and application segments, a PNG's text chunks) are left out unread: the decoder
// would keep every one of them, in time and memory that grow with their number. A palette
// picture comes out in true colour, so that it scales as one.
// pixels, when given, bounds the work of callers that decode many pictures: it holds the most
// pixels the picture may have (a larger one is refused before decoding), and on return the pixels
// its header gives it once decoding was tried, whether it came out or not (0 when it was refused
// unread).
QImage DecodificarImagem(QByteArrayView dados, const char* formato = nullptr,
                         qint64* pixels = nullptr);

} // namespace vb
