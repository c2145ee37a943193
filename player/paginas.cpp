#include "paginas.h"

namespace jogador {

QString MarcaPágina(int i) {
    if (i < 1 || i > máximoPáginas)
        return {};
    return QStringLiteral("Pg ") + QString::number(i);
}

QString MontarEntrada(const LinhaFigura& linha, const QString& caminho) {
    return linha.tipo + linha.topo.rightJustified(4, u'0') + caminho + linha.imagem;
}

std::optional<Figura> LerEntrada(const QString& entrada) {
    if (entrada.isEmpty())
        return std::nullopt;
    Figura f;
    f.tipo = entrada[0];
    // Leading digits of characters 2 to 5, as a numeric conversion of text reads them.
    const QString topo = entrada.mid(1, 4);
    for (QChar c : topo) {
        if (c < u'0' || c > u'9')
            break;
        f.topo = f.topo * 10 + (c.unicode() - u'0');
    }
    f.arquivo = entrada.mid(5);
    return f;
}

int PáginaMostrada(int valor, int numpaginas) {
    return valor == numpaginas ? numpaginas - 1 : valor;
}

int PáginaDaFigura(int valor) {
    return valor >= 1 && valor <= máximoPáginas ? valor : máximoPáginas;
}

bool TeclaDeNavegação(int códigoTecla) {
    return códigoTecla >= 33 && códigoTecla <= 40;
}

bool TítuloDoCAD(const QByteArray& título) {
    return título.contains("AutoCAD 2000");
}

} // namespace jogador
