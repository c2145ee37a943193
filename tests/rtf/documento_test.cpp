// The reader writing into a QTextDocument: formats, paragraphs and pictures.

#include "auxiliar.h"
#include "documentortf.h"
#include "jpeg_varreduras.h"
#include "metarquivos.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextTable>

#include <gtest/gtest.h>

using namespace vb::rtf;

namespace {

class Documento : public ::testing::Test {
  protected:
    void carrega(const std::string& rtf) { carregaDocumento(&doc, rtf); }

    // The pictures of the document, in order.
    std::vector<QImage> imagens() {
        std::vector<QImage> v;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (QImage i = imagemMostrada(doc, it.fragment().charFormat()); !i.isNull())
                    v.insert(v.end(), std::size_t(it.fragment().length()), i); // boxes run on
        return v;
    }

    QTextDocument doc;
};

TEST_F(Documento, MarcadorDeListaComRecuoPendente) {
    // A bullet in the symbol font, then a tab to the hanging indent: the bullet is shown in the
    // text's font and the text starts at the indent, not at a default tab stop.
    carrega(R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fnil\fcharset2 Symbol;}}
\pard{\pntext\f1\'b7\tab}{\*\pn\pnlvlblt\pnf1\pnindent200{\pntxtb\'b7}}\fi-200\li200\f0 passo\par})");
    const QTextBlock b = doc.begin();
    EXPECT_EQ(b.text(), QString(QChar(0x2022)) + "\tpasso");
    EXPECT_FALSE(
        b.begin().fragment().charFormat().fontFamilies().toStringList().contains("Symbol"));
    const auto tabs = b.blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 1);
    EXPECT_DOUBLE_EQ(tabs[0].position, 200.0 / 15);
}

TEST_F(Documento, FormatosDeParágrafoEDeCaractere) {
    carrega(R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}}
\pard\qr\b Pg 1\par
\pard\qc\plain\i centro\par\par
\pard\qj\li300\sb150\plain\fs32 justificado \ul sub\par
\pard fim})");
    ASSERT_EQ(doc.blockCount(), 5); // the empty paragraph stays, no empty block at the end
    QTextBlock b = doc.begin();
    EXPECT_EQ(b.text(), "Pg 1");
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(b.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_TRUE(b.begin().fragment().charFormat().fontFamilies().toStringList().contains("Arial"));
    b = b.next();
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_TRUE(b.begin().fragment().charFormat().fontItalic());
    EXPECT_NE(b.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    b = b.next();
    EXPECT_EQ(b.text(), "");
    b = b.next();
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(b.blockFormat().leftMargin(), 20);
    EXPECT_DOUBLE_EQ(b.blockFormat().topMargin(), 10);
    EXPECT_DOUBLE_EQ(b.begin().fragment().charFormat().fontPointSize(), 16);
    auto it = b.begin();
    ++it;
    EXPECT_EQ(it.fragment().text(), "sub");
    EXPECT_TRUE(it.fragment().charFormat().fontUnderline());
    EXPECT_EQ(b.next().text(), "fim");
}

TEST_F(Documento, DistânciasDeParágrafoDentroDeUmaPágina) {
    // Damaged documents: distances of millions of pixels hung the layout.
    carrega(
        R"({\rtf1\pard\sb118030101\sa-99999999\li99999999\sl-99999999 a\par\sl99999999\slmult1 b\par})");
    const QTextBlockFormat f = doc.begin().blockFormat();
    EXPECT_DOUBLE_EQ(f.topMargin(), 2112);
    EXPECT_DOUBLE_EQ(f.bottomMargin(), -2112);
    EXPECT_DOUBLE_EQ(f.leftMargin(), 2112);
    EXPECT_DOUBLE_EQ(f.lineHeight(), 2112);
    EXPECT_DOUBLE_EQ(doc.begin().next().blockFormat().lineHeight(), 31680 * 100.0 / 240);
}

TEST_F(Documento, SobrescritoRiscadoEEstiloDoSublinhado) {
    carrega(R"({\rtf1 m{\super 2}{\sub 3}{\strike r}{\uld p}{\ulwave o}{\uldb d}})");
    EXPECT_EQ(doc.toPlainText(), "m23rpod");
    std::vector<QTextCharFormat> f;
    for (auto it = doc.begin().begin(); !it.atEnd(); ++it)
        f.push_back(it.fragment().charFormat());
    ASSERT_EQ(f.size(), 7u);
    EXPECT_EQ(f[0].verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_EQ(f[1].verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(f[2].verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_TRUE(f[3].fontStrikeOut());
    EXPECT_FALSE(f[4].fontStrikeOut());
    EXPECT_EQ(f[4].underlineStyle(), QTextCharFormat::DotLine);
    EXPECT_EQ(f[5].underlineStyle(), QTextCharFormat::WaveUnderline);
    EXPECT_TRUE(f[6].fontUnderline());
    EXPECT_EQ(f[0].underlineStyle(), QTextCharFormat::NoUnderline);
}

TEST_F(Documento, TextoPesquisávelEOutrasPáginasDeCódigo) {
    carrega(R"({\rtf1\ansi\ansicpg1252 exem\-plo Pg {\lang1033\cf1 12}\line x\par})");
    EXPECT_EQ(doc.toRawText(), QString::fromUtf8("exemplo Pg 12\u2028x"));
    EXPECT_FALSE(doc.find("Pg 12").isNull());
    carrega(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})");
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("Привет"));
    carrega(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}{\f2\fcharset2 Wingdings;}}
{\f1\'b7}{\f2\'a7\'d8\u61692?\u108?}})");
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("•▪➢✓●"));
}

TEST_F(Documento, FontesLatinasEJaponesasNoMesmoDocumento) {
    carrega(R"({\rtf1\ansi\ansicpg932\deff0{\fonttbl{\f0\fnil\fcharset128 \'82\'6c\'82\'72 Mincho;}
{\f1\fswiss\fcharset0 Arial;}}\'82\'a0\f1 caf\'e9\f0\'82\'a2})");
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("あcaféい"));
    auto it = doc.begin().begin();
    EXPECT_TRUE(it.fragment().charFormat().fontFamilies().toStringList().contains(
        QString::fromUtf8("ＭＳ Mincho")));
}

