#include "desenho.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace desenho {

QImage Desenhar(int largura, int altura, const QStringList& comandos, QStringList* erros) {
    QImage img(largura, altura, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    QPen caneta(Qt::black, 1);
    g.setPen(caneta);
    g.setBrush(Qt::NoBrush);
    QFont fonte(QStringLiteral("Sans Serif"));
    fonte.setPixelSize(11);
    g.setFont(fonte);

    for (const QString& linha : comandos) {
        const QStringList p = linha.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (p.isEmpty() || p[0].startsWith(QLatin1String("%%")))
            continue;
        const QString& c = p[0];
        auto n = [&](int i) { return i < p.size() ? p[i].toDouble() : 0.0; };
        if (c == QLatin1String("fundo")) {
            g.fillRect(img.rect(), QColor(int(n(1)), int(n(2)), int(n(3))));
        } else if (c == QLatin1String("caneta")) {
            caneta.setColor(QColor(int(n(1)), int(n(2)), int(n(3))));
            caneta.setWidthF(p.size() > 4 ? n(4) : 1.0);
            g.setPen(caneta);
        } else if (c == QLatin1String("tracejado")) {
            caneta.setStyle(p.value(1) == QLatin1String("sim") ? Qt::DashLine : Qt::SolidLine);
            g.setPen(caneta);
        } else if (c == QLatin1String("pincel")) {
            if (p.value(1) == QLatin1String("nenhum"))
                g.setBrush(Qt::NoBrush);
            else
                g.setBrush(QColor(int(n(1)), int(n(2)), int(n(3))));
        } else if (c == QLatin1String("fonte")) {
            fonte.setPixelSize(qMax(6, int(n(1))));
            fonte.setBold(p.value(2) == QLatin1String("negrito"));
            g.setFont(fonte);
        } else if (c == QLatin1String("linha")) {
            g.drawLine(QPointF(n(1), n(2)), QPointF(n(3), n(4)));
        } else if (c == QLatin1String("seta")) {
            const QPointF a(n(1), n(2)), b(n(3), n(4));
            g.drawLine(a, b);
            const double ang = qAtan2(b.y() - a.y(), b.x() - a.x());
            const double t = 7, abertura = 0.4;
            QPolygonF ponta{b, b - QPointF(t * qCos(ang - abertura), t * qSin(ang - abertura)),
                            b - QPointF(t * qCos(ang + abertura), t * qSin(ang + abertura))};
            const QBrush antes = g.brush();
            g.setBrush(caneta.color());
            g.drawPolygon(ponta);
            g.setBrush(antes);
        } else if (c == QLatin1String("retangulo")) {
            g.drawRect(QRectF(n(1), n(2), n(3), n(4)));
        } else if (c == QLatin1String("elipse")) {
            g.drawEllipse(QRectF(n(1), n(2), n(3), n(4)));
        } else if (c == QLatin1String("elipserot")) {
            g.save();
            g.translate(n(1), n(2));
            g.rotate(n(5));
            g.drawEllipse(QPointF(0, 0), n(3), n(4));
            g.restore();
        } else if (c == QLatin1String("arco")) {
            g.drawArc(QRectF(n(1), n(2), n(3), n(4)), int(n(5) * 16), int(n(6) * 16));
        } else if (c == QLatin1String("poligono") || c == QLatin1String("polilinha")) {
            QPolygonF pol;
            for (int i = 1; i + 1 < p.size(); i += 2)
                pol << QPointF(n(i), n(i + 1));
            if (c == QLatin1String("poligono"))
                g.drawPolygon(pol);
            else
                g.drawPolyline(pol);
        } else if (c == QLatin1String("texto")) {
            g.drawText(QPointF(n(1), n(2)), p.mid(3).join(QLatin1Char(' ')));
        } else if (erros) {
            erros->append(QStringLiteral("comando desconhecido: %1").arg(linha.trimmed()));
        }
    }
    return img;
}

} // namespace desenho

#include <QFile>

namespace desenho {

QList<Figura> LerFiguras(const QString& arquivo, QStringList* erros) {
    QList<Figura> figuras;
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (erros)
            erros->append(QStringLiteral("não consigo ler %1").arg(arquivo));
        return figuras;
    }
    const QStringList linhas = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    Figura* atual = nullptr;
    for (int i = 0; i < linhas.size(); ++i) {
        const QString l = linhas[i].trimmed();
        if (l.startsWith(QLatin1String("@figura "))) {
            const QStringList p = l.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (p.size() < 4) {
                if (erros)
                    erros->append(QStringLiteral("linha %1: @figura NOME L A").arg(i + 1));
                continue;
            }
            // The name may hold blanks: width and height are the last two words.
            figuras.append({p.mid(1, p.size() - 3).join(QLatin1Char(' ')),
                            p[p.size() - 2].toInt(),
                            p.last().toInt(),
                            {}});
            atual = &figuras.last();
        } else if (l == QLatin1String("@fim")) {
            atual = nullptr;
        } else if (atual && !l.isEmpty()) {
            atual->comandos.append(l);
        }
    }
    return figuras;
}

} // namespace desenho
