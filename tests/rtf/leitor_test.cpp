// The RTF reader through a recording sink: no widgets, no QTextDocument.

#include "auxiliar.h"

#include <gtest/gtest.h>

using teste::Evento;
using teste::lê;
using namespace vb::rtf;

namespace {

std::vector<Token> tokens(std::string_view s) {
    Tokenizador tk(s);
    std::vector<Token> v;
    for (Token t = tk.próximo(); t.tipo != TipoToken::Fim; t = tk.próximo())
        v.push_back(t);
    return v;
}

TEST(Tokenizador, PalavrasParâmetrosESímbolos) {
    auto v = tokens("{\\fs-24 \\b0x\\'e9\\\\\\par\r\n\\bin3 a}b}c}");
    ASSERT_EQ(v.size(), 11u);
    EXPECT_EQ(v[0].tipo, TipoToken::Abre);
    EXPECT_EQ(v[1].dados, "fs");
    EXPECT_EQ(v[1].parâmetro, -24);
    EXPECT_TRUE(v[1].temParâmetro);
    EXPECT_EQ(v[2].dados, "b");
    EXPECT_EQ(v[2].parâmetro, 0);
    EXPECT_EQ(v[3].tipo, TipoToken::Texto);
    EXPECT_EQ(v[3].dados, "x"); // the delimiting space belongs to the control word, not "x"
    EXPECT_EQ(v[4].tipo, TipoToken::Hex);
    EXPECT_EQ(v[4].byte, 0xE9);
    EXPECT_EQ(v[5].tipo, TipoToken::Símbolo);
    EXPECT_EQ(v[5].símbolo, '\\');
    EXPECT_EQ(v[6].dados, "par");
    EXPECT_FALSE(v[6].temParâmetro);
    // \bin3 takes exactly three bytes, braces included; CR/LF were never text.
    EXPECT_EQ(v[7].tipo, TipoToken::Binário);
    EXPECT_EQ(v[7].dados, "a}b");
    EXPECT_EQ(v[8].tipo, TipoToken::Fecha);
    EXPECT_EQ(v[9].dados, "c");
    EXPECT_EQ(v[10].tipo, TipoToken::Fecha);
}

TEST(Tokenizador, ValoresExtremosEEntradaTruncada) {
    auto v = tokens("\\li99999999999999999999\\ri-99999999999999");
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].parâmetro, 2147483647);
    EXPECT_EQ(v[1].parâmetro, -2147483647);

    std::string longa = "\\" + std::string(5000, 'a') + "1 x";
    v = tokens(longa);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].tipo, TipoToken::Palavra);
    EXPECT_EQ(v[1].dados, "x");

    v = tokens("\\bin1000 ab"); // beyond the end: what there is
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].dados, "ab");

    v = tokens("a\\'4"); // hex cut short: the digit stays text
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[2].dados, "4");

    v = tokens("\\");
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(v[0].tipo, TipoToken::Símbolo);
}

TEST(Leitor, GruposRestauramOFormatoDeCaractere) {
    auto g = lê(R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}}
a{\b b{\i\f1\fs40 c}d}e\b f\plain g\par})");
    EXPECT_EQ(g.plano(), "abcdefg|");
    auto t = g.de(Evento::Texto);
    ASSERT_EQ(t.size(), 7u);
    EXPECT_FALSE(t[0]->estilo.negrito);
    EXPECT_EQ(t[0]->família, "Arial");
    EXPECT_DOUBLE_EQ(t[0]->estilo.pontos, 12);
    EXPECT_TRUE(t[1]->estilo.negrito);
    EXPECT_TRUE(t[2]->estilo.negrito);
    EXPECT_TRUE(t[2]->estilo.itálico);
    EXPECT_EQ(t[2]->família, "Times New Roman");
    EXPECT_DOUBLE_EQ(t[2]->estilo.pontos, 20);
    EXPECT_TRUE(t[3]->estilo.negrito);
    EXPECT_FALSE(t[3]->estilo.itálico);
    EXPECT_EQ(t[3]->família, "Arial");
    EXPECT_FALSE(t[4]->estilo.negrito);
    EXPECT_TRUE(t[5]->estilo.negrito);
    EXPECT_FALSE(t[6]->estilo.negrito); // \plain: the default font at 12 pt
    EXPECT_EQ(t[6]->família, "Arial");
}

