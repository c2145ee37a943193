// Lays out a runnable installation folder: the pictures the programs load, a sample file for
// every exercise source the lesson items name, and the installation settings; one file for
// each name, whatever its case and accents.
//
// Usage: qvinstalar <installation folder> [lesson figure files...]

#include "caminhos.h"
#include "desenho.h"
#include "form3.h"
#include "passos.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>
#include <cstdio>
#include <optional>

namespace {

bool Escrever(const QString& caminho, const QByteArray& dados) {
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(dados) == dados.size();
}

// The installation folder as it is laid out. The platform matches names without regard to case
// and accents, so each name folded as it folds them gets one entry, under the spelling it was
// first laid out with; a later spelling of the same name writes nothing.
class Pasta {
  public:
    explicit Pasta(QString raiz) : raiz_(std::move(raiz)) {}

    // The host path for a new Windows-style name relative to the folder ("vba\m1\cd.ico"),
    // its folders spelled as first laid out; nullopt when the name is laid out already. A file
    // that an earlier layout left under another spelling of the name is taken away.
    std::optional<QString> Reservar(const QString& nome) {
        const QStringList partes = Partes(nome);
        QString chave, caminho;
        bool novo = false;
        for (const QString& p : partes) {
            chave += QLatin1Char('/') + vb::ChaveNome(p);
            novo = !grafias_.contains(chave);
            if (novo)
                grafias_.insert(chave, caminho + QLatin1Char('/') + p);
            caminho = grafias_.value(chave);
        }
        if (!novo)
            return std::nullopt;
        const QString hospedeiro = raiz_ + caminho;
        QDir pasta = QFileInfo(hospedeiro).dir();
        pasta.mkpath(QStringLiteral("."));
        for (const QString& antigo :
             pasta.entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot))
            if (antigo != partes.last() && vb::ChaveNome(antigo) == vb::ChaveNome(partes.last()))
                pasta.remove(antigo);
        return hospedeiro;
    }

    // Writes a new name; false when it is laid out already or cannot be written.
    bool Gravar(const QString& nome, const QByteArray& dados) {
        const std::optional<QString> caminho = Reservar(nome);
        return caminho && Escrever(*caminho, dados);
    }

  private:
    // The names of a path, without their trailing blanks and dots.
    static QStringList Partes(QString nome) {
        nome.replace(QLatin1Char('\\'), QLatin1Char('/'));
        QStringList partes;
        for (QString p : nome.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            while (p.endsWith(QLatin1Char(' ')) || p.endsWith(QLatin1Char('.')))
                p.chop(1);
            if (!p.isEmpty())
                partes << p;
        }
        return partes;
    }

    QString raiz_;
    QHash<QString, QString> grafias_; // folded path from the root -> path as first laid out
};

