// The "Flash" course menu: one control array whose codes follow the menu position while the
// program names follow the module, and the stagings of every lesson.

#include "contagem.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace catalogo::teste {
namespace {

std::string DoisDígitos(const char* prefixo, int n) {
    char s[32];
    std::snprintf(s, sizeof s, "%s%02d", prefixo, n);
    return s;
}

const Item& Índice(int n) {
    for (const Item& i : cursoFlash.itens)
        if (i.índice == n)
            return i;
    ADD_FAILURE() << "Index " << n << " missing";
    return cursoFlash.itens.front();
}

// "origem>destino" for every staging of an item, in order.
std::vector<std::string> Cópias(const Item& i) {
    std::vector<std::string> v;
    for (const Etapa& e : i.etapas)
        if (e.passo == Passo::Copia)
            v.push_back(std::string(e.a) + ">" + (e.b ? e.b : e.a));
    return v;
}

bool Exercício(const Item& i) {
    return std::string(i.legenda).find("Exercício") != std::string::npos;
}

TEST(Flash, IndexCodeAndCaptionFollowThePosition) {
    EXPECT_STREQ(cursoFlash.controle, "CFlash00");
    EXPECT_STREQ(cursoFlash.legenda, "Flash");
    EXPECT_TRUE(cursoFlash.profissionais);
    ASSERT_EQ(cursoFlash.itens.size(), 21u);
    int n = 0;
    for (const Item& i : cursoFlash.itens) {
        ++n;
        EXPECT_STREQ(i.controle, "Cflash");
        EXPECT_EQ(i.índice, n);
        EXPECT_EQ(i.código, DoisDígitos("21", n)) << NomeDe(i);
        EXPECT_EQ(std::string(i.legenda).substr(0, 5), DoisDígitos("", n) + " - ") << NomeDe(i);
    }
    EXPECT_STREQ(Índice(1).legenda, "01 - Vetores; Animações; Linha de Tempo; Palco; Painéis; "
                                    "Ferramentas Lápis; Linha; Oval; Balde de Tinta");
    EXPECT_STREQ(Índice(15).legenda, "15 - Exercício de Fixação");
}

// Lesson items start the modules 01 to 16 in turn; an exercise item starts "QVflashmxE" plus
// the number of the module before it, without a leading zero.
TEST(Flash, ProgramNamesFollowTheModule) {
    std::set<int> exercícios;
    int módulo = 0;
    for (const Item& i : cursoFlash.itens) {
        if (Exercício(i)) {
            exercícios.insert(i.índice);
            EXPECT_EQ(i.programa, "QVflashmxE" + std::to_string(módulo)) << NomeDe(i);
        } else {
            EXPECT_EQ(i.programa, DoisDígitos("QVflashmx", ++módulo)) << NomeDe(i);
        }
    }
    EXPECT_EQ(módulo, 16);
    EXPECT_EQ(exercícios, (std::set<int>{2, 6, 8, 10, 15}));
    EXPECT_STREQ(Índice(3).programa, "QVflashmx02");
    EXPECT_STREQ(Índice(14).programa, "QVflashmx10");
    EXPECT_STREQ(Índice(15).programa, "QVflashmxE10");
}

TEST(Flash, StagingsAndStarts) {
    std::set<int> semCópia;
    int comCópia = 0;
    for (const Item& i : cursoFlash.itens) {
        const auto& e = i.etapas;
        ASSERT_GE(e.size(), 3u) << NomeDe(i);
        EXPECT_EQ(e[0].passo, Passo::Nome) << NomeDe(i);
        EXPECT_EQ(e[1].passo, Passo::Código) << NomeDe(i);
        EXPECT_EQ(e.back().passo, Passo::Inicia) << NomeDe(i);
        for (std::size_t k = 2; k + 1 < e.size(); ++k)
            EXPECT_EQ(e[k].passo, Passo::Copia) << NomeDe(i) << " step " << k;
        if (Contar(i).de(Passo::Copia))
            ++comCópia;
        else
            semCópia.insert(i.índice);
    }
    Contagem c = Contar(cursoFlash);
    EXPECT_EQ(c.de(Passo::Copia), 28);
    EXPECT_EQ(comCópia, 14);
    EXPECT_EQ(semCópia, (std::set<int>{2, 3, 9, 11, 12, 20, 21}));
    EXPECT_EQ(c.de(Passo::Inicia), 21);
    EXPECT_EQ(c.porPasso.size(), 4u) << "only names, codes, stagings and starts";
}

TEST(Flash, RenamedStagings) {
    EXPECT_EQ(Cópias(Índice(16)), (std::vector<std::string>{"index_mod16.html>index.html",
                                                            "index_mod16.swf>index.swf"}));
    for (int n : {17, 18, 19})
        EXPECT_EQ(Cópias(Índice(n)).front(), DoisDígitos("index_mod", n) + ".fla>index.fla") << n;
}

// Index 19 stages seven files; the fifth is the song sample, a .wav under one name.
TEST(Flash, Index19SongSample) {
    auto v = Cópias(Índice(19));
    ASSERT_EQ(v.size(), 7u);
    const std::string& canção = v[4];
    auto seta = canção.find('>');
    ASSERT_NE(seta, std::string::npos);
    std::string origem = canção.substr(0, seta), destino = canção.substr(seta + 1);
    EXPECT_EQ(origem, destino);
    ASSERT_GT(origem.size(), 4u);
    EXPECT_EQ(origem.substr(origem.size() - 4), ".wav");
    for (const char* outro : {"blip.wav", "ding.wav", "fl.wav"})
        EXPECT_NE(origem, outro);
}

} // namespace
} // namespace catalogo::teste