TEST(Leitor, CoresSublinhadoEOculto) {
    auto g = lê(R"({\rtf1{\colortbl;\red255\green0\blue0;\red0\green0\blue128;}
{\cf1\highlight2\ul a}{\cf0 b}{\ulnone c}{\v oculto}d})");
    EXPECT_EQ(g.plano(), "abcd|");
    auto t = g.de(Evento::Texto);
    ASSERT_EQ(t.size(), 3u); // "c" and "d" share a format: one run
    EXPECT_EQ(t[2]->texto, "cd");
    EXPECT_TRUE(t[0]->estilo.temCor);
    EXPECT_EQ(t[0]->estilo.cor, (Cor{255, 0, 0}));
    EXPECT_TRUE(t[0]->estilo.temFundo);
    EXPECT_EQ(t[0]->estilo.fundo, (Cor{0, 0, 128}));
    EXPECT_EQ(t[0]->estilo.sublinhado, Sublinhado::Simples);
    EXPECT_FALSE(t[1]->estilo.temCor); // entry 0 is the automatic colour
    EXPECT_EQ(t[2]->estilo.sublinhado, Sublinhado::Nenhum);
}

TEST(Leitor, SobrescritoSubscritoRiscadoESublinhados) {
    auto g = lê(R"({\rtf1 m{\super 2} H{\sub 2}O{\super a\nosupersub b\sub c\sub0 d}
{\strike e\strike0 f}{\striked1 g}{\ul h\ul0 i}{\ulw j\ulnone k}{\uldb l}{\ulth m}
{\uld n}{\uldash o}{\uldashd p}{\uldashdd q}{\ulwave r}{\ulhwave s}{\uld t\uld0 u}})");
    EXPECT_EQ(g.plano(), "m2 H2Oabcdefghijklmnopqrstu|");
    using P = Posição;
    using S = Sublinhado;
    const struct {
        const char* texto;
        P posição;
        bool riscado;
        S sublinhado;
    } casos[] = {
        {"m", P::Normal, false, S::Nenhum},          {"2", P::Sobrescrito, false, S::Nenhum},
        {" H", P::Normal, false, S::Nenhum},         {"2", P::Subscrito, false, S::Nenhum},
        {"O", P::Normal, false, S::Nenhum},          {"a", P::Sobrescrito, false, S::Nenhum},
        {"b", P::Normal, false, S::Nenhum},          {"c", P::Subscrito, false, S::Nenhum},
        {"d", P::Normal, false, S::Nenhum},          {"e", P::Normal, true, S::Nenhum},
        {"f", P::Normal, false, S::Nenhum},          {"g", P::Normal, true, S::Nenhum},
        {"h", P::Normal, false, S::Simples},         {"i", P::Normal, false, S::Nenhum},
        {"j", P::Normal, false, S::Simples},         {"k", P::Normal, false, S::Nenhum},
        {"lm", P::Normal, false, S::Simples},        {"n", P::Normal, false, S::Pontilhado},
        {"o", P::Normal, false, S::Tracejado},       {"p", P::Normal, false, S::TraçoPonto},
        {"q", P::Normal, false, S::TraçoPontoPonto}, {"rs", P::Normal, false, S::Ondulado},
        {"t", P::Normal, false, S::Pontilhado},      {"u", P::Normal, false, S::Nenhum},
    };
    auto t = g.de(Evento::Texto);
    ASSERT_EQ(t.size(), std::size(casos));
    for (std::size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i]->texto, casos[i].texto) << i;
        EXPECT_EQ(t[i]->estilo.posição, casos[i].posição) << i;
        EXPECT_EQ(t[i]->estilo.riscado, casos[i].riscado) << i;
        EXPECT_EQ(t[i]->estilo.sublinhado, casos[i].sublinhado) << i;
    }
}

