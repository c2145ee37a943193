// The "FrontPage" course menu: names and codes, the totals, the order of clearing, making and
// copying in the practice sites, and the two pictures shared by lessons 06 to 08.

#include "contagem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace catalogo::teste {
namespace {

std::string DoisDígitos(const char* prefixo, int n) {
    char s[32];
    std::snprintf(s, sizeof s, "%s%02d", prefixo, n);
    return s;
}

const Item& Lição(int n) {
    return cursoFrontPage.itens[n - 1];
}

std::string Arquivo(const std::string& caminho) {
    return caminho.substr(caminho.rfind('\\') + 1);
}

TEST(FrontPage, MenuNamesAndCodesFollowThePosition) {
    EXPECT_STREQ(cursoFrontPage.controle, "cfrontpage");
    EXPECT_STREQ(cursoFrontPage.legenda, "FrontPage");
    EXPECT_TRUE(cursoFrontPage.profissionais);
    ASSERT_EQ(cursoFrontPage.itens.size(), 9u);
    int n = 0;
    for (const Item& i : cursoFrontPage.itens) {
        ++n;
        EXPECT_EQ(i.controle, DoisDígitos("cfrontpage", n));
        EXPECT_EQ(i.índice, 0) << NomeDe(i);
        EXPECT_EQ(i.programa, DoisDígitos("QVFPG", n)) << NomeDe(i);
        EXPECT_EQ(i.código, DoisDígitos("12", n)) << NomeDe(i);
        EXPECT_EQ(std::string(i.legenda).substr(0, 5), DoisDígitos("", n) + " - ") << NomeDe(i);
        const auto& e = i.etapas;
        EXPECT_EQ(e[0].passo, Passo::Nome) << NomeDe(i);
        EXPECT_EQ(e[1].passo, Passo::Código) << NomeDe(i);
        EXPECT_EQ(e.back().passo, Passo::Inicia) << NomeDe(i);
        EXPECT_EQ(Contar(i).de(Passo::Inicia), 1) << NomeDe(i);
    }
}

TEST(FrontPage, Totals) {
    const Contagem c = Contar(cursoFrontPage);
    EXPECT_EQ(c.de(Passo::ApagaNaPasta), 3);
    EXPECT_EQ(c.de(Passo::LimpaPasta), 9);
    EXPECT_EQ(c.de(Passo::Copia), 6);
    EXPECT_EQ(c.de(Passo::CriaPasta), 7);
    EXPECT_EQ(c.de(Passo::CópiaDireta), 49);
    EXPECT_EQ(c.de(Passo::Inicia), 9);
    // No plain kills and no errors-ignored spans: the handlers set no trap of their own.
    EXPECT_EQ(c.de(Passo::Apaga), 0);
    EXPECT_EQ(c.de(Passo::IgnoraErros), 0);
    const int diretas[] = {0, 0, 0, 35, 0, 0, 7, 7, 0};
    const int limpas[] = {0, 1, 1, 2, 1, 1, 1, 1, 1};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(Contar(Lição(n)).de(Passo::CópiaDireta), diretas[n - 1]) << NomeDe(Lição(n));
        EXPECT_EQ(Contar(Lição(n)).de(Passo::LimpaPasta), limpas[n - 1]) << NomeDe(Lição(n));
    }
}

// Every folder made or copied into is first cleared by the same item, and every copy goes
// into a folder the item has made.
TEST(FrontPage, SitesAreClearedThenMadeThenFilled) {
    for (const Item& i : cursoFrontPage.itens) {
        std::vector<std::string> limpas, feitas;
        for (const Ação& a : Expandir(i)) {
            if (a.passo == Passo::LimpaPasta) {
                EXPECT_EQ(a.a.rfind("c:\\qvcurso\\", 0), 0u) << NomeDe(i);
                EXPECT_EQ(a.a.back(), '\\') << NomeDe(i);
                limpas.push_back(a.a);
            } else if (a.passo == Passo::CriaPasta) {
                const std::string raiz =
                    a.a.substr(0, a.a.find('\\', std::string("c:\\qvcurso\\").size())) + "\\";
                EXPECT_NE(std::find(limpas.begin(), limpas.end(), raiz), limpas.end())
                    << NomeDe(i) << " makes " << a.a << " before clearing it";
                feitas.push_back(a.a);
            } else if (a.passo == Passo::CópiaDireta) {
                const std::string pasta = a.b.substr(0, a.b.rfind('\\'));
                EXPECT_NE(std::find(feitas.begin(), feitas.end(), pasta), feitas.end())
                    << NomeDe(i) << " copies into " << pasta << " before making it";
            }
        }
    }
}

