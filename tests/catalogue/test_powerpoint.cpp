// The "PowerPoint" and "Integração" courses: names, codes, copies and starts.

#include "contagem.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace catalogo::teste {
namespace {

std::string Numerado(const char* formato, std::size_t n) {
    char s[32];
    std::snprintf(s, sizeof s, formato, int(n));
    return s;
}

TEST(PowerPoint, MenusItensProgramasECódigos) {
    EXPECT_STREQ(cursoPowerPoint.controle, "CPowerPointB");
    EXPECT_STREQ(cursoPowerPoint.legenda, "PowerPoint");
    EXPECT_FALSE(cursoPowerPoint.profissionais);
    EXPECT_STREQ(cursoIntegração.controle, "CIntegração");
    EXPECT_STREQ(cursoIntegração.legenda, "Integração");
    EXPECT_FALSE(cursoIntegração.profissionais);
    ASSERT_EQ(cursoPowerPoint.itens.size(), 13u);
    ASSERT_EQ(cursoIntegração.itens.size(), 4u);

    for (std::size_t i = 0; i < cursoPowerPoint.itens.size(); ++i) {
        const Item& item = cursoPowerPoint.itens[i];
        std::string controle = i == 2 ? "Cppt03" : Numerado("CPPT%02d", i + 1);
        EXPECT_EQ(item.controle, controle);
        EXPECT_EQ(item.índice, 0) << controle;
        EXPECT_EQ(item.programa, Numerado("QVPPT%02d", i + 1)) << controle;
        EXPECT_EQ(item.código, Numerado("05%02d", i + 1)) << controle;
        EXPECT_TRUE(std::string(item.legenda).starts_with(Numerado("%02d - ", i + 1))) << controle;
    }
    for (std::size_t i = 0; i < cursoIntegração.itens.size(); ++i) {
        const Item& item = cursoIntegração.itens[i];
        std::string controle = Numerado("cintg%02d", i + 1);
        EXPECT_EQ(item.controle, controle);
        EXPECT_EQ(item.índice, 0) << controle;
        EXPECT_EQ(item.programa, Numerado("QVINTG%02d", i + 1)) << controle;
        EXPECT_EQ(item.código, Numerado("06%02d", i + 1)) << controle;
        EXPECT_TRUE(std::string(item.legenda).starts_with(Numerado("%02d - ", i + 1))) << controle;
    }

    EXPECT_STREQ(cursoPowerPoint.itens[0].legenda,
                 "01 - Exibir apresentação pronta; Componentes do slide; Criar apresentação");
    EXPECT_STREQ(cursoPowerPoint.itens[2].legenda,
                 "03 - Efeitos de animação; Cores; Símbolos; Preencimentos: gradiente, textura, "
                 "padrões");
    EXPECT_STREQ(cursoPowerPoint.itens[6].legenda,
                 "07 - CipArt; Retocar figuras; Marca d'água; Linhas e setas");
    EXPECT_STREQ(cursoIntegração.itens[0].legenda,
                 "01 - Uso da área de transferência em um ou  mais aplicativos");
}

TEST(PowerPoint, Totais) {
    Contagem p = Contar(cursoPowerPoint), i = Contar(cursoIntegração);
    EXPECT_EQ(p.de(Passo::Copia) + i.de(Passo::Copia), 8);
    EXPECT_EQ(p.de(Passo::Inicia) + i.de(Passo::Inicia), 17);
    EXPECT_EQ(i.de(Passo::Copia), 0);

    for (const MenuCurso* curso : {&cursoPowerPoint, &cursoIntegração})
        for (const Item& item : curso->itens) {
            ASSERT_GE(item.etapas.size(), 3u) << NomeDe(item);
            EXPECT_EQ(item.etapas.front().passo, Passo::Nome) << NomeDe(item);
            EXPECT_EQ(item.etapas[1].passo, Passo::Código) << NomeDe(item);
            EXPECT_EQ(item.etapas.back().passo, Passo::Inicia) << NomeDe(item);
            for (std::size_t k = 2; k + 1 < item.etapas.size(); ++k)
                EXPECT_EQ(item.etapas[k].passo, Passo::Copia) << NomeDe(item) << " passo " << k;
        }

    // The one rename: the third lesson's presentation arrives as "textocor.ppt".
    int renomeações = 0;
    for (const Item& item : cursoPowerPoint.itens)
        for (const Etapa& e : item.etapas)
            if (e.passo == Passo::Copia && e.b) {
                ++renomeações;
                EXPECT_STREQ(item.controle, "Cppt03");
                EXPECT_STREQ(e.a, "textoco1.ppt");
                EXPECT_STREQ(e.b, "textocor.ppt");
            }
    EXPECT_EQ(renomeações, 1);
}

} // namespace
} // namespace catalogo::teste