QString textoDa(const QTextTableCell& c) {
    QTextCursor k = c.firstCursorPosition();
    k.setPosition(c.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return k.selectedText();
}

QTextTable* tabelaEm(QTextFrame* quadro, int i = 0) {
    auto filhos = quadro->childFrames();
    return i < filhos.size() ? qobject_cast<QTextTable*>(filhos[i]) : nullptr;
}

TEST_F(Documento, TabelasComLargurasDoCellx) {
    carrega(R"({\rtf1 antes\par
\trowd\trleft-108\cellx1392\cellx4392\pard\intbl a\cell b\par b2\cell\row
\trowd\trleft-108\cellx1392\cellx4392\cellx6000\pard\intbl c\cell d\cell e\cell\row
\pard depois\par})");
    QTextTable* t = tabelaEm(doc.rootFrame());
    ASSERT_TRUE(t);
    ASSERT_EQ(t->rows(), 2);
    ASSERT_EQ(t->columns(), 3);
    EXPECT_EQ(textoDa(t->cellAt(0, 0)), "a");
    EXPECT_EQ(textoDa(t->cellAt(0, 1)), QString("b") + QChar::ParagraphSeparator + "b2");
    EXPECT_EQ(textoDa(t->cellAt(0, 2)), "");
    EXPECT_EQ(textoDa(t->cellAt(1, 2)), "e");
    auto larguras = t->format().columnWidthConstraints();
    ASSERT_EQ(larguras.size(), 3);
    EXPECT_EQ(larguras[0], QTextLength(QTextLength::FixedLength, 100)); // (1392 + 108) / 15
    EXPECT_EQ(larguras[1], QTextLength(QTextLength::FixedLength, 200));
    EXPECT_EQ(larguras[2], QTextLength(QTextLength::FixedLength, 1608 / 15.0));
    EXPECT_EQ(doc.begin().text(), "antes");
    EXPECT_EQ(doc.lastBlock().text(), "depois");
    EXPECT_TRUE(doc.toPlainText().contains("depois"));
}

TEST_F(Documento, TabelaAninhadaNaCélula) {
    carrega(R"({\rtf1\pard\intbl\itap1 fora\par\pard\intbl\itap2 x\nestcell y\nestcell
{\*\nesttableprops\trowd\cellx750\cellx1500\nestrow}{\nonesttables\par}
\pard\intbl\itap1 \cell outra\cell\trowd\cellx3000\cellx6000\row})");
    QTextTable* t = tabelaEm(doc.rootFrame());
    ASSERT_TRUE(t);
    ASSERT_EQ(t->rows(), 1);
    ASSERT_EQ(t->columns(), 2);
    EXPECT_EQ(textoDa(t->cellAt(0, 1)), "outra");
    QTextTable* dentro = tabelaEm(t);
    ASSERT_TRUE(dentro);
    EXPECT_EQ(t->cellAt(dentro->firstPosition()).column(), 0);
    ASSERT_EQ(dentro->columns(), 2);
    EXPECT_EQ(textoDa(dentro->cellAt(0, 1)), "y");
    EXPECT_EQ(dentro->format().columnWidthConstraints()[0],
              QTextLength(QTextLength::FixedLength, 50));
    EXPECT_EQ(t->format().columnWidthConstraints()[1], QTextLength(QTextLength::FixedLength, 200));
}

