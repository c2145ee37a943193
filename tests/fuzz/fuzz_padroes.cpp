// libFuzzer target: the look settings record on arbitrary bytes. Every field must come out
// usable (fixed widths, colours 0 to 255, picture names without their padding) and must be
// either the standard record's value or exactly the characters at its place in the record.

#include "padroes.h"

#include <QByteArray>
#include <QColor>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Falha(const char* porquê, const QString& campo = QString()) {
    std::fprintf(stderr, "fuzz_padroes: %s [%s]\n", porquê, campo.toUtf8().constData());
    std::abort();
}

// Windows-1252, byte by byte; the five bytes without a character keep their C1 code.
QChar Caractere(std::uint8_t b) {
    static constexpr char16_t de80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    return (b >= 0x80 && b < 0xA0) ? QChar(de80[b - 0x80]) : QChar(b);
}

// The record's characters: a string variant (type 8, then its length) whose characters are
// the bytes that follow, as far as the record goes; nothing when the type is another.
QString Texto(const std::uint8_t* d, std::size_t n) {
    QString t;
    if (n < 4 || d[0] != 8 || d[1] != 0)
        return t;
    const std::size_t comprimento = d[2] | (std::size_t(d[3]) << 8);
    for (std::size_t i = 4; i < n && i - 4 < comprimento; ++i)
        t += Caractere(d[i]);
    return t;
}

void VerificarImagem(const QString& campo, const QString& texto, int início,
                     const QString& reserva) {
    if (campo.size() != 16)
        Falha("picture field not 16 characters", campo);
    if (campo != reserva && campo != texto.mid(início - 1, 16))
        Falha("picture field neither the record's nor the standard one", campo);
    if (texto.size() >= início - 1 + 16 && campo != texto.mid(início - 1, 16))
        Falha("picture field present in the record but not taken", campo);

    const QString nome = jogador::NomeDaImagem(campo);
    if (nome.endsWith(QLatin1Char(' ')) || !campo.startsWith(nome))
        Falha("picture name keeps its padding", campo);
    for (qsizetype i = nome.size(); i < campo.size(); ++i)
        if (campo[i] != u' ')
            Falha("picture name lost characters", campo);
}

void VerificarCor(const QString& campo, const QString& texto, int início, const QString& reserva,
                  int componente) {
    const int v = jogador::ValorDaCor(campo);
    if (campo.size() != 3 || v < 0 || v > 255)
        Falha("colour field not usable", campo);
    if (campo != reserva && campo != texto.mid(início - 1, 3))
        Falha("colour field neither the record's nor the standard one", campo);
    if (componente != v)
        Falha("colour differs from its field", campo);

    // A field of the record that reads as a decimal number of up to three digits is taken.
    if (texto.size() >= início - 1 + 3) {
        const QString dígitos = texto.mid(início - 1, 3).trimmed();
        bool número = !dígitos.isEmpty();
        for (QChar c : dígitos)
            número = número && c >= u'0' && c <= u'9';
        if (número && campo != texto.mid(início - 1, 3))
            Falha("valid colour field of the record not taken", campo);
        if (número && v != std::min(dígitos.toInt(), 255))
            Falha("colour value differs from its digits", campo);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho > 4096)
        return -1;
    const QByteArray registro(reinterpret_cast<const char*>(dados), qsizetype(tamanho));
    const jogador::RegistroPadrões r = jogador::InterpretarPadrões(registro);
    const jogador::RegistroPadrões p = jogador::RegistroPadrões::padrão();
    const QString texto = Texto(dados, tamanho);

    VerificarImagem(r.arqcapa, texto, 1, p.arqcapa);
    VerificarImagem(r.arqfaixa, texto, 17, p.arqfaixa);
    VerificarImagem(r.arqlogo, texto, 33, p.arqlogo);
    if (r.semLogo() != r.arqlogo.startsWith(QLatin1String("nulo")))
        Falha("no-logo flag differs from the field", r.arqlogo);

    const QColor fundo = r.fundo();
    const QColor letra = r.letra();
    if (!fundo.isValid() || !letra.isValid())
        Falha("invalid colour");
    VerificarCor(r.fundoR, texto, 49, p.fundoR, fundo.red());
    VerificarCor(r.fundoG, texto, 52, p.fundoG, fundo.green());
    VerificarCor(r.fundoB, texto, 55, p.fundoB, fundo.blue());
    VerificarCor(r.letraR, texto, 58, p.letraR, letra.red());
    VerificarCor(r.letraG, texto, 61, p.letraG, letra.green());
    VerificarCor(r.letraB, texto, 64, p.letraB, letra.blue());

    // The same record read through the file's 100 bytes (blanks beyond the end) gives the same
    // fields wherever those bytes are the input's own.
    if (tamanho >= std::size_t(jogador::tamanhoRegistroPadrões)) {
        const jogador::RegistroPadrões cortado =
            jogador::InterpretarPadrões(registro.left(jogador::tamanhoRegistroPadrões));
        if (cortado.arqcapa != r.arqcapa || cortado.arqfaixa != r.arqfaixa ||
            cortado.arqlogo != r.arqlogo || cortado.fundoR != r.fundoR ||
            cortado.fundoG != r.fundoG || cortado.fundoB != r.fundoB ||
            cortado.letraR != r.letraR || cortado.letraG != r.letraG || cortado.letraB != r.letraB)
            Falha("bytes beyond the 66 characters changed the fields");
    }
    return 0;
}
