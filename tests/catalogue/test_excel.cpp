// The "Excel Básico" and "Excel Avançado" courses: names, codes, copies and starts.

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

// Plain items: controls, programs and codes numbered by place, captions by place.
void ChecarItens(const MenuCurso& curso, const char* controle, const char* programa,
                 const char* código) {
    for (std::size_t i = 0; i < curso.itens.size(); ++i) {
        const Item& item = curso.itens[i];
        std::string c = Numerado(controle, i + 1);
        EXPECT_EQ(item.controle, c);
        EXPECT_EQ(item.índice, 0) << c;
        EXPECT_EQ(item.programa, Numerado(programa, i + 1)) << c;
        EXPECT_EQ(item.código, Numerado(código, i + 1)) << c;
        EXPECT_TRUE(std::string(item.legenda).starts_with(Numerado("%02d - ", i + 1))) << c;
    }
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

TEST(Excel, MenusItensProgramasECódigos) {
    EXPECT_STREQ(cursoExcelB.controle, "CExcelB");
    EXPECT_STREQ(cursoExcelB.legenda, "Excel Básico");
    EXPECT_FALSE(cursoExcelB.profissionais);
    EXPECT_STREQ(cursoExcelA.controle, "CExcelA");
    EXPECT_STREQ(cursoExcelA.legenda, "Excel Avançado");
    EXPECT_FALSE(cursoExcelA.profissionais);
    ASSERT_EQ(cursoExcelB.itens.size(), 10u);
    ASSERT_EQ(cursoExcelA.itens.size(), 14u);

    ChecarItens(cursoExcelB, "CEXB%02d", "QVEXB%02d", "03%02d");
    ChecarItens(cursoExcelA, "cexavc%02d", "QVEXA%02d", "08%02d");

    EXPECT_STREQ(cursoExcelB.itens[0].legenda,
                 "01 - Elementos da planilha, Navegar pelas células, Largura, Fórmulas, Casas "
                 "decimais");
    EXPECT_STREQ(cursoExcelB.itens[2].legenda,
                 "03 - Copiar fórmulas, Formatar valores e quantias, Calculos condicionais");
    EXPECT_STREQ(cursoExcelA.itens[0].legenda,
                 "01 - Nomear células ou faixas; Funções Estatísticas e de Texto; Células "
                 "comentadas; Auditoria");
}

TEST(Excel, Totais) {
    Contagem b = Contar(cursoExcelB), a = Contar(cursoExcelA);
    EXPECT_EQ(b.de(Passo::Copia) + a.de(Passo::Copia), 21);
    EXPECT_EQ(b.de(Passo::Inicia) + a.de(Passo::Inicia), 24);
    EXPECT_EQ(b.de(Passo::Copia), 8);
    EXPECT_EQ(a.de(Passo::Copia), 13);
    ChecarPassos(cursoExcelB);
    ChecarPassos(cursoExcelA);

    // The seven lessons that stage nothing.
    std::vector<std::string> semCópia;
    for (const MenuCurso* curso : {&cursoExcelB, &cursoExcelA})
        for (const Item& item : curso->itens)
            if (Contar(item).de(Passo::Copia) == 0)
                semCópia.push_back(item.controle);
    EXPECT_EQ(semCópia, (std::vector<std::string>{"CEXB01", "CEXB02", "CEXB06", "CEXB09",
                                                  "cexavc06", "cexavc08", "cexavc13"}));
}

// The only copies that change the name on the way into the work folder.
TEST(Excel, Renomeações) {
    std::vector<std::pair<std::string, std::string>> r;
    for (const MenuCurso* curso : {&cursoExcelB, &cursoExcelA})
        for (const Item& item : curso->itens)
            for (const Etapa& e : item.etapas)
                if (e.passo == Passo::Copia && e.b)
                    r.emplace_back(e.a, e.b);
    EXPECT_EQ(r, (std::vector<std::pair<std::string, std::string>>{{"trimes1.xls", "trimes.xls"},
                                                                   {"trimes2.xls", "trimes.xls"}}));
}

} // namespace
} // namespace catalogo::teste
