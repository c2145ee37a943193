// Bad input of the lesson window: damaged look settings files and damaged lesson texts. The
// lesson always opens and goes on; the settings file is never created or changed; every page
// whose marker the text holds can be shown, and a page whose marker is missing leaves the text
// where it was.

#include "apoio.h"
#include "desbloqueador.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace jogador;
using apoio::Campos;
using apoio::Jogador;
using apoio::Registro;

namespace {

using ::teste::Desbloqueador;

// What the settings file holds, as bytes, time and kind, to tell that nothing changed it.
struct Estado {
    bool existe = false;
    bool pasta = false;
    QByteArray bytes;
    QDateTime modificado;
    bool operator==(const Estado&) const = default;
};

Estado EstadoDe(const QString& caminho) {
    Estado e;
    const QFileInfo i(caminho);
    e.existe = i.exists();
    e.pasta = i.isDir();
    e.modificado = i.lastModified();
    QFile f(caminho);
    if (i.isFile() && f.open(QIODevice::ReadOnly))
        e.bytes = f.readAll();
    return e;
}

class Ruim : public Jogador {
  protected:
    // Opens the lesson, enters it and walks every page and look, as a student would.
    void Percorrer(const DadosLição& dados = licaogerada::Lição()) {
        abrir(dados);
        entrar();
        ASSERT_EQ(form->entrou, 1);
        fundoNaEntrada = form->fundoDaJanela();
        for (int p = 2; p <= form->Barra->maximum(); ++p)
            avançar();
        form->opçãocaderno->trigger();
        form->opçãobranco->trigger();
        form->opçãopadrão->trigger();
        EXPECT_FALSE(vb::ProgramEnded());
    }
    QColor fundoNaEntrada;
};

TEST_F(Ruim, PadrõesRuinsTomamOsValoresPadrãoEOArquivoFicaComoEstá) {
    const QString nome = QStringLiteral("qvpadrões.txt");
    gravarImagem(QStringLiteral("logo.png"), 30, 30);
    const QByteArray completo =
        Registro(Campos(QStringLiteral("capa.jpg"), QStringLiteral("faixa.jpg"),
                        QStringLiteral("logo.png"), "010020030"));
    QByteArray outroTipo = completo;
    outroTipo[0] = 2; // an integer
    QByteArray porReferência = completo;
    porReferência[1] = 0x40; // a string held by reference
    QByteArray longo = completo;
    longo[2] = char(500 & 0xFF);
    longo[3] = char(500 >> 8);
    longo += Registro(Campos(QStringLiteral("outra.jpg"), QStringLiteral("outra.jpg"),
                             QStringLiteral("outra.jpg"), "099099099", "099099099"));
    QByteArray semTexto = completo;
    semTexto[2] = semTexto[3] = 0;
    QByteArray binário(100, '\0');
    for (int i = 0; i < binário.size(); ++i)
        binário[i] = char((i * 151 + 7) & 0xFF);
    binário[0] = 8;
    binário[1] = 0;

    struct Caso {
        const char* nome;
        QByteArray bytes;
        QColor fundo; // the window's background once the lesson is entered
        bool logo;
    };
    const QColor padrão(255, 251, 255);
    // Missing fields take the standard look's, its logo included.
    const Caso casos[] = {
        {"vazio", "", padrão, true},
        // The file ends inside the logo's field: that field and the colours are missing.
        {"curto no logo", completo.left(4 + 32 + 2), padrão, true},
        // The file ends inside the background's green: green and blue are missing.
        {"curto numa cor", completo.left(4 + 48 + 5), QColor(10, 251, 255), true},
        {"outro tipo", outroTipo, padrão, true},
        {"por referência", porReferência, padrão, true},
        // A length beyond the record: the record's own characters, nothing of the next one.
        {"comprimento 500", longo, QColor(10, 20, 30), true},
        {"comprimento 0", semTexto, padrão, true},
        {"binário", binário, padrão, true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        form.reset();
        vb::ResetProgramEnd();
        gravar(nome, caso.bytes);
        const Estado antes = EstadoDe(arquivo(nome));
        Percorrer();
        EXPECT_EQ(fundoNaEntrada, caso.fundo);
        EXPECT_EQ(form->logo->isVisible(), caso.logo);
        if (caso.fundo == padrão) {
            EXPECT_EQ(form->Pag->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        }
        EXPECT_TRUE(EstadoDe(arquivo(nome)) == antes);
    }
}

TEST_F(Ruim, PadrõesQueNãoSãoArquivoComumNãoSeguramALição) {
    const QString nome = QStringLiteral("qvpadrões.txt");
    ASSERT_TRUE(QDir().mkpath(arquivo(nome)));
    Estado antes = EstadoDe(arquivo(nome));
    Percorrer();
    EXPECT_EQ(fundoNaEntrada, QColor(255, 251, 255));
    EXPECT_TRUE(EstadoDe(arquivo(nome)) == antes);
    form.reset();
    vb::ResetProgramEnd();
    ASSERT_TRUE(QDir().rmdir(arquivo(nome)));

    // A named pipe: reading it would wait for a writer that never comes.
    ASSERT_EQ(::mkfifo(QFile::encodeName(arquivo(nome)).constData(), 0644), 0);
    antes = EstadoDe(arquivo(nome));
    {
        Desbloqueador desbloqueador(arquivo(nome));
        Percorrer();
        EXPECT_FALSE(desbloqueador.desbloqueou()) << "the lesson waited on the pipe";
    }
    EXPECT_EQ(fundoNaEntrada, QColor(255, 251, 255));
    EXPECT_TRUE(EstadoDe(arquivo(nome)) == antes);
}

TEST_F(Ruim, PastaENomesComAcentosEBrancos) {
    // The lesson runs from a folder whose names hold accents and blanks; the settings file is
    // stored under another case and in decomposed form, and names pictures with accents.
    const QString pasta = arquivo(QStringLiteral("Cursos de Informática/Desenho Técnico 2D"));
    ASSERT_TRUE(QDir().mkpath(pasta));
    QDir::setCurrent(pasta);
    licaogerada::GravarFiguras(pasta);
    const auto imagem = [&](const QString& n, int l, int a) {
        QImage i(l, a, QImage::Format_RGB32);
        i.fill(Qt::magenta);
        ASSERT_TRUE(i.save(pasta + QLatin1Char('/') + n, "PNG"));
    };
    imagem(QStringLiteral("capa lição.png"), 120, 90);
    imagem(QStringLiteral("Faixa Ação.png"), 29, 300);
    imagem(QStringLiteral("logo é.png"), 25, 25);
    const QString nome = QStringLiteral("QVPADRÕES.TXT").normalized(QString::NormalizationForm_D);
    {
        QFile f(pasta + QLatin1Char('/') + nome);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Registro(Campos(QStringLiteral("Capa Lição.PNG"), QStringLiteral("faixa ação.png"),
                                QStringLiteral("LOGO É.png"), "001002003")));
    }
    const Estado antes = EstadoDe(pasta + QLatin1Char('/') + nome);
    abrir();
    EXPECT_EQ(form->imgcapa->size(), QSize(120, 90));
    entrar();
    EXPECT_EQ(form->fundoDaJanela(), QColor(1, 2, 3));
    EXPECT_FALSE(form->Faixa->pixmap().isNull());
    EXPECT_EQ(form->logo->size(), QSize(25, 25));
    form->Barra->setValue(3);
    EXPECT_TRUE(form->FiguraInterna->isVisible());
    EXPECT_EQ(form->FiguraInterna->size(), QSize(120, 45));
    EXPECT_TRUE(EstadoDe(pasta + QLatin1Char('/') + nome) == antes);
    EXPECT_EQ(QDir(pasta).entryList(QDir::Files).filter(QStringLiteral("DR")).size(), 1);
}

// ---------------------------------------------------------------------------------------------
// Lesson texts

// The visible marker paragraphs ("Pg N", maybe followed by blanks) and their pages.
std::map<int, QTextBlock> Marcas(const QTextDocument* doc) {
    std::map<int, QTextBlock> r;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const QString t = b.text().trimmed();
        bool número = false;
        const int p = t.startsWith(QStringLiteral("Pg ")) ? t.mid(3).toInt(&número) : 0;
        if (número && !r.count(p))
            r[p] = b;
    }
    return r;
}

// The lesson text of licaogerada with its marker paragraphs taken apart, so that a case can
// leave markers out, put them in another order or put bad groups between them.
struct Texto {
    QByteArray cabeça;
    std::vector<QByteArray> marcas;  // element p - 1: marker p's paragraph
    std::vector<QByteArray> páginas; // element p - 1: the text after marker p
    QByteArray fim = "}";