TEST_F(Documento, TabelasMalFormadasGuardamOTexto) {
    const char* casos[] = {
        R"({\rtf1\pard\intbl sem cellx\cell mais\cell\row fim})",
        R"({\rtf1 \row\cell\nestrow\nestcell\row\pard\intbl\itap5 fundo\cell\nestrow fim})",
        R"({\rtf1\pard\intbl\itap3 a\nestcell\pard\itap0 fim\row\row\cell})",
    };
    for (const char* rtf : casos) {
        carrega(rtf);
        EXPECT_TRUE(doc.toPlainText().contains("fim")) << rtf;
    }
    carrega(casos[0]);
    QTextTable* t = tabelaEm(doc.rootFrame());
    ASSERT_TRUE(t);
    EXPECT_EQ(textoDa(t->cellAt(0, 0)), "sem cellx");
    EXPECT_EQ(textoDa(t->cellAt(0, 1)), "mais");
    carrega(R"({\rtf1\trowd\trleft-2147483647\cellx2147483647\pard\intbl a\cell\row})");
    t = tabelaEm(doc.rootFrame());
    ASSERT_TRUE(t);
    EXPECT_EQ(t->format().columnWidthConstraints()[0],
              QTextLength(QTextLength::FixedLength, 16384));
    std::string fundo = "{\\rtf1";
    for (int i = 1; i <= 40; ++i)
        fundo += "\\pard\\intbl\\itap" + std::to_string(i) + " n\\nestcell";
    carrega(fundo + "}");
    int níveis = 0;
    for (QTextFrame* q = doc.rootFrame(); (q = tabelaEm(q));)
        ++níveis;
    EXPECT_EQ(níveis, níveisMáximosTabela);
}

TEST(PáginasDeCódigo, NomesQueOCodecConhece) {
    QTextDocument doc;
    SaídaDocumento saída(&doc);
    const struct {
        int página;
        const char* bytes;
        const char* texto;
    } casos[] = {
        {1252, "\x80\x81", "€\u0081"},
        {1250, "\xe8", "č"},
        {1251, "\xcf", "П"},
        {1253, "\xe1", "α"},
        {1254, "\xfd", "ı"},
        {1255, "\xf9", "ש"},
        {1256, "\xc7", "ا"},
        {1257, "\xe8", "č"},
        {1258, "\xf5", "ơ"},
        {874, "\xa1", "ก"},
        {437, "\x82\xd0", "é╨"},
        {850, "\x82\xd0", "éð"},
        {866, "\x8f", "П"},
        {932, "\x82\xa0", "あ"},
        {936, "\xc4\xe3", "你"},
        {949, "\xc7\xd1", "한"},
        {950, "\xa4\xa4", "中"},
        {10000, "\x8e", "é"},
        {10001, "\x82\xa0", "あ"},
        {10007, "\x80", "А"},
        {10029, "\x87", "á"},
        {20127, "A", "A"},
        {28591, "\xe9", "é"},
        {28595, "\xbf", "П"},
        {28605, "\xa4", "€"},
        {65001, "\xc3\xa9", "é"},
        {54936, "\xc4\xe3", "你"},
        {12345, "\x80", "€"}, // unknown: Windows-1252
    };
    for (const auto& c : casos) {
        std::u16string s = saída.decodifica(c.página, c.bytes);
        EXPECT_EQ(teste::utf8(s), c.texto) << c.página;
    }
}

TEST_F(Documento, ImagensPngJpegEDib) {
    QImage origem = teste::imagemDeTeste(8, 6);
    std::string rtf = "{\\rtf1 {\\pict\\pngblip\\picw8\\pich6 " +
                      teste::hex(teste::bytesDaImagem(origem, "PNG")) + "}" +
                      "{\\pict\\jpegblip\\picwgoal240\\pichgoal180 " +
                      teste::hex(teste::bytesDaImagem(origem, "JPG")) + "}";
    std::vector<std::uint8_t> bmp = teste::bytesDaImagem(origem, "BMP");
    bmp.erase(bmp.begin(), bmp.begin() + 14); // RTF keeps no file header
    rtf += "{\\pict\\dibitmap0\\picw8\\pich6 " + teste::hex(bmp) + "}}";
    carrega(rtf);
    auto v = imagens();
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].size(), QSize(8, 6));
    EXPECT_EQ(v[0].pixelColor(1, 1), QColor(255, 255, 0));
    EXPECT_EQ(v[0].pixelColor(1, 5), QColor(0, 0, 255));
    EXPECT_EQ(v[1].size(), QSize(16, 12)); // 240 x 180 twips, scaled up
    EXPECT_GT(v[1].pixelColor(8, 1).red(), 200);
    EXPECT_LT(v[1].pixelColor(8, 11).red(), 60);
    EXPECT_EQ(v[2].size(), QSize(8, 6));
    EXPECT_EQ(v[2].pixelColor(7, 0), QColor(255, 255, 0)); // bottom-up rows put right
    EXPECT_EQ(v[2].pixelColor(7, 5), QColor(0, 0, 255));
}

