#include "imagens.h"

#include <QBuffer>
#include <QImageReader>
#include <QList>
#include <QtEndian>

#include <algorithm>
#include <utility>

namespace vb {

namespace {

// Stretches of a picture's bytes, [start, end), in order.
using Trechos = QList<std::pair<qsizetype, qsizetype>>;

// The bytes without the stretches given.
QByteArray Sem(QByteArrayView dados, const Trechos& trechos) {
    QByteArray resto;
    qsizetype copiado = 0;
    for (const auto& [início, fim] : trechos) {
        resto.append(dados.sliced(copiado, início - copiado));
        copiado = fim;
    }
    return resto.append(dados.sliced(copiado));
}

// The text chunks of a PNG. The decoder keeps every one it reads, and inflates the compressed
// ones (zTXt, iTXt) up to 8 MB out of 8 KB: a hundred of those take gigabytes and seconds, a
// thousand plain ones hundreds of megabytes. The programs never show a picture's texts.
Trechos TextosPng(QByteArrayView png) {
    Trechos textos;
    if (!png.startsWith(QByteArrayView("\x89PNG\r\n\x1A\n", 8)))
        return textos;
    qsizetype i = 8;
    while (png.size() - i >= 12) {
        const quint64 tamanho = qFromBigEndian<quint32>(png.data() + i) + quint64(12);
        if (tamanho > quint64(png.size() - i))
            break; // damaged: the decoder will say so
        const QByteArrayView tipo = png.sliced(i + 4, 4);
        if (tipo == "tEXt" || tipo == "zTXt" || tipo == "iTXt")
            textos.append({i, i + qsizetype(tamanho)});
        i += qsizetype(tamanho);
    }
    return textos;
}

// A JPEG's marker segments walked as the decoder reads them.
struct PercursoJpeg {
    int varreduras = 0; // start-of-scan markers; -1: a length the decoder would not follow
    Trechos textos;     // comments and application segments that decoding does without
};

// Entropy-coded data is skipped up to the next marker, as the decoder skips it (a stuffed 0xFF00
// is no marker, nor are the restart markers), and the walk ends at the end-of-picture marker or
// where the bytes end. It stops counting past `limite`. No scans when the bytes are no JPEG.
PercursoJpeg PercorrerJpeg(QByteArrayView dados, int limite) {
    PercursoJpeg r;
    const auto* p = reinterpret_cast<const unsigned char*>(dados.data());
    const qsizetype n = dados.size();
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return r;
    qsizetype i = 2;
    while (i < n) {
        // Up to the next 0xFF: entropy-coded data, or bytes the decoder skips between segments.
        while (i < n && p[i] != 0xFF)
            ++i;
        // A segment left out takes its fill bytes with it: one left behind would join the bytes
        // after the segment into a marker this walk never saw (0xFF before the body of a scan
        // header: a scan the decoder reads and the count misses).
        const qsizetype início = i;
        while (i < n && p[i] == 0xFF) // fill bytes
            ++i;
        if (i >= n)
            break;
        const unsigned char marcador = p[i++];
        // No length follows a stuffed zero, TEM or a restart marker. Nor is one read after the
        // codes below the frame markers: between segments the decoder refuses them, and in a
        // scan with restarts it passes over them to the next marker, as this walk does.
        if (marcador < 0xC0 || (marcador >= 0xD0 && marcador <= 0xD7))
            continue;
        // The end of the picture (the decoder reads no further), or a second start (it refuses).
        if (marcador == 0xD9 || marcador == 0xD8 || n - i < 2)
            break;
        const int comprimento = p[i] << 8 | p[i + 1];
        // A length below 2 counts no segment: the decoder steps over the two bytes and reads on,
        // so following it could only hide from the count the scans it reads. No encoder writes
        // one: the picture is damaged.
        if (comprimento < 2) {
            r.varreduras = -1;
            return r;
        }
        // Comments and application segments, but for the JFIF (APP0) and Adobe (APP14) ones that
        // decoding reads for the colours: Qt has the decoder keep comments, Exif and ICC profiles
        // in a list it walks from its head for each new one (time that grows with the square of
        // their number) and copies each in full, and the programs use none of them (they do not
        // turn pictures by their Exif orientation, and draw without colour management).
        if (marcador == 0xFE || (marcador >= 0xE1 && marcador <= 0xEF && marcador != 0xEE))
            r.textos.append({início, std::min(n, i + comprimento)});
        i += comprimento;
        if (marcador == 0xDA && ++r.varreduras > limite)
            break;
    }
    return r;
}

} // namespace

QImage DecodificarImagem(QByteArrayView dados, const char* formato, qint64* pixels) {
    const qint64 máximo = pixels ? std::exchange(*pixels, 0) : 0;
    const PercursoJpeg jpeg = PercorrerJpeg(dados, varredurasMáximas);
    if (jpeg.varreduras < 0 || jpeg.varreduras > varredurasMáximas)
        return {};
    const Trechos textos = jpeg.textos.isEmpty() ? TextosPng(dados) : jpeg.textos;
    const QByteArray semTextos = textos.isEmpty() ? QByteArray() : Sem(dados, textos);
    if (!textos.isEmpty())
        dados = semTextos;
    QByteArray bytes = QByteArray::fromRawData(dados.data(), dados.size());
    QBuffer dispositivo(&bytes);
    dispositivo.open(QIODevice::ReadOnly);
    QImageReader leitor(&dispositivo, formato ? QByteArray(formato) : QByteArray());
    // Only the formats the pictures come in: a decoder plugin installed for other formats (a
    // vector one among them) must not be reached by a renamed file.
    static const QByteArrayList formatos = {"jpeg", "jpg", "png", "bmp", "gif"};
    if (!formatos.contains(leitor.format().toLower()))
        return {};
    if (pixels) {
        const QSize tamanho = leitor.size(); // from the header, which reading goes on from
        *pixels = tamanho.isValid() ? qint64(tamanho.width()) * tamanho.height() : 0;
        if (*pixels > máximo) {
            *pixels = 0; // refused unread: no work to charge
            return {};
        }
    }
    QImage imagem = leitor.read();
    // A palette picture (1, 4 or 8 bits) is turned into true colour here, once for every place
    // that shows it: Qt scales a palette picture down in a palette, requantised (a 1-bit one to
    // black and white, an 8-bit one to a web palette, in dots). The true-colour picture stays
    // within the decoder's allocation limit.
    if (imagem.colorCount() > 0) {
        const qint64 limite = qint64(QImageReader::allocationLimit()) << 20;
        if (limite > 0 && qint64(imagem.width()) * imagem.height() * 4 > limite)
            return {};
        imagem.convertTo(imagem.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                  : QImage::Format_RGB32);
    }
    return imagem;
}

} // namespace vb