TEST(FrontPage, Lesson04StagesTheFp2000Site) {
    const std::vector<Ação> v = Expandir(Lição(4));
    ASSERT_EQ(v.size(), 2u + 3u + 35u + 1u);
    EXPECT_EQ(v[2].a, "c:\\qvcurso\\Import\\");
    EXPECT_EQ(v[3].a, "c:\\qvcurso\\fp2000\\");
    EXPECT_EQ(v[4].passo, Passo::CriaPasta);
    EXPECT_EQ(v[4].a, "c:\\qvcurso\\fp2000");
    for (std::size_t k = 5; k < 40; ++k) {
        EXPECT_EQ(v[k].passo, Passo::CópiaDireta);
        EXPECT_EQ(v[k].a, "\\fp2000\\" + Arquivo(v[k].a));
        EXPECT_EQ(v[k].b, "c:\\qvcurso\\fp2000\\" + Arquivo(v[k].a));
    }
    EXPECT_EQ(v[5].a, "\\fp2000\\btnartis.jpg");
    EXPECT_EQ(v[25].a, "\\fp2000\\welcome.gif");
    EXPECT_EQ(v[26].a, "\\fp2000\\cadevento.html");
    EXPECT_EQ(v[39].a, "\\fp2000\\page8.html");
}

TEST(FrontPage, LocadoraSiteAndItsTwoPictures) {
    // Lesson 06 copies pictures A and B into the work folder itself.
    const std::vector<Ação> c6 = Só(Lição(6), Passo::Copia);
    ASSERT_EQ(c6.size(), 2u);
    const std::string a = c6[0].a, b = c6[1].a;
    EXPECT_NE(a, b);
    for (const std::string& f : {a, b}) {
        EXPECT_EQ(f.substr(f.size() - 4), ".jpg");
        EXPECT_EQ(f.find('\\'), std::string::npos);
    }
    for (const Ação& x : c6)
        EXPECT_TRUE(x.b.empty() || x.b == x.a);

    EXPECT_EQ(Lição(7).etapas.size(), Lição(8).etapas.size());
    for (int n : {7, 8}) {
        const std::vector<Ação> v = Expandir(Lição(n));
        ASSERT_EQ(v.size(), 2u + 4u + 7u + 1u) << NomeDe(Lição(n));
        EXPECT_EQ(v[2].a, "c:\\qvcurso\\locadora\\");
        EXPECT_EQ(v[3].a, "c:\\qvcurso\\locadora");
        EXPECT_EQ(v[4].a, "c:\\qvcurso\\locadora\\images");
        EXPECT_EQ(v[5].a, "c:\\qvcurso\\locadora\\_private");
        // The pictures come from the installation folder itself, B first, without a separator.
        EXPECT_EQ(v[6].a, b);
        EXPECT_EQ(v[6].b, "c:\\qvcurso\\locadora\\" + b);
        EXPECT_EQ(v[7].a, a);
        EXPECT_EQ(v[7].b, "c:\\qvcurso\\locadora\\" + a);
        const char* páginas[] = {"esportivos.htm", "index.htm", "indice.htm", "primeira.htm",
                                 "promoção.htm"};
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(v[8 + k].a, std::string("\\locadora\\") + páginas[k]);
            EXPECT_EQ(v[8 + k].b, std::string("c:\\qvcurso\\locadora\\") + páginas[k]);
        }
    }
}

TEST(FrontPage, OrderOfCopyAndClear) {
    // Lesson 05 copies before it clears; lesson 09 clears before it copies.
    const auto& e5 = Lição(5).etapas;
    EXPECT_EQ(e5[2].passo, Passo::Copia);
    EXPECT_STREQ(e5[2].a, "fundoweb.jpg");
    EXPECT_EQ(e5[3].passo, Passo::LimpaPasta);
    EXPECT_STREQ(e5[3].a, "c:\\qvcurso\\informação\\");
    const auto& e9 = Lição(9).etapas;
    EXPECT_EQ(e9[2].passo, Passo::LimpaPasta);
    EXPECT_EQ(e9[3].passo, Passo::Copia);
    // Lesson 02 only clears its site and starts.
    const auto& e2 = Lição(2).etapas;
    ASSERT_EQ(e2.size(), 4u);
    EXPECT_EQ(e2[2].passo, Passo::LimpaPasta);
    EXPECT_STREQ(e2[2].a, "c:\\qvcurso\\vxweb\\");
}

TEST(FrontPage, CaptionsAsStored) {
    EXPECT_STREQ(Lição(1).legenda,
                 "01 - Introdução/Definições; Criar primeira página; Criar links; Exercício");
    EXPECT_STREQ(Lição(4).legenda, "04 - Importar site");
    EXPECT_STREQ(Lição(7).legenda, "07 - Formulários: Caixa de texto; Menu suspenso; Caixa de "
                                   "texto rolável; Caixa de Verificação; Botão de opção");
}

} // namespace
} // namespace catalogo::teste