QByteArray Jpeg(const QImage& imagem, int qualidade) {
    QByteArray dados;
    QBuffer buffer(&dados);
    buffer.open(QIODevice::WriteOnly);
    imagem.save(&buffer, "JPG", qualidade);
    return dados;
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

// The lesson window's cover: the course package's name over a drawing desk.
QImage Capa() {
    QImage img(250, 300, QImage::Format_RGB32);
    img.fill(QColor(255, 251, 255));
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient faixa(0, 0, 0, 90);
    faixa.setColorAt(0, QColor(0, 40, 110));
    faixa.setColorAt(1, QColor(0, 90, 160));
    g.fillRect(QRect(0, 0, 250, 90), faixa);
    QFont f(QStringLiteral("Sans Serif"));
    f.setBold(true);
    f.setPixelSize(30);
    g.setFont(f);
    g.setPen(QColor(255, 255, 0));
    g.drawText(QRect(0, 8, 250, 44), Qt::AlignCenter, QStringLiteral("Aulavix"));
    f.setPixelSize(13);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRect(0, 52, 250, 26), Qt::AlignCenter, QStringLiteral("Curso de AutoCAD 2000"));
    // An isometric block with its dimension lines, the course's subject.
    g.setPen(QPen(QColor(0, 51, 128), 2));
    const QPointF o(125, 230);
    const double a = 60, cx = a * 0.866, cy = a * 0.5;
    QPolygonF topo{o + QPointF(0, -a - 2 * cy), o + QPointF(cx, -a - cy), o + QPointF(0, -a),
                   o + QPointF(-cx, -a - cy)};
    g.setBrush(QColor(200, 220, 245));
    g.drawPolygon(topo);
    g.setBrush(QColor(150, 185, 230));
    g.drawPolygon(
        QPolygonF{o + QPointF(-cx, -a - cy), o + QPointF(0, -a), o, o + QPointF(-cx, -cy)});
    g.setBrush(QColor(110, 150, 210));
    g.drawPolygon(QPolygonF{o + QPointF(0, -a), o + QPointF(cx, -a - cy), o + QPointF(cx, -cy), o});
    // Its dimension along the lower left edge: extension lines, the dimension line, the value.
    g.setPen(QPen(QColor(128, 0, 0), 1));
    const QPointF normal(-0.5 * 16, 0.866 * 16), a0 = o + QPointF(-cx, -cy), a1 = o;
    g.drawLine(a0 + normal * 0.2, a0 + normal * 1.2);
    g.drawLine(a1 + normal * 0.2, a1 + normal * 1.2);
    g.drawLine(a0 + normal, a1 + normal);
    f.setPixelSize(12);
    g.setFont(f);
    g.drawText(QRectF((a0 + a1) / 2 + normal * 1.9 - QPointF(15, 8), QSizeF(30, 16)),
               Qt::AlignCenter, QStringLiteral("60"));
    f.setPixelSize(11);
    f.setBold(false);
    g.setFont(f);
    g.setPen(QColor(60, 60, 60));
    g.drawText(QRect(0, 274, 250, 20), Qt::AlignCenter, QStringLiteral("Cursos de Informática"));
    return img;
}

// The band at the left of the text: a column of the package's blue with drafting marks.
QImage Faixa(bool caderno) {
    QImage img(29, 392, QImage::Format_RGB32);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    if (!caderno) {
        QLinearGradient fundo(0, 0, 29, 0);
        fundo.setColorAt(0, QColor(0, 40, 110));
        fundo.setColorAt(1, QColor(0, 90, 160));
        g.fillRect(img.rect(), fundo);
        g.setPen(QPen(QColor(255, 255, 225, 120), 1));
        for (int y = 10; y < 392; y += 10)
            g.drawLine(y % 50 == 0 ? 6 : 18, y, 29, y);
        return img;
    }
    // The notebook: a spiral binding on brown card.
    g.fillRect(img.rect(), QColor(143, 112, 95));
    for (int y = 12; y < 392; y += 22) {
        g.setPen(Qt::NoPen);
        g.setBrush(QColor(60, 45, 38));
        g.drawEllipse(QPointF(20, y), 3.5, 3.5);
        g.setPen(QPen(QColor(200, 200, 205), 2.5));
        g.setBrush(Qt::NoBrush);
        g.drawArc(QRectF(3, y - 6, 18, 12), 90 * 16, 180 * 16);
    }
    return img;
}

QImage Logo() {
    QImage img(41, 41, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(0, 51, 128));
    g.setPen(Qt::NoPen);
    g.drawRoundedRect(QRectF(1, 1, 39, 39), 6, 6);
    QFont f(QStringLiteral("Sans Serif"));
    f.setBold(true);
    f.setPixelSize(22);
    g.setFont(f);
    g.setPen(QColor(255, 255, 0));
    g.drawText(QRect(0, 0, 41, 41), Qt::AlignCenter, QStringLiteral("A"));
    return img;
}

