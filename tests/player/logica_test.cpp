// The settings record, figure entries and page arithmetic, without windows.

#include "apoio.h"
#include "padroes.h"
#include "paginas.h"

using namespace jogador;
using apoio::Campos;
using apoio::Registro;

TEST(RegistroPadrões, CamposCompletosComNomesPreenchidosEAcentos) {
    const RegistroPadrões r = InterpretarPadrões(Registro(Campos(
        QStringLiteral("capa.jpg"), QStringLiteral("faixa-ção.jpg"), QStringLiteral("logo.bmp"))));
    EXPECT_EQ(r.arqcapa, QStringLiteral("capa.jpg        "));
    EXPECT_EQ(NomeDaImagem(r.arqcapa), QStringLiteral("capa.jpg"));
    EXPECT_EQ(NomeDaImagem(r.arqfaixa), QStringLiteral("faixa-ção.jpg")); // Windows-1252
    EXPECT_EQ(NomeDaImagem(r.arqlogo), QStringLiteral("logo.bmp"));
    EXPECT_FALSE(r.semLogo());
    EXPECT_EQ(r.fundo(), QColor(10, 20, 30));
    EXPECT_EQ(r.letra(), QColor(200, 210, 220));
}

TEST(RegistroPadrões, CamposAusentesOuRuinsTomamOsValoresPadrão) {
    const RegistroPadrões p = RegistroPadrões::padrão();
    EXPECT_EQ(p.arqcapa, QStringLiteral("QVcapa.jpg      "));
    EXPECT_EQ(p.arqfaixa, QStringLiteral("QVfaixa.jpg     "));
    EXPECT_EQ(p.arqlogo, QStringLiteral("QVlogo.jpg      "));
    EXPECT_EQ(p.fundo(), QColor(255, 251, 255));
    EXPECT_EQ(p.letra(), QColor(0, 0, 0));

    // Shorter than 66 characters: the picture names are there, the colours are not (the
    // text colour's last field is cut short).
    QByteArray curto = Campos(QStringLiteral("capa.jpg"), QStringLiteral("faixa.jpg"),
                              QStringLiteral("nulo"), "100110120", "0102");
    ASSERT_EQ(curto.size(), 61);
    RegistroPadrões r = InterpretarPadrões(Registro(curto));
    EXPECT_EQ(NomeDaImagem(r.arqfaixa), QStringLiteral("faixa.jpg"));
    EXPECT_TRUE(r.semLogo());
    EXPECT_EQ(r.fundo(), QColor(100, 110, 120));
    EXPECT_EQ(r.letraR, QStringLiteral("010"));
    EXPECT_EQ(r.letraG, QStringLiteral("000"));
    EXPECT_EQ(r.letraB, QStringLiteral("000"));

    // A declared length shorter than the characters present cuts the string there.
    QByteArray registro =
        Registro(Campos(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")));
    registro[2] = 20;
    r = InterpretarPadrões(registro);
    EXPECT_EQ(NomeDaImagem(r.arqcapa), QStringLiteral("a"));
    EXPECT_EQ(r.arqfaixa, p.arqfaixa);
    EXPECT_EQ(r.arqlogo, p.arqlogo);

    // A colour field that is not a number: only that field falls back.
    r = InterpretarPadrões(Registro(Campos(QStringLiteral("a"), QStringLiteral("b"),
                                           QStringLiteral("c"), "0x0020030", "2002-0220")));
    EXPECT_EQ(r.fundo(), QColor(255, 20, 30));
    EXPECT_EQ(r.letra(), QColor(200, 0, 220));

    // Not a string variant, or too few bytes: the whole standard record.
    QByteArray outroTipo =
        Registro(Campos(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")));
    outroTipo[0] = 2;
    EXPECT_EQ(InterpretarPadrões(outroTipo).fundo(), QColor(255, 251, 255));
    EXPECT_EQ(InterpretarPadrões(outroTipo).arqcapa, p.arqcapa);
    EXPECT_EQ(InterpretarPadrões(QByteArray("\x08", 1)).arqlogo, p.arqlogo);
}

TEST(RegistroPadrões, ValoresDeCor) {
    EXPECT_EQ(ValorDaCor(QStringLiteral("255")), 255);
    EXPECT_EQ(ValorDaCor(QStringLiteral(" 12")), 12);
    EXPECT_EQ(ValorDaCor(QStringLiteral("999")), 255);
    EXPECT_EQ(ValorDaCor(QStringLiteral("   ")), -1);
    EXPECT_EQ(ValorDaCor(QStringLiteral("-12")), -1);
    EXPECT_EQ(ValorDaCor(QStringLiteral("1e2")), -1);
    EXPECT_TRUE(SemLogo(QStringLiteral("nulo.jpg        ")));
    EXPECT_FALSE(SemLogo(QStringLiteral("Nulo            ")));
    EXPECT_FALSE(SemLogo(QStringLiteral(" nulo")));
}

TEST(RegistroPadrões, ArquivoLidoSemSerCriado) {
    apoio::App();
    QTemporaryDir pasta;
    const QString caminho = pasta.path() + QLatin1Char('\\');
    const QString arquivo = pasta.path() + QStringLiteral("/qvpadrões.txt");

    EXPECT_EQ(LerPadrões(caminho).fundo(), QColor(255, 251, 255));
    EXPECT_FALSE(QFile::exists(arquivo)); // a missing file is never created

    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // A record shorter than 100 bytes on disk: the rest reads as blanks.
    f.write(Registro(Campos(QStringLiteral("capa.jpg"), QStringLiteral("faixa.jpg"),
                            QStringLiteral("logo.jpg"), "001002003"))
                .left(4 + 57));
    f.close();
    const RegistroPadrões r = LerPadrões(caminho);
    EXPECT_EQ(NomeDaImagem(r.arqlogo), QStringLiteral("logo.jpg"));
    EXPECT_EQ(r.fundo(), QColor(1, 2, 3));
    EXPECT_EQ(r.letra(), QColor(0, 0, 0));
}

TEST(Páginas, MarcasEntradasEAritmética) {
    EXPECT_EQ(MarcaPágina(0), QString());
    EXPECT_EQ(MarcaPágina(1), QStringLiteral("Pg 1"));
    EXPECT_EQ(MarcaPágina(100), QStringLiteral("Pg 100"));
    EXPECT_EQ(MarcaPágina(101), QString());

    const QString e = MontarEntrada(
        {54, QStringLiteral("1"), QStringLiteral("0800"), QStringLiteral("QVCAD-2000-2D-220.jpg")},
        QStringLiteral("/curso\\"));
    EXPECT_EQ(e, QStringLiteral("10800/curso\\QVCAD-2000-2D-220.jpg"));
    const auto f = LerEntrada(e);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->tipo, u'1');
    EXPECT_EQ(f->topo, 800);
    EXPECT_EQ(f->arquivo, QStringLiteral("/curso\\QVCAD-2000-2D-220.jpg"));
    EXPECT_EQ(
        LerEntrada(MontarEntrada({1, QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("x")},
                                 QString()))
            ->topo,
        0);
    EXPECT_FALSE(LerEntrada(QString()));

    // The last reachable page shows its own marker; the end marker is never a page.
    EXPECT_EQ(PáginaMostrada(83, 84), 83);
    EXPECT_EQ(PáginaMostrada(84, 84), 83);
    EXPECT_EQ(PáginaDaFigura(1), 1);
    EXPECT_EQ(PáginaDaFigura(100), 100);
    EXPECT_EQ(PáginaDaFigura(0), 100);
    EXPECT_EQ(PáginaDaFigura(101), 100);

    EXPECT_TRUE(TítuloDoCAD("Desenho1 - AutoCAD 2000"));
    EXPECT_TRUE(TítuloDoCAD("AutoCAD 2000"));
    EXPECT_FALSE(TítuloDoCAD("AutoCAD 200"));
    EXPECT_FALSE(TítuloDoCAD("Desenho1 - autocad 2000"));
    EXPECT_FALSE(TítuloDoCAD("AutoCAD  2000"));
}
