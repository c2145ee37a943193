// The two Access course menus: names and codes by position, which lessons ask for the Access
// version and which start at once, and the pictures of lesson 11.

#include "contagem.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace catalogo::teste {
namespace {

std::string DoisDígitos(const char* prefixo, int n) {
    char s[32];
    std::snprintf(s, sizeof s, "%s%02d", prefixo, n);
    return s;
}

const Item& ItemDe(const MenuCurso& curso, const char* controle) {
    for (const Item& i : curso.itens)
        if (std::string(i.controle) == controle)
            return i;
    ADD_FAILURE() << controle << " missing";
    return curso.itens.front();
}

// Name and code first, then staging, then exactly one of dialog or start as the last step.
void ConfereFormato(const MenuCurso& curso) {
    for (const Item& i : curso.itens) {
        const auto& e = i.etapas;
        ASSERT_GE(e.size(), 3u) << NomeDe(i);
        EXPECT_EQ(e[0].passo, Passo::Nome) << NomeDe(i);
        EXPECT_EQ(e[1].passo, Passo::Código) << NomeDe(i);
        const Contagem c = Contar(i);
        EXPECT_TRUE(e.back().passo == Passo::Diálogo || e.back().passo == Passo::Inicia)
            << NomeDe(i);
        EXPECT_EQ(c.de(Passo::Diálogo) + c.de(Passo::Inicia), 1) << NomeDe(i);
        EXPECT_EQ(c.de(Passo::Nome), 1) << NomeDe(i);
        EXPECT_EQ(c.de(Passo::Código), 1) << NomeDe(i);
        // A dialog item stages nothing itself: the dialog does it after the choice.
        if (e.back().passo == Passo::Diálogo) {
            EXPECT_EQ(e.size(), 3u) << NomeDe(i);
        }
    }
}

TEST(Access, BasicoMenuNamesAndCodes) {
    EXPECT_STREQ(cursoAccessB.controle, "CAccessB");
    EXPECT_STREQ(cursoAccessB.legenda, "Access Básico");
    EXPECT_FALSE(cursoAccessB.profissionais);
    ASSERT_EQ(cursoAccessB.itens.size(), 10u);
    int n = 0;
    for (const Item& i : cursoAccessB.itens) {
        ++n;
        // The seventh and ninth items are the lower-case exceptions.
        const char* prefixo = (n == 7 || n == 9) ? "cacb" : "CACB";
        EXPECT_EQ(i.controle, DoisDígitos(prefixo, n));
        EXPECT_EQ(i.índice, 0) << NomeDe(i);
        EXPECT_EQ(i.programa, DoisDígitos("QVACB", n)) << NomeDe(i);
        EXPECT_EQ(i.código, DoisDígitos("04", n)) << NomeDe(i);
        EXPECT_EQ(std::string(i.legenda).substr(0, 5), DoisDígitos("", n) + " - ") << NomeDe(i);
    }
}

TEST(Access, AvancadoMenuNamesAndCodes) {
    EXPECT_STREQ(cursoAccessA.controle, "CAccessA");
    EXPECT_STREQ(cursoAccessA.legenda, "Access Avançado");
    EXPECT_FALSE(cursoAccessA.profissionais);
    ASSERT_EQ(cursoAccessA.itens.size(), 18u);
    int n = 0;
    for (const Item& i : cursoAccessA.itens) {
        ++n;
        EXPECT_EQ(i.controle, DoisDígitos("cacavc", n));
        EXPECT_EQ(i.índice, 0) << NomeDe(i);
        EXPECT_EQ(i.programa, DoisDígitos("QVACA", n)) << NomeDe(i);
        EXPECT_EQ(i.código, DoisDígitos("09", n)) << NomeDe(i);
        EXPECT_EQ(std::string(i.legenda).substr(0, 5), DoisDígitos("", n) + " - ") << NomeDe(i);
    }
}

TEST(Access, DialogsCopiesAndDirectStarts) {
    ConfereFormato(cursoAccessB);
    ConfereFormato(cursoAccessA);

    const Contagem b = Contar(cursoAccessB);
    const Contagem a = Contar(cursoAccessA);
    EXPECT_EQ(b.de(Passo::Diálogo), 9);
    EXPECT_EQ(a.de(Passo::Diálogo), 16);
    EXPECT_EQ(b.de(Passo::Diálogo) + a.de(Passo::Diálogo), 25);
    EXPECT_EQ(b.de(Passo::Copia) + a.de(Passo::Copia), 4);
    EXPECT_EQ(b.de(Passo::Inicia) + a.de(Passo::Inicia), 3);
    // Nothing but names, codes, the four copies, dialogs and starts.
    EXPECT_EQ(b.porPasso.size() + a.porPasso.size(), 4u + 5u);

    EXPECT_EQ(ItemDe(cursoAccessB, "CACB01").etapas.back().passo, Passo::Inicia);
    EXPECT_EQ(ItemDe(cursoAccessA, "cacavc11").etapas.back().passo, Passo::Inicia);
    EXPECT_EQ(ItemDe(cursoAccessA, "cacavc12").etapas.back().passo, Passo::Inicia);
    EXPECT_EQ(Contar(ItemDe(cursoAccessB, "CACB01")).de(Passo::Copia), 0);
    EXPECT_EQ(Contar(ItemDe(cursoAccessA, "cacavc12")).de(Passo::Copia), 0);
}

TEST(Access, Lesson11CopiesItsPicturesInOrderUnderTheirOwnNames) {
    const Item& i = ItemDe(cursoAccessA, "cacavc11");
    const char* figuras[] = {"casa.jpg", "espiral.jpg", "geo.jpg", "fruta.jpg"};
    ASSERT_EQ(i.etapas.size(), 7u);
    for (int k = 0; k < 4; ++k) {
        const Etapa& e = i.etapas[2 + k];
        EXPECT_EQ(e.passo, Passo::Copia);
        EXPECT_STREQ(e.a, figuras[k]);
        EXPECT_TRUE(e.b == nullptr || std::string(e.b) == figuras[k]);
    }
}

TEST(Access, CaptionsAsStored) {
    EXPECT_STREQ(ItemDe(cursoAccessB, "CACB01").legenda,
                 "01 - Criar Banco de Dados; Chave primária");
    EXPECT_STREQ(ItemDe(cursoAccessB, "CACB10").legenda, "10 - Relatórios; AutoRelatório  tabular");
    EXPECT_STREQ(ItemDe(cursoAccessA, "cacavc01").legenda,
                 "01 - Objetos de Banco de Dados; Incluir, alterar, excluir registros em Banco "
                 "de Dados");
    EXPECT_STREQ(ItemDe(cursoAccessA, "cacavc02").legenda, "02 - Criar Tablelas; Chave primária");
}

} // namespace
} // namespace catalogo::teste
