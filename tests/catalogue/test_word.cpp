// The "Word Básico" and "Word Avançado" courses: names, codes, copies and starts.

#include "contagem.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace catalogo::teste {
namespace {

std::string Numerado(const char* formato, std::size_t n) {
    char s[32];
    std::snprintf(s, sizeof s, formato, int(n));
    return s;
}

// Name and code, then work-folder copies only, then the start.
void ChecarPassos(const MenuCurso& curso) {
    for (const Item& item : curso.itens) {
        ASSERT_GE(item.etapas.size(), 3u) << NomeDe(item);
        EXPECT_EQ(item.etapas.front().passo, Passo::Nome) << NomeDe(item);
        EXPECT_EQ(item.etapas[1].passo, Passo::Código) << NomeDe(item);
        EXPECT_EQ(item.etapas.back().passo, Passo::Inicia) << NomeDe(item);
        for (std::size_t i = 2; i + 1 < item.etapas.size(); ++i) {
            EXPECT_EQ(item.etapas[i].passo, Passo::Copia) << NomeDe(item) << " passo " << i;
            EXPECT_EQ(item.etapas[i].lista, nullptr) << NomeDe(item);
        }
    }
}

std::vector<std::pair<std::string, std::string>> Renomeações(const MenuCurso& curso) {
    std::vector<std::pair<std::string, std::string>> r;
    for (const Item& item : curso.itens)
        for (const Etapa& e : item.etapas)
            if (e.passo == Passo::Copia && e.b)
                r.emplace_back(e.a, e.b);
    return r;
}

TEST(Word, MenusItensProgramasECódigos) {
    EXPECT_STREQ(cursoWordB.controle, "CWordB");
    EXPECT_STREQ(cursoWordB.legenda, "Word Básico");
    EXPECT_FALSE(cursoWordB.profissionais);
    EXPECT_STREQ(cursoWordA.controle, "CWordA");
    EXPECT_STREQ(cursoWordA.legenda, "Word Avançado");
    EXPECT_FALSE(cursoWordA.profissionais);
    ASSERT_EQ(cursoWordB.itens.size(), 10u);
    ASSERT_EQ(cursoWordA.itens.size(), 7u);

    for (std::size_t i = 0; i < cursoWordB.itens.size(); ++i) {
        const Item& item = cursoWordB.itens[i];
        std::string controle = i == 1 ? "CWOB02x" : Numerado("CWOB%02d", i + 1);
        EXPECT_EQ(item.controle, controle);
        EXPECT_EQ(item.índice, 0) << controle;
        EXPECT_EQ(item.programa, Numerado("QVWOB%02d", i + 1)) << controle;
        EXPECT_EQ(item.código, Numerado("02%02d", i + 1)) << controle;
        EXPECT_TRUE(std::string(item.legenda).starts_with(Numerado("%02d - ", i + 1))) << controle;
    }
    for (std::size_t i = 0; i < cursoWordA.itens.size(); ++i) {
        const Item& item = cursoWordA.itens[i];
        std::string controle = Numerado("cwavc%02d", i + 1);
        EXPECT_EQ(item.controle, controle);
        EXPECT_EQ(item.índice, 0) << controle;
        EXPECT_EQ(item.programa, Numerado("QVWAVC%02d", i + 1)) << controle;
        EXPECT_EQ(item.código, Numerado("07%02d", i + 1)) << controle;
        EXPECT_TRUE(std::string(item.legenda).starts_with(Numerado("%02d - ", i + 1))) << controle;
    }

    EXPECT_STREQ(cursoWordB.itens[0].legenda,
                 "01 - Digitação Básica, Negrito, Sublinhado, Itálico, Alvo (focalizar), Salvar");
    EXPECT_STREQ(cursoWordA.itens[0].legenda, "01 - Mala Direta - Parte1");
    EXPECT_STREQ(cursoWordA.itens[1].legenda, "02 - Mala Direta - Parte 2");
}

TEST(Word, Totais) {
    Contagem b = Contar(cursoWordB), a = Contar(cursoWordA);
    EXPECT_EQ(b.de(Passo::Copia) + a.de(Passo::Copia), 23);
    EXPECT_EQ(b.de(Passo::Inicia) + a.de(Passo::Inicia), 17);
    EXPECT_EQ(b.de(Passo::Copia), 15);
    EXPECT_EQ(a.de(Passo::Copia), 8);
    ChecarPassos(cursoWordB);
    ChecarPassos(cursoWordA);
    // Two lessons of "Word Avançado" stage nothing.
    EXPECT_EQ(Contar(cursoWordA.itens[0]).de(Passo::Copia), 0);
    EXPECT_EQ(Contar(cursoWordA.itens[5]).de(Passo::Copia), 0);
}

// The only copies that change the name on the way into the work folder.
TEST(Word, Renomeações) {
    using R = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(Renomeações(cursoWordB),
              (R{{"CIRCULAR1.doc", "CIRCULAR.doc"}, {"CIRCULAR2.doc", "CIRCULAR.doc"}}));
    EXPECT_EQ(Renomeações(cursoWordA), (R{{"trem2.doc", "trem.doc"}}));
}

} // namespace
} // namespace catalogo::teste
