#include "metarquivo.h"

#include "metarquivo_contexto.h"

namespace vb::rtf {

QImage desenharMetarquivo(const std::uint8_t* dados, std::size_t tamanho, TipoMetarquivo tipo,
                          int modoMapa, int largura, int altura, int picw, int pich) {
    if (!dados || tamanho == 0 || largura <= 0 || altura <= 0 || largura > 8192 || altura > 8192)
        return {};
    QImage imagem(largura, altura, QImage::Format_RGB32);
    if (imagem.isNull())
        return {};
    imagem.fill(Qt::white);
    const bool certo = tipo == TipoMetarquivo::Wmf
                           ? mf::tocaWmf(dados, tamanho, imagem, modoMapa, picw, pich)
                           : mf::tocaEmf(dados, tamanho, imagem);
    return certo ? imagem : QImage();
}

} // namespace vb::rtf