// The lesson player's look settings: record 1 of 100 bytes, a variant holding a string.
QByteArray Padrões() {
    QByteArray texto = QByteArray("QVcapa.jpg").leftJustified(16, ' ') +
                       QByteArray("QVfaixa.jpg").leftJustified(16, ' ') +
                       QByteArray("QVlogo.jpg").leftJustified(16, ' ') + "255251255" + "000000000";
    QByteArray r;
    r += char(8), r += char(0);
    r += char(texto.size() & 0xFF), r += char(texto.size() >> 8);
    r += texto;
    return r.leftJustified(100, '\0');
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
    Pasta pasta(raiz);

    // The pictures and settings that the programs load come first: no exercise source may
    // take their names.
    pasta.Gravar(QStringLiteral("qvtelaini.jpg"), Jpeg(FundoMenu(), 90));
    pasta.Gravar(QStringLiteral("QVcapa.jpg"), Jpeg(Capa(), 92));
    pasta.Gravar(QStringLiteral("QVfaixa.jpg"), Jpeg(Faixa(false), 92));
    pasta.Gravar(QStringLiteral("QVFXcaderno.jpg"), Jpeg(Faixa(true), 92));
    pasta.Gravar(QStringLiteral("QVlogo.jpg"), Jpeg(Logo(), 92));
    pasta.Gravar(QStringLiteral("qvpadrões.txt"), Padrões());

    // The figures of the lesson programs, drawn from their figure files.
    int figuras = 0;
    for (int i = 2; i < argc; ++i) {
        QStringList erros;
        for (const desenho::Figura& f :
             desenho::LerFiguras(QString::fromLocal8Bit(argv[i]), &erros)) {
            if (!pasta.Gravar(f.nome,
                              Jpeg(desenho::Desenhar(f.largura, f.altura, f.comandos, &erros), 92)))
                erros << QStringLiteral("figura %1 repetida ou não gravada").arg(f.nome);
            ++figuras;
        }
        for (const QString& e : erros)
            std::fprintf(stderr, "%s: %s\n", argv[i], qPrintable(e));
        if (!erros.isEmpty())
            return 1;
    }

    // The demo installation keeps every drive inside the build tree.
    const std::optional<QString> ini = pasta.Reservar(QStringLiteral("qvmenu.ini"));
    if (ini && !QFileInfo::exists(*ini)) {
        Escrever(*ini, "; Installation settings of the course menu\n"
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

    // Every exercise source named by a lesson item or by the Access-version dialog, in
    // catalogue order (courses, items, steps, list names, then the sample table): of two
    // spellings of one name, the first is the one laid out.
    QStringList fontes;
    QStringList módulos;
    for (const catalogo::MenuCurso* curso : catalogo::Cursos()) {
        for (const catalogo::Item& item : curso->itens) {
            for (const catalogo::Etapa& e : item.etapas) {
                const bool cópia =
                    e.passo == catalogo::Passo::Copia || e.passo == catalogo::Passo::CópiaDireta;
                if (e.passo == catalogo::Passo::CopiaMódulo)
                    módulos << QString::fromUtf8(e.a);
                if (!cópia)
                    continue;
                const QString a = QString::fromUtf8(e.a);
                if (!e.lista) {
                    fontes << a;
                    continue;
                }
                for (const char* n : *e.lista)
                    fontes << a + QString::fromUtf8(n);
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
                    fontes << QString::fromUtf8(coluna[i].origem);
            }

    int escritos = 0;
    for (const QString& nome : fontes)
        escritos += pasta.Gravar(nome, Amostra(nome));
    // Each module folder holds the project of its lesson.
    for (const QString& m : módulos) {
        const QString n = m.section(QLatin1Char('m'), -1);
        escritos += pasta.Gravar(m + QStringLiteral("\\Projeto%1.vbp").arg(n),
                                 Amostra(m + "\\Projeto.vbp"));
        escritos +=
            pasta.Gravar(m + QStringLiteral("\\Form%1.frm").arg(n), Amostra(m + "\\Form.frm"));
    }

    std::printf("%d arquivos de exercício e %d figuras em %s\n", escritos, figuras,
                qPrintable(raiz));
    return 0;
}
