#include "padroes.h"

#include "caminhos.h"
#include "registros.h"
#include "vberro.h"

#include <algorithm>

namespace jogador {

namespace {

constexpr quint16 tipoTexto = 8; // variant type of a string

quint16 Palavra(const QByteArray& b, int i) {
    return quint16(quint8(b[i])) | quint16(quint16(quint8(b[i + 1])) << 8);
}

// The field at 1-based position início with tamanho characters, or the fallback when the
// string ends before the field does.
QString Campo(const QString& texto, int início, int tamanho, const QString& reserva) {
    if (texto.size() < início - 1 + tamanho)
        return reserva;
    return texto.mid(início - 1, tamanho);
}

QString CampoDeCor(const QString& texto, int início, const QString& reserva) {
    QString c = Campo(texto, início, 3, reserva);
    return ValorDaCor(c) < 0 ? reserva : c;
}

} // namespace

QColor CorDe(const QString& r, const QString& g, const QString& b) {
    return QColor(std::max(ValorDaCor(r), 0), std::max(ValorDaCor(g), 0),
                  std::max(ValorDaCor(b), 0));
}

bool SemLogo(const QString& arqlogo) {
    return arqlogo.left(4) == QLatin1String("nulo");
}

QColor RegistroPadrões::fundo() const {
    return CorDe(fundoR, fundoG, fundoB);
}

QColor RegistroPadrões::letra() const {
    return CorDe(letraR, letraG, letraB);
}

bool RegistroPadrões::semLogo() const {
    return SemLogo(arqlogo);
}

RegistroPadrões RegistroPadrões::padrão() {
    RegistroPadrões r;
    r.arqcapa = QStringLiteral("QVcapa.jpg").leftJustified(16);
    r.arqfaixa = QStringLiteral("QVfaixa.jpg").leftJustified(16);
    r.arqlogo = QStringLiteral("QVlogo.jpg").leftJustified(16);
    r.fundoR = QStringLiteral("255");
    r.fundoG = QStringLiteral("251");
    r.fundoB = QStringLiteral("255");
    r.letraR = r.letraG = r.letraB = QStringLiteral("000");
    return r;
}

int ValorDaCor(const QString& campo) {
    QString t = campo.trimmed();
    if (t.isEmpty() || t.size() > 3)
        return -1;
    if (!std::all_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return -1;
    return std::min(t.toInt(), 255);
}

QString NomeDaImagem(const QString& campo) {
    qsizetype fim = campo.size();
    while (fim > 0 && campo[fim - 1] == u' ')
        --fim;
    return campo.left(fim);
}

RegistroPadrões InterpretarPadrões(const QByteArray& registro) {
    const RegistroPadrões p = RegistroPadrões::padrão();
    if (registro.size() < 4 || Palavra(registro, 0) != tipoTexto)
        return p;
    const int comprimento = std::min<int>(Palavra(registro, 2), int(registro.size()) - 4);
    const QString texto = vb::DeAnsi(registro.mid(4, comprimento));

    RegistroPadrões r;
    r.arqcapa = Campo(texto, 1, 16, p.arqcapa);
    r.arqfaixa = Campo(texto, 17, 16, p.arqfaixa);
    r.arqlogo = Campo(texto, 33, 16, p.arqlogo);
    r.fundoR = CampoDeCor(texto, 49, p.fundoR);
    r.fundoG = CampoDeCor(texto, 52, p.fundoG);
    r.fundoB = CampoDeCor(texto, 55, p.fundoB);
    r.letraR = CampoDeCor(texto, 58, p.letraR);
    r.letraG = CampoDeCor(texto, 61, p.letraG);
    r.letraB = CampoDeCor(texto, 64, p.letraB);
    return r;
}

RegistroPadrões LerPadrões(const QString& caminho) {
    const QString arquivo = caminho + QStringLiteral("qvpadrões.txt");
    try {
        qint64 tamanho = 0;
        QByteArray registro = vb::LerRegistro(arquivo, tamanhoRegistroPadrões, 1, &tamanho);
        // The record reads blanks beyond the end of a short file; the fields that the file
        // does not hold are missing, not blank.
        registro.truncate(qsizetype(std::min<qint64>(registro.size(), tamanho)));
        return InterpretarPadrões(registro);
    } catch (const vb::VbError&) {
        return RegistroPadrões::padrão();
    }
}

} // namespace jogador
