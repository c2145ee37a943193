// The "JavaScript" course menu: names, codes and the example pages every lesson copies.

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

const Item& ItemDe(const char* controle) {
    for (const Item& i : cursoJavaScript.itens)
        if (std::string(i.controle) == controle)
            return i;
    ADD_FAILURE() << controle << " missing";
    return cursoJavaScript.itens.front();
}

bool Copia(const Item& i, const char* nome) {
    for (const Etapa& e : i.etapas)
        if (e.passo == Passo::Copia && std::string(e.a) == nome)
            return true;
    return false;
}

TEST(JavaScript, MenuNamesAndCodesFollowThePosition) {
    EXPECT_STREQ(cursoJavaScript.controle, "cjavascript");
    EXPECT_STREQ(cursoJavaScript.legenda, "JavaScript");
    EXPECT_TRUE(cursoJavaScript.profissionais);
    ASSERT_EQ(cursoJavaScript.itens.size(), 9u);
    int n = 0;
    for (const Item& i : cursoJavaScript.itens) {
        ++n;
        EXPECT_EQ(i.controle, DoisDígitos("cjavascript", n));
        EXPECT_EQ(i.índice, 0) << NomeDe(i);
        EXPECT_EQ(i.programa, DoisDígitos("QVJSB", n)) << NomeDe(i);
        EXPECT_EQ(i.código, DoisDígitos("11", n)) << NomeDe(i);
        EXPECT_EQ(std::string(i.legenda).substr(0, 5), DoisDígitos("", n) + " - ") << NomeDe(i);
    }
}

TEST(JavaScript, CaptionsAsStored) {
    EXPECT_STREQ(ItemDe("cjavascript01").legenda,
                 "01 - Definiçoes; Histórico; Erros de digitação; Exemplos");
    EXPECT_STREQ(ItemDe("cjavascript03").legenda,
                 "03 - Estrutura de controle - IF, IF/ELSE;  Loop WHILE;  Loop FOR");
    EXPECT_STREQ(ItemDe("cjavascript04").legenda,
                 "04 - Funções Matemáticas (random, round); Interromper loop: Break, Continue;  "
                 "Exemplo: Adivinhar número");
}

// Every page is copied under its own name; lesson 06 copies nothing.
TEST(JavaScript, EveryItemNamesCopiesThenStarts) {
    const int cópias[] = {2, 4, 1, 2, 2, 0, 2, 8, 6};
    int n = 0;
    for (const Item& i : cursoJavaScript.itens) {
        const auto& e = i.etapas;
        ASSERT_GE(e.size(), 3u) << NomeDe(i);
        EXPECT_EQ(e[0].passo, Passo::Nome) << NomeDe(i);
        EXPECT_EQ(e[1].passo, Passo::Código) << NomeDe(i);
        EXPECT_EQ(e.back().passo, Passo::Inicia) << NomeDe(i);
        for (std::size_t k = 2; k + 1 < e.size(); ++k) {
            EXPECT_EQ(e[k].passo, Passo::Copia) << NomeDe(i) << " step " << k;
            if (e[k].b) {
                EXPECT_STREQ(e[k].a, e[k].b) << NomeDe(i) << " renames";
            }
        }
        EXPECT_EQ(Contar(i).de(Passo::Copia), cópias[n++]) << NomeDe(i);
    }
    Contagem c = Contar(cursoJavaScript);
    EXPECT_EQ(c.de(Passo::Copia), 27);
    EXPECT_EQ(c.de(Passo::Inicia), 9);
    EXPECT_EQ(c.porPasso.size(), 4u) << "only names, codes, copies and starts";
}

TEST(JavaScript, NameWithBlanksAndAccents) {
    EXPECT_TRUE(Copia(ItemDe("cjavascript02"), "quem é você.htm"));
}

} // namespace
} // namespace catalogo::teste