    Texto() {
        const QByteArray r = licaogerada::Rtf();
        const qsizetype primeira = r.indexOf("\\pard\\qr\\b Pg ");
        cabeça = r.left(primeira);
        QByteArray resto = r.mid(primeira, r.size() - primeira - 1); // without the last "}"
        while (!resto.isEmpty()) {
            const qsizetype fimDaMarca = resto.indexOf("\\par\n") + 5;
            marcas.push_back(resto.left(fimDaMarca));
            resto = resto.mid(fimDaMarca);
            const qsizetype próxima = resto.indexOf("\\pard\\qr\\b Pg ");
            páginas.push_back(próxima < 0 ? resto : resto.left(próxima));
            resto = próxima < 0 ? QByteArray() : resto.mid(próxima);
        }
    }
    QByteArray montar(const std::vector<int>& ordem) const {
        QByteArray r = cabeça;
        for (int p : ordem)
            r += (p > 0 ? marcas[p - 1] : QByteArray()) + páginas[std::abs(p) - 1];
        return r + fim;
    }
};

std::vector<int> EmOrdem() {
    std::vector<int> v;
    for (int p = 1; p <= 12; ++p)
        v.push_back(p);
    return v;
}

QByteArray PngHexTruncado() {
    const QByteArray png = licaogerada::PngHex(60, 40);
    return png.left(png.size() / 2);
}

// A metafile (without the placeable header, as RTF holds it) of one record that stretches a
// run-length encoded bitmap claiming 2^31 - 1 pixels each way, as hex.
QByteArray MetarquivoComBitmapGigante() {
    QByteArray registro;
    auto w16 = [](QByteArray& v, unsigned x) { v.append(char(x & 0xFF)).append(char(x >> 8)); };
    auto w32 = [&](QByteArray& v, std::uint32_t x) {
        w16(v, x & 0xFFFF);
        w16(v, x >> 16);
    };
    w16(registro, 0x0F43); // StretchDIB
    for (unsigned x : {0x0020u, 0x00CCu, 0u, 10u, 10u, 0u, 0u, 100u, 100u, 0u, 0u})
        w16(registro, x);
    for (std::uint32_t x : {40u, 0x7FFFFFFFu, 0x7FFFFFFFu})
        w32(registro, x);
    w16(registro, 1); // planes
    w16(registro, 8); // bits per pixel
    w32(registro, 1); // run-length encoded
    registro.append(QByteArray(20, '\0'));
    registro.append(QByteArray::fromHex("0a01ff00000001"));
    if (registro.size() % 2)
        registro.append('\0');
    QByteArray m;
    const std::uint32_t palavrasDoRegistro = std::uint32_t(registro.size() + 4) / 2;
    const std::uint32_t palavras = 9 + palavrasDoRegistro + 3;
    for (unsigned x : {1u, 9u, 0x300u})
        w16(m, x);
    w32(m, palavras);
    w16(m, 0);
    w32(m, palavrasDoRegistro);
    w16(m, 0);
    w32(m, palavrasDoRegistro);
    m += registro;
    w32(m, 3);
    w16(m, 0); // end of the metafile
    return m.toHex();
}

TEST_F(Ruim, TextosRuinsAbremEMostramCadaPáginaComMarca) {
    Texto base;
    ASSERT_EQ(base.marcas.size(), 12u);

    std::vector<std::pair<const char*, QByteArray>> casos;
    {
        Texto t = base;
        t.páginas[2] += "}}}";
        t.páginas[7] += "{{{\\b ";
        t.fim = "";
        casos.emplace_back("chaves desbalanceadas", t.montar(EmOrdem()));
    }
    {
        Texto t = base;
        t.fim = "\\bin99999999 }";
        casos.emplace_back("\\bin além do fim, depois da última marca", t.montar(EmOrdem()));
        t = base;
        t.páginas[5] += "\\bin2000000000 ";
        casos.emplace_back("\\bin além do fim, no meio", t.montar(EmOrdem()));
    }
    {
        Texto t = base;
        t.páginas[1] += "{\\pict\\pngblip\\picwgoal900\\pichgoal600 89504e47zzq-0d0a1a}\\par\n";
        t.páginas[3] +=
            "{\\pict\\pngblip\\picwgoal900\\pichgoal600 " + PngHexTruncado() + "}\\par\n";
        t.páginas[4] += "{\\pict\\jpegblip\\picwgoal900\\pichgoal600 ffd8ffe000104a46}\\par\n";
        // A metafile whose one record claims a bitmap 2^31 - 1 pixels each way.
        t.páginas[6] += "{\\pict\\wmetafile8\\picw2000\\pich1000\\picwgoal900\\pichgoal600 " +
                        MetarquivoComBitmapGigante() + "}\\par\n";
        t.páginas[8] += "{\\pict\\dibitmap0\\picwgoal900\\pichgoal600 28000000ffffff7f}\\par\n";
        casos.emplace_back("imagens com dados ruins", t.montar(EmOrdem()));
    }
    {
        Texto t = base;
        t.páginas[3] = QByteArray(10000, '{') + t.páginas[3] + QByteArray(10000, '}');
        t.páginas[9] += QByteArray(10000, '{');
        casos.emplace_back("10000 grupos aninhados", t.montar(EmOrdem()));
    }
    {
        std::vector<int> ordem = EmOrdem();
        ordem[0] = -1; // "Pg 1" is also how "Pg 10" and "Pg 11" begin
        ordem[5] = -6;
        casos.emplace_back("marcas ausentes", base.montar(ordem));
    }
    casos.emplace_back("marcas fora de ordem",
                       base.montar({10, 2, 1, 3, 5, 4, 6, 7, 8, 9, 11, 12}));

    for (const auto& [nome, rtf] : casos) {
        SCOPED_TRACE(nome);
        form.reset();
        vb::ResetProgramEnd();
        DadosLição dados = licaogerada::Lição();
        dados.texto = rtf;
        abrir(dados);
        entrar();
        ASSERT_EQ(form->entrou, 1);
        ASSERT_EQ(form->Barra->maximum(), 11);
        QTextEdit* texto = form->RTF[1];
        const std::map<int, QTextBlock> marcas = Marcas(texto->document());

        // Every page up, then every page down: a page whose marker is there starts at the top
        // line; one whose marker is missing leaves the text where it was.
        std::vector<int> visitas;
        for (int p = 2; p <= 11; ++p)
            visitas.push_back(p);
        for (int p = 10; p >= 1; --p)
            visitas.push_back(p);
        for (int p : visitas) {
            SCOPED_TRACE(p);
            const int antes = texto->verticalScrollBar()->value();
            form->Barra->setValue(p);
            EXPECT_EQ(form->Ponteiro->text(), QString::number(p));
            const auto m = marcas.find(p);
            if (m == marcas.end()) {
                EXPECT_EQ(texto->verticalScrollBar()->value(), antes);
                continue;
            }
            QTextCursor c(texto->document());
            c.setPosition(m->second.position());
            EXPECT_NEAR(texto->cursorRect(c).top(), 0, 2);
        }
        EXPECT_FALSE(vb::ProgramEnded());
    }
}

} // namespace

// Names in the look settings that look like markup are only names: every label of both windows,
// through the cover, every page and every look, shows its text as written.
TEST_F(Ruim, NomesComMarcaçãoSãoSóNomes) {
    gravar(QStringLiteral("qvpadrões.txt"),
           Registro(Campos(QStringLiteral("<img src=capa>"), QStringLiteral("<b>faixa</b>"),
                           QStringLiteral("<i>logo</i>"))));
    Percorrer();
    const QList<QLabel*> rótulos =
        form->findChildren<QLabel*>() + form->figura().findChildren<QLabel*>();
    ASSERT_FALSE(rótulos.isEmpty());
    for (const QLabel* r : rótulos)
        EXPECT_EQ(r->textFormat(), Qt::PlainText) << r->objectName().toStdString();
}