TEST(Leitor, UnicodeComContagemDeSubstitutos) {
    // \uc is part of the group state; the substitutes after \uN are dropped, a \'hh counts as one.
    auto g = lê(R"({\rtf1 a\u233\'e9b{\uc2\u8364 xyc}\u8364?d\uc0\u8220\u8221 e})");
    EXPECT_EQ(g.plano(), "aéb€c€d“”e|");
    // A negative parameter stands for a code unit above 32767; a group end stops the skipping.
    g = lê(R"({\rtf1\uc3{\u-4064 a}b})");
    EXPECT_EQ(g.plano(), "\uf020b|");
    // Surrogate pairs come as two \u.
    g = lê(R"({\rtf1\u-10179?\u-8704?})");
    EXPECT_EQ(g.plano(), "😀|");
}

TEST(Leitor, BytesNaPáginaDeCódigo1252) {
    auto g = lê(R"({\rtf1\ansi\ansicpg1252 \'80 \'93aspas\'94 \'e7\'e3o \'85})");
    EXPECT_EQ(g.plano(), "€ “aspas” ção …|");
}

TEST(Leitor, CadaTrechoNaPáginaDoConjuntoDaSuaFonte) {
    const struct {
        const char* cabeçalho;
        const char* fonte;
        int página;
    } casos[] = {
        {"\\ansicpg932", "\\fcharset128", 932},
        {"\\ansicpg932", "\\fcharset0", 1252}, // the Latin font of a Japanese document
        {"\\ansicpg932", "", 932},
        {"\\ansicpg1251", "\\fcharset0", 1251},
        {"\\ansicpg1251", "\\fcharset1", 1251},
        {"\\ansicpg1252", "\\fcharset204", 1251},
        {"\\ansicpg1252", "\\fcharset238", 1250},
        {"\\ansicpg1252", "\\fcharset161", 1253},
        {"\\ansicpg1252", "\\fcharset162", 1254},
        {"\\ansicpg1252", "\\fcharset163", 1258},
        {"\\ansicpg1252", "\\fcharset177", 1255},
        {"\\ansicpg1252", "\\fcharset178", 1256},
        {"\\ansicpg1252", "\\fcharset186", 1257},
        {"\\ansicpg1252", "\\fcharset222", 874},
        {"\\ansicpg1252", "\\fcharset77", 10000},
        {"\\ansicpg1252", "\\fcharset129", 949},
        {"\\ansicpg1252", "\\fcharset134", 936},
        {"\\ansicpg1252", "\\fcharset136", 950},
        {"\\ansicpg1252", "\\fcharset255", 437},
        {"\\mac", "", 10000},
        {"\\ansicpg1252", "\\fcharset0\\cpg1250", 1250},
    };
    for (const auto& c : casos) {
        std::string rtf = std::string("{\\rtf1\\ansi") + c.cabeçalho + "{\\fonttbl{\\f0" + c.fonte +
                          " X;}}\\f0\\'e9}";
        auto g = lê(rtf);
        ASSERT_FALSE(g.decodificados.empty()) << rtf;
        EXPECT_EQ(g.decodificados.back(), (std::pair<int, std::string>{c.página, "\xe9"})) << rtf;
    }
    // Runs of different fonts are decoded apart, each in its own page; so is each font's name.
    auto g = lê(R"({\rtf1\ansi\ansicpg932\deff0{\fonttbl{\f0\fcharset128 \'82\'6c;}
{\f1\fcharset0 Arial;}}\'82\'a0\f1\'e9\f0\'82\'a0})");
    using D = std::pair<int, std::string>;
    EXPECT_EQ(
        g.decodificados,
        (std::vector<D>{{932, "\x82\x6c"}, {932, "\x82\xa0"}, {1252, "\xe9"}, {932, "\x82\xa0"}}));
}

