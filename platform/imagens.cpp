#include "imagens.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace vb {

namespace {

// The PNG decoder inflates every compressed text chunk (zTXt, iTXt), up to 8 MB out of 8 KB,
// and keeps them all: a hundred of them take gigabytes and seconds. The programs never show a
// picture's texts, so those chunks are left out before decoding; the picture stays whole. Empty
// when there is nothing to leave out.
QByteArray SemTextosComprimidos(QByteArrayView png) {
    if (!png.startsWith(QByteArrayView("\x89PNG\r\n\x1A\n", 8)))
        return {};
    QByteArray resto;
    qsizetype i = 8, copiado = 0;
    while (png.size() - i >= 12) {
        const quint64 tamanho = qFromBigEndian<quint32>(png.data() + i) + quint64(12);
        if (tamanho > quint64(png.size() - i))
            break; // damaged: the decoder will say so
        const QByteArrayView tipo = png.sliced(i + 4, 4);
        if (tipo == "zTXt" || tipo == "iTXt") {
            resto.append(png.sliced(copiado, i - copiado));
            copiado = i + qsizetype(tamanho);
        }
        i += qsizetype(tamanho);
    }
    return copiado ? resto.append(png.sliced(copiado)) : QByteArray();
}

} // namespace

int VarredurasJpeg(QByteArrayView dados, int limite) {
    const auto* p = reinterpret_cast<const unsigned char*>(dados.data());
    const qsizetype n = dados.size();
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8)
        return 0;
    int varreduras = 0;
    qsizetype i = 2;
    while (i < n) {
        // Up to the next 0xFF: entropy-coded data, or bytes the decoder skips between segments.
        while (i < n && p[i] != 0xFF)
            ++i;
        while (i < n && p[i] == 0xFF) // fill bytes
            ++i;
        if (i >= n)
            break;
        const unsigned char marcador = p[i++];
        // A stuffed zero and the restart markers belong to the data; TEM and stray restart
        // markers between segments carry no length either.
        if (marcador == 0x00 || (marcador >= 0xD0 && marcador <= 0xD7) || marcador == 0x01)
            continue;
        // The end of the picture (the decoder reads no further), or a second start (it refuses).
        if (marcador == 0xD9 || marcador == 0xD8 || n - i < 2)
            break;
        const int comprimento = p[i] << 8 | p[i + 1];
        if (comprimento < 2)
            break;
        i += comprimento;
        if (marcador == 0xDA && ++varreduras > limite)
            break;
    }
    return varreduras;
}

QImage DecodificarImagem(QByteArrayView dados, const char* formato) {
    if (VarredurasJpeg(dados) > varredurasMáximas)
        return {};
    const QByteArray semTextos = SemTextosComprimidos(dados);
    if (!semTextos.isEmpty())
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
    return leitor.read();
}

} // namespace vb
