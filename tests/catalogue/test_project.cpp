// The "Project" course menu: names, codes, the copies of every lesson and the practice
// schedule that lessons 06 to 08 each write from their own source.

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

// The destination of a work-folder copy: the second name, or the first when both are one.
std::string Destino(const Etapa& e) {
    return e.b ? e.b : e.a;
}

const Item& ItemDe(const char* controle) {
    for (const Item& i : cursoProject.itens)
        if (std::string(i.controle) == controle)
            return i;
    ADD_FAILURE() << controle << " missing";
    return cursoProject.itens.front();
}

std::vector<const Etapa*> Cópias(const Item& i) {
    std::vector<const Etapa*> v;
    for (const Etapa& e : i.etapas)
        if (e.passo == Passo::Copia)
            v.push_back(&e);
    return v;
}

TEST(Project, MenuNamesAndCodesFollowThePosition) {
    EXPECT_STREQ(cursoProject.controle, "CProject");
    EXPECT_STREQ(cursoProject.legenda, "Project");
    EXPECT_TRUE(cursoProject.profissionais);
    ASSERT_EQ(cursoProject.itens.size(), 8u);
    int n = 0;
    for (const Item& i : cursoProject.itens) {
        ++n;
        EXPECT_EQ(i.controle, DoisDígitos("cprj", n));
        EXPECT_EQ(i.índice, 0) << NomeDe(i);
        EXPECT_EQ(i.programa, DoisDígitos("QVPRJ", n)) << NomeDe(i);
        EXPECT_EQ(i.código, DoisDígitos("18", n)) << NomeDe(i);
        EXPECT_EQ(std::string(i.legenda).substr(0, 5), DoisDígitos("", n) + " - ") << NomeDe(i);
    }
}

TEST(Project, EveryItemNamesCopiesThenStarts) {
    const int cópias[] = {1, 1, 1, 1, 10, 4, 6, 1};
    int n = 0;
    for (const Item& i : cursoProject.itens) {
        const auto& e = i.etapas;
        ASSERT_GE(e.size(), 4u) << NomeDe(i);
        EXPECT_EQ(e[0].passo, Passo::Nome) << NomeDe(i);
        EXPECT_EQ(e[1].passo, Passo::Código) << NomeDe(i);
        EXPECT_EQ(e.back().passo, Passo::Inicia) << NomeDe(i);
        for (std::size_t k = 2; k + 1 < e.size(); ++k)
            EXPECT_EQ(e[k].passo, Passo::Copia) << NomeDe(i) << " step " << k;
        EXPECT_EQ(Contar(i).de(Passo::Copia), cópias[n++]) << NomeDe(i);
    }
    Contagem c = Contar(cursoProject);
    EXPECT_EQ(c.de(Passo::Copia), 25);
    EXPECT_EQ(c.de(Passo::Inicia), 8);
    EXPECT_EQ(c.porPasso.size(), 4u) << "only names, codes, copies and starts";
}

TEST(Project, CaptionsKeepTheirBlanks) {
    EXPECT_STREQ(ItemDe("cprj01").legenda,
                 "01 - Tela inicial; Partes da tela; Modos de exibição; Modo gráfico de Gantt");
    EXPECT_STREQ(ItemDe("cprj05").legenda,
                 "05 - Preparar o Projeto Mudança do Escritório Comercial ");
    EXPECT_STREQ(ItemDe("cprj06").legenda,
                 "06 - Continuação (I)  do projeto Mudança do Escritório Comercial");
    EXPECT_STREQ(ItemDe("cprj07").legenda,
                 "07 - Continuação (II) do projeto Mudança do Escritório Comercial");
}

TEST(Project, ConstructionPlanComesFromTwoSources) {
    for (const char* c : {"cprj01", "cprj02"}) {
        auto v = Cópias(ItemDe(c));
        ASSERT_EQ(v.size(), 1u) << c;
        EXPECT_STREQ(v[0]->a, "construção original.mpp") << c;
        EXPECT_EQ(Destino(*v[0]), "construção.mpp") << c;
    }
    auto v = Cópias(ItemDe("cprj03"));
    ASSERT_EQ(v.size(), 1u);
    EXPECT_STREQ(v[0]->a, "construção.mpp");
    EXPECT_EQ(Destino(*v[0]), "construção.mpp");
}

// Lessons 06, 07 and 08 each write the schedule first, from their own source; only 08's
// destination carries a trailing blank.
TEST(Project, ScheduleIsRewrittenByLessons06To08) {
    struct {
        const char* item;
        const char* origem;
        const char* destino;
    } const casos[] = {
        {"cprj06", "QV-MC_Tarefas.mpp", "Mudança comercial.mpp"},
        {"cprj07", "QV-MC_Tarefas_Resumo.mpp", "Mudança comercial.mpp"},
        {"cprj08", "QV-MC_Vínculos.mpp", "Mudança comercial.mpp "},
    };
    for (const auto& c : casos) {
        auto v = Cópias(ItemDe(c.item));
        ASSERT_FALSE(v.empty()) << c.item;
        EXPECT_STREQ(v[0]->a, c.origem) << c.item;
        EXPECT_EQ(Destino(*v[0]), c.destino) << c.item;
    }
    // No other name of the course begins or ends with a blank.
    for (const Item& i : cursoProject.itens)
        for (const Etapa* e : Cópias(i)) {
            for (const std::string& s : {std::string(e->a), Destino(*e)}) {
                if (s == "Mudança comercial.mpp ")
                    continue;
                EXPECT_NE(s.front(), ' ') << NomeDe(i) << " \"" << s << "\"";
                EXPECT_NE(s.back(), ' ') << NomeDe(i) << " \"" << s << "\"";
            }
        }
}

// Lesson 05 copies its ten files under their own names, blanks and accents included.
TEST(Project, Lesson05KeepsItsNames) {
    auto v = Cópias(ItemDe("cprj05"));
    ASSERT_EQ(v.size(), 10u);
    for (const Etapa* e : v)
        EXPECT_EQ(Destino(*e), e->a);
    EXPECT_STREQ(v[2]->a, "QV-Imóveis.doc");
    EXPECT_STREQ(v[5]->a, "QV-Tarefas de Resumo.doc");
}

} // namespace
} // namespace catalogo::teste