TEST(Leitor, SímbolosEQuebras) {
    auto g = lê(
        R"({\rtf1 exem\-plo\~a\_b\tab c\line d\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\{\}\\})");
    EXPECT_EQ(g.plano(), "exemplo\u00a0a-b\tc\u2028d—–•‘’“”{}\\|");
    EXPECT_EQ(g.de(Evento::Parágrafo).size(), 1u); // \line stays inside the paragraph
    // A backslash before a line end ends the paragraph; control characters are not text.
    g = lê("{\\rtf1 a\\\nb\x01\x7f}");
    EXPECT_EQ(g.plano(), "a|b\x7f|");
}

TEST(Leitor, DestinosOcultosEMostrados) {
    auto g = lê(R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}
{\stylesheet{\s1 Heading 1;}}{\info{\title T}{\author A}}{\header cabeçalho}{\footer rodapé}
{\*\generator Gerador;}{\*\desconhecido {texto} escondido}{\desconhecida mostrada }
{\pntext\f0 \bullet\tab}{\*\pn\pnlvlblt{\pntxtb X}}item\par
{\listtext 1.\tab}dois\par
{\field{\*\fldinst HYPERLINK "x"}{\fldrslt liga\'e7\'e3o}}{\xe índice}\par})");
    EXPECT_EQ(g.plano(), "mostrada •\titem|1.\tdois|ligação|");
}

TEST(Leitor, AsteriscoNoMeioDoGrupoMarcaSóAPalavraSeguinte) {
    const std::pair<const char*, const char*> casos[] = {
        {R"({\rtf1 a{\*\desconhecida b}c})", "ac|"},
        {R"({\rtf1 a{\b\*\desconhecida b}c})", "abc|"},
        {R"({\rtf1 \pard\*\desconhecida um paragrafo inteiro\par fim})",
         "um paragrafo inteiro|fim|"},
        {R"({\rtf1 a{\b\*\desconhecida{\*\outra x}b}c})", "abc|"},
        {R"({\rtf1 a{ \*\desconhecida b}c})", "a bc|"},
    };
    for (auto [rtf, esperado] : casos)
        EXPECT_EQ(lê(rtf).plano(), esperado) << rtf;
}

TEST(Leitor, ParágrafoDuraAtéPard) {
    auto g = lê(R"({\rtf1\pard\qr\li720\ri360\fi-180\sb120\sa240\sl-300 um\par dois\par
{\qc tres\par}quatro\par\pard cinco\par\qj\sl360\slmult1 seis\par})");
    auto p = g.de(Evento::Parágrafo);
    ASSERT_EQ(p.size(), 6u);
    EXPECT_EQ(p[0]->parágrafo.alinhamento, Alinhamento::Direita);
    EXPECT_EQ(p[0]->parágrafo.recuoEsquerdo, 720);
    EXPECT_EQ(p[0]->parágrafo.recuoDireito, 360);
    EXPECT_EQ(p[0]->parágrafo.recuoPrimeira, -180);
    EXPECT_EQ(p[0]->parágrafo.espaçoAntes, 120);
    EXPECT_EQ(p[0]->parágrafo.espaçoDepois, 240);
    EXPECT_EQ(p[0]->parágrafo.entreLinhas, -300);
    EXPECT_EQ(p[1]->parágrafo, p[0]->parágrafo); // \par keeps them
    EXPECT_EQ(p[2]->parágrafo.alinhamento, Alinhamento::Centro);
    EXPECT_EQ(p[3]->parágrafo, p[0]->parágrafo); // restored at the group's end
    EXPECT_EQ(p[4]->parágrafo, FormatoParágrafo{});
    EXPECT_EQ(p[5]->parágrafo.alinhamento, Alinhamento::Justificado);
    EXPECT_TRUE(p[5]->parágrafo.múltiplo);
    EXPECT_EQ(p[5]->parágrafo.entreLinhas, 360);
}

TEST(Leitor, TabelasComNíveisCélulasELinhas) {
    const std::pair<const char*, const char*> casos[] = {
        // Definition before the cells, repeated before \row; a paragraph after the table.
        {R"({\rtf1\trowd\trleft-108\cellx1000\cellx3000\pard\intbl a\cell b\par c\cell
\trowd\trleft-108\cellx1000\cellx3000\row\pard d\par})",
         "<1>a^b|c^#<0>d|"},
        // A table nested in a cell; its row defined in \nesttableprops after its cells, and
        // \nonesttables (the text for readers without nested tables) skipped.
        {R"({\rtf1\pard\intbl\itap1 x\par\pard\intbl\itap2 y\nestcell z\nestcell
{\*\nesttableprops\trowd\cellx500\cellx900\nestrow}{\nonesttables\par}
\pard\intbl\itap1 w\cell\trowd\cellx2000\row})",
         "<1>x|<2>y^z^#<1>w^#"},
        // Unbalanced: a \cell and a \row outside tables, a \nestcell in a level 1 paragraph.
        {R"({\rtf1 a\cell\row\row b\pard\intbl c\nestcell\pard d})", "a<1>^##<0>b<1>c<2>^<0>d|"},
        // \itap beyond the limit is the deepest level kept.
        {R"({\rtf1\pard\itap99 a\nestcell})", "<8>a^"},
    };
    for (auto [rtf, esperado] : casos)
        EXPECT_EQ(lê(rtf).plano(), esperado) << rtf;

    auto g = lê(casos[1].first);
    auto linhas = g.de(Evento::Linha);
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0]->linha.limites, (std::vector<int>{500, 900}));
    EXPECT_EQ(linhas[1]->linha.limites, (std::vector<int>{2000}));
    g = lê(casos[0].first);
    EXPECT_EQ(g.de(Evento::Linha)[0]->linha.esquerda, -108);
    std::string muitas = "{\\rtf1\\trowd";
    for (int i = 1; i <= 100; ++i)
        muitas += "\\cellx" + std::to_string(i * 100);
    g = lê(muitas + "\\row}");
    EXPECT_EQ(g.de(Evento::Linha)[0]->linha.limites.size(), célulasMáximas);
}

