// The "PageMaker" course menu: names, codes, the stagings of every lesson and the book
// publication that several lessons write from their own saved state.

#include "contagem.h"

#include <gtest/gtest.h>

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

const Item& ItemDe(const char* controle) {
    for (const Item& i : cursoPageMaker.itens)
        if (std::string(i.controle) == controle)
            return i;
    ADD_FAILURE() << controle << " missing";
    return cursoPageMaker.itens.front();
}

// "origem>destino" for every staging of an item, in order.
std::vector<std::string> Cópias(const Item& i) {
    std::vector<std::string> v;
    for (const Etapa& e : i.etapas)
        if (e.passo == Passo::Copia)
            v.push_back(std::string(e.a) + ">" + (e.b ? e.b : e.a));
    return v;
}

TEST(PageMaker, MenuNamesAndCodesFollowThePosition) {
    EXPECT_STREQ(cursoPageMaker.controle, "cpagemaker");
    EXPECT_STREQ(cursoPageMaker.legenda, "PageMaker");
    EXPECT_TRUE(cursoPageMaker.profissionais);
    ASSERT_EQ(cursoPageMaker.itens.size(), 10u);
    int n = 0;
    for (const Item& i : cursoPageMaker.itens) {
        ++n;
        EXPECT_EQ(i.controle, DoisDígitos("cpagemaker", n));
        EXPECT_EQ(i.índice, 0) << NomeDe(i);
        EXPECT_EQ(i.programa, DoisDígitos("QVPgMk", n)) << NomeDe(i);
        // Course number 13, though the course stands 18th in the course order.
        EXPECT_EQ(i.código, DoisDígitos("13", n)) << NomeDe(i);
        EXPECT_EQ(std::string(i.legenda).substr(0, 5), DoisDígitos("", n) + " - ") << NomeDe(i);
    }
    EXPECT_STREQ(cursoPageMaker.itens[0].legenda,
                 "01 - Introdução; Conceito de Objeto; Trabalhar com Objetos; Programas "
                 "vetoriais; Formatar texto (I)");
}

TEST(PageMaker, EveryItemNamesStagesThenStarts) {
    const int cópias[] = {1, 1, 1, 3, 1, 2, 2, 6, 2, 6};
    int n = 0;
    for (const Item& i : cursoPageMaker.itens) {
        const auto& e = i.etapas;
        ASSERT_GE(e.size(), 4u) << NomeDe(i) << " stages nothing";
        EXPECT_EQ(e[0].passo, Passo::Nome) << NomeDe(i);
        EXPECT_EQ(e[1].passo, Passo::Código) << NomeDe(i);
        EXPECT_EQ(e.back().passo, Passo::Inicia) << NomeDe(i);
        for (std::size_t k = 2; k + 1 < e.size(); ++k)
            EXPECT_EQ(e[k].passo, Passo::Copia) << NomeDe(i) << " step " << k;
        EXPECT_EQ(Contar(i).de(Passo::Copia), cópias[n++]) << NomeDe(i);
    }
    Contagem c = Contar(cursoPageMaker);
    EXPECT_EQ(c.de(Passo::Copia), 25);
    EXPECT_EQ(c.de(Passo::Inicia), 10);
    EXPECT_EQ(c.porPasso.size(), 4u) << "only names, codes, stagings and starts";
}

// Each lesson that works on the book starts from its own version of it; lesson 10 writes
// the name with a capital letter, which names the same file.
TEST(PageMaker, BookPublicationSources) {
    EXPECT_EQ(Cópias(ItemDe("cpagemaker03")), (std::vector<std::string>{"livro.p65>livro.p65"}));
    EXPECT_EQ(Cópias(ItemDe("cpagemaker05")), (std::vector<std::string>{"livroM3.p65>livro.p65"}));
    EXPECT_EQ(Cópias(ItemDe("cpagemaker06")),
              (std::vector<std::string>{"livroM5.p65>livro.p65", "Texto1.txt>Texto1.txt"}));
    EXPECT_EQ(Cópias(ItemDe("cpagemaker10")).back(), "LivroM6.p65>Livro.p65");
    // No other staging renames its file.
    int renomeadas = 0;
    for (const Item& i : cursoPageMaker.itens)
        for (const Etapa& e : i.etapas)
            if (e.passo == Passo::Copia && e.b && std::string(e.a) != e.b)
                ++renomeadas;
    EXPECT_EQ(renomeadas, 3);
}

} // namespace
} // namespace catalogo::teste