TEST_F(Documento, MetarquivoDesenhado) {
    // 2000 x 1000 logical units shown at 3000 x 1500 twips = 200 x 100 pixels.
    std::string rtf =
        "{\\rtf1 {\\pict\\wmetafile8\\picw5292\\pich2646\\picwgoal3000\\pichgoal1500 " +
        teste::hex(teste::metarquivoDeTeste()) + "}}";
    carrega(rtf);
    auto v = imagens();
    ASSERT_EQ(v.size(), 1u);
    ASSERT_EQ(v[0].size(), QSize(200, 100));
    EXPECT_EQ(v[0].pixelColor(50, 25), QColor(255, 0, 0));  // inside the rectangle
    EXPECT_EQ(v[0].pixelColor(150, 10), QColor(0, 255, 0)); // inside the ellipse
    EXPECT_EQ(v[0].pixelColor(120, 75), QColor(0, 255, 0));
    EXPECT_EQ(v[0].pixelColor(102, 2), QColor(255, 255, 255)); // outside every shape
}

TEST_F(Documento, CaixaEmolduradaQuandoNãoDáParaDesenhar) {
    carrega(
        R"({\rtf1 {\pict\wmetafile8\picwgoal600\pichgoal300 0100090000}{\pict\pngblip\picwgoal150\pichgoal150 00}{\pict\macpict\picw4\pich4 00}})");
    auto v = imagens();
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].size(), QSize(40, 20));
    EXPECT_EQ(v[0].pixelColor(0, 0), QColor(Qt::gray));
    EXPECT_EQ(v[0].pixelColor(39, 19), QColor(Qt::gray));
    EXPECT_EQ(v[0].pixelColor(20, 10).alpha(), 0);
    EXPECT_EQ(v[1].size(), QSize(10, 10));
    EXPECT_EQ(v[2].size(), QSize(4, 4));
}

TEST_F(Documento, ImagensDoDocumentoLimitadasNoTodo) {
    // Eight 2048 x 2048 pictures spend the document's pixels and work, shown or not: the pixels
    // of images held then (a framed box holds none), and whether a small picture after is drawn.
    teste::Wmf hachuras; // over its own drawing budget
    hachuras.r(0x020C, {2048, 2048}).r(0x02FC, {2, 255, 0, 3}).r(0x012D, {0});
    for (int i = 0; i < 20; ++i)
        hachuras.r(0x041B, {2048, 2048, 0, 0});
    const QByteArray j = teste::JpegDeVarreduras(2),
                     enorme = QByteArray(j).replace(76, 4, "\x7F\xFF\x7F\xFF"); // refused unread
    const auto jpeg = [](const QByteArray& b) {
        return "\\jpegblip\\picwgoal300\\pichgoal150 " + teste::hex({b.begin(), b.end()});
    };
    const std::string grande = "\\wmetafile8\\picwgoal30720\\pichgoal30720 ";
    const std::tuple<std::string, qint64, bool> casos[] = {
        {grande + teste::hex(teste::metarquivoDeTeste()), 4 * 2048 * 2048, false},
        {grande + teste::hex(hachuras.bytes()), 0, false},
        {jpeg(j), 8 * 10 * 5, false}, // shown at 10 x 5
        {jpeg(enorme), 800, true},
        {"\\pngblip\\picwgoal30720\\pichgoal30720 89504e47", 800, true}};
    for (const auto& [figura, pixelsEsperados, desenhada] : casos) {
        std::string rtf = "{\\rtf1 ";
        for (int i = 0; i < 8; ++i)
            rtf += "{\\pict" + figura + "}";
        carrega(rtf + "{\\pict\\wmetafile8\\picwgoal600\\pichgoal300 " +
                teste::hex(teste::metarquivoDeTeste()) + "}}");
        qint64 pixels = 0;
        for (const QTextFormat& f : doc.allFormats())
            pixels += f.isImageFormat() ? imagemMostrada(doc, f).sizeInBytes() / 4 : 0;
        EXPECT_EQ(pixels, pixelsEsperados) << figura.substr(0, 12);
        ASSERT_EQ(imagens().size(), 9u);
        EXPECT_EQ(imagens()[8].pixelColor(20, 10).alpha() == 255, desenhada);
    }
    QImage tela(16, 16, QImage::Format_RGB32); // the layout draws the first box
    tela.fill(Qt::white);
    QPainter p(&tela);
    doc.drawContents(&p, QRectF(tela.rect()));
    EXPECT_EQ(tela.pixelColor(int(doc.documentMargin()), 8), QColor(Qt::gray));
}

} // namespace