TEST(Leitor, ImagensDeCadaTipo) {
    std::string rtf =
        R"({\rtf1 a{\pict\pngblip\picw10\pich5\picwgoal300\pichgoal150 89 50
4e
47}b{\pict\jpegblip\picscalex50\picscaley200\picwgoal600\pichgoal300 ffd8}c)"
        R"({\pict\dibitmap0\picw4\pich2 2800}{\pict\wmetafile8\picw5080\pich2540 0100}d)"
        R"({\pict\emfblip\picwgoal150\pichgoal150\bin3 {}\}e})";
    auto g = lê(rtf);
    EXPECT_EQ(g.plano(), "a[img]b[img]c[img][img]d[img]e|");
    auto im = g.de(Evento::Imagem);
    ASSERT_EQ(im.size(), 5u);
    const Imagem& png = im[0]->imagem;
    EXPECT_EQ(png.tipo, TipoImagem::Png);
    EXPECT_EQ(png.dados, (std::vector<std::uint8_t>{0x89, 0x50, 0x4e, 0x47}));
    EXPECT_EQ(tamanhoEmPixels(png).largura, 20);
    EXPECT_EQ(tamanhoEmPixels(png).altura, 10);
    EXPECT_EQ(im[1]->imagem.tipo, TipoImagem::Jpeg);
    EXPECT_EQ(tamanhoEmPixels(im[1]->imagem).largura, 20);
    EXPECT_EQ(tamanhoEmPixels(im[1]->imagem).altura, 40);
    EXPECT_EQ(im[2]->imagem.tipo, TipoImagem::Dib);
    EXPECT_EQ(tamanhoEmPixels(im[2]->imagem).largura, 4); // bitmaps: \picw in pixels
    const Imagem& wmf = im[3]->imagem;
    EXPECT_EQ(wmf.tipo, TipoImagem::Wmf);
    EXPECT_EQ(wmf.modoMapa, 8);
    EXPECT_EQ(tamanhoEmPixels(wmf).largura, 192); // metafiles: hundredths of a millimetre
    EXPECT_EQ(tamanhoEmPixels(wmf).altura, 96);
    EXPECT_EQ(im[4]->imagem.tipo, TipoImagem::Emf);
    EXPECT_EQ(im[4]->imagem.dados, (std::vector<std::uint8_t>{'{', '}', '\\'}));
    // The largest size times the largest scale stays at the largest picture, without overflow.
    Imagem enorme = png;
    enorme.picwgoal = 0;
    enorme.picw = INT32_MAX;
    enorme.escalaX = INT32_MAX;
    EXPECT_EQ(tamanhoEmPixels(enorme).largura, 16384);
}

