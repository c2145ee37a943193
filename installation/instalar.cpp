// Lays out a runnable installation folder: the pictures the programs load, a sample file for
// every exercise source the lesson items name, and the installation settings.
//
// Usage: qvinstalar <installation folder>

#include "form3.h"
#include "passos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSet>
#include <QTextStream>
#include <cstdio>

namespace {

// A Windows-style name relative to the installation, as a host path inside it.
QString Local(const QString& raiz, QString nome) {
    nome.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList partes;
    for (QString p : nome.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        while (p.endsWith(QLatin1Char(' ')) || p.endsWith(QLatin1Char('.')))
            p.chop(1);
        if (!p.isEmpty())
            partes << p;
    }
    return QDir(raiz).filePath(partes.join(QLatin1Char('/')));
}

bool Escrever(const QString& caminho, const QByteArray& dados) {
    QDir().mkpath(QFileInfo(caminho).absolutePath());
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(dados) == dados.size();
}

QByteArray Amostra(const QString& nome) {
    return QStringLiteral("Arquivo de exercício do curso Aulavix: %1\r\n").arg(nome).toUtf8();
}

// The menu's background: a deep blue field with a light band where the welcome texts stand.
QImage FundoMenu() {
    QImage img(793, 577, QImage::Format_RGB32);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fundo(0, 0, 0, img.height());
    fundo.setColorAt(0, QColor(0, 40, 110));
    fundo.setColorAt(1, QColor(0, 90, 160));
    g.fillRect(img.rect(), fundo);
    g.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int x = 0; x < img.width(); x += 24)
        g.drawLine(x, 0, x, img.height());
    for (int y = 0; y < img.height(); y += 24)
        g.drawLine(0, y, img.width(), y);
    // A drawing desk: a monitor with a plan on it, beside a book.
    g.setPen(QPen(QColor(255, 255, 225), 3));
    g.setBrush(QColor(10, 30, 70));
    g.drawRoundedRect(QRect(470, 170, 250, 170), 8, 8);
    g.drawLine(595, 340, 595, 380);
    g.drawLine(545, 380, 645, 380);
    g.setPen(QPen(QColor(120, 220, 255), 2));
    g.drawRect(500, 200, 120, 80);
    g.drawLine(500, 240, 620, 240);
    g.drawLine(560, 200, 560, 280);
    g.drawEllipse(QPoint(660, 250), 30, 30);
    g.setPen(QPen(QColor(255, 255, 225), 3));
    g.setBrush(QColor(255, 255, 225));
    g.drawPolygon(
        QPolygon{{QPoint(470, 440), QPoint(590, 460), QPoint(590, 510), QPoint(470, 490)}});
    g.drawPolygon(
        QPolygon{{QPoint(600, 460), QPoint(720, 440), QPoint(720, 490), QPoint(600, 510)}});
    return img;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: qvinstalar <pasta da instalação>\n");
        return 2;
    }
    const QString raiz = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(raiz);

    // Every exercise source named by a lesson item or by the Access-version dialog.
    QSet<QString> fontes;
    QSet<QString> módulos;
    for (const catalogo::MenuCurso* curso : catalogo::Cursos()) {
        for (const catalogo::Item& item : curso->itens) {
            for (const catalogo::Etapa& e : item.etapas) {
                const bool cópia =
                    e.passo == catalogo::Passo::Copia || e.passo == catalogo::Passo::CópiaDireta;
                if (e.passo == catalogo::Passo::CopiaMódulo)
                    módulos.insert(QString::fromUtf8(e.a));
                if (!cópia)
                    continue;
                const QString a = QString::fromUtf8(e.a);
                if (!e.lista) {
                    fontes.insert(a);
                    continue;
                }
                for (const char* n : *e.lista)
                    fontes.insert(a + QString::fromUtf8(n));
            }
        }
    }
    for (const menu::LinhaAmostra& linha : menu::TabelaAmostras())
        for (const auto* coluna :
             {linha.sempre.data(), linha.access97.data(), linha.access2000.data()})
            for (int i = 0; i < 2; ++i) {
                if (coluna == linha.sempre.data() && i > 0)
                    break;
                if (coluna[i].origem)
                    fontes.insert(QString::fromUtf8(coluna[i].origem));
            }

    int escritos = 0;
    for (const QString& nome : fontes)
        if (Escrever(Local(raiz, nome), Amostra(nome)))
            ++escritos;
    // Each module folder holds the project of its lesson.
    for (const QString& m : módulos) {
        const QString pasta = Local(raiz, m);
        const QString n = m.section(QLatin1Char('m'), -1);
        Escrever(pasta + QStringLiteral("/Projeto%1.vbp").arg(n), Amostra(m + "\\Projeto.vbp"));
        Escrever(pasta + QStringLiteral("/Form%1.frm").arg(n), Amostra(m + "\\Form.frm"));
        escritos += 2;
    }

    FundoMenu().save(QDir(raiz).filePath(QStringLiteral("qvtelaini.jpg")), "JPG", 90);

    // The demo installation keeps every drive inside the build tree.
    const QString ini = QDir(raiz).filePath(QStringLiteral("qvmenu.ini"));
    if (!QFileInfo::exists(ini)) {
        Escrever(ini, "; Installation settings of the course menu\n"
                      "[aluno]\n"
                      "; nenhum | A | B | perguntar\n"
                      "fonte=nenhum\n"
                      "\n"
                      "[unidades]\n"
                      "; host folder of each drive letter, relative to this folder\n"
                      "C=../c\n"
                      "A=../a\n"
                      "\n"
                      "[suporte]\n"
                      "endereco=procure o responsável pelo curso\n");
    }
    QDir(raiz).mkpath(QStringLiteral("../c"));
    QDir(raiz).mkpath(QStringLiteral("../a"));
    std::printf("%d arquivos de exercício em %s\n", escritos, qPrintable(raiz));
    return 0;
}