TEST(Leitor, FormaPreferidaDaImagemEObjetos) {
    // \*\shppict is shown and \nonshppict skipped; an \object shows its \result.
    auto g = lê(R"({\rtf1{\*\shppict{\pict\pngblip 01}}{\nonshppict{\pict\wmetafile8 02}}x
{\object\objemb{\*\objclass Paint}{\*\objdata 0102}{\result{\pict\wmetafile8 03}}}y
{\pict{\*\blipuid 00}\pngblip{\pict\jpegblip 05}04}})");
    EXPECT_EQ(g.plano(), "[img]x[img]y[img]|");
    auto im = g.de(Evento::Imagem);
    ASSERT_EQ(im.size(), 3u);
    EXPECT_EQ(im[0]->imagem.tipo, TipoImagem::Png);
    EXPECT_EQ(im[1]->imagem.tipo, TipoImagem::Wmf);
    EXPECT_EQ(im[1]->imagem.dados, std::vector<std::uint8_t>{3});
    EXPECT_EQ(im[2]->imagem.dados, std::vector<std::uint8_t>{4}); // nested picture ignored
}

TEST(Leitor, EntradaMalFormadaGuardaOQueFoiLido) {
    EXPECT_EQ(lê(R"({\rtf1 a{}}}b{c)").plano(), "a|"); // nothing after the outer group
    EXPECT_EQ(lê(R"({\rtf1 {\b texto sem fim)").plano(), "texto sem fim|");
    EXPECT_EQ(lê(R"({\rtf1 x\'zzy\'4)").plano(), "xzzy4|");
    EXPECT_EQ(lê(R"({\rtf1 a{\pict\pngblip 8g9 5)").plano(), "a[img]|");
    EXPECT_EQ(lê(R"({\rtf1 a{\pict\pngblip 89 5)").de(Evento::Imagem)[0]->imagem.dados,
              std::vector<std::uint8_t>{0x89});
    EXPECT_EQ(lê(R"({\rtf1 a\bin999999999 bc})").plano(), "a|");
    EXPECT_EQ(lê("").plano(), "");
    EXPECT_EQ(lê("texto solto").plano(), "texto solto|");
    EXPECT_EQ(lê(std::string("{\\rtf1 a\0b}", 11)).plano(), "ab|");
    // A \bin inside a skipped group still skips its bytes, braces and all.
    EXPECT_EQ(lê(R"({\rtf1{\*\x \bin4 }}}{}y})").plano(), "y|");
}

TEST(Leitor, AninhamentoProfundoNãoRecursivo) {
    std::string fundo =
        "{\\rtf1 " + std::string(10000, '{') + "\\b x" + std::string(10000, '}') + "y}";
    auto g = lê(fundo);
    EXPECT_EQ(g.plano(), "xy|");
    auto t = g.de(Evento::Texto);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_TRUE(t[0]->estilo.negrito);
    EXPECT_FALSE(t[1]->estilo.negrito); // the braces past the limit were counted, not lost

    // Unclosed, and nested groups that open destinations.
    g = lê("{\\rtf1 a" + std::string(10000, '{') + "b");
    EXPECT_EQ(g.plano(), "ab|");
    std::string pics;
    for (int i = 0; i < 3000; ++i)
        pics += "{\\pict\\pngblip 01";
    EXPECT_EQ(lê("{\\rtf1 " + pics).plano(), "[img]|");
}

} // namespace
