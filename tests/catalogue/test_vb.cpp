// The "VisualBasic" course menu: names and codes, the totals of every step kind, the flags
// folder of lesson 07 and the direct copies of lessons 12 to 18.

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
    for (const Item& i : cursoVB.itens)
        if (std::string(i.controle) == controle)
            return i;
    ADD_FAILURE() << controle << " missing";
    return cursoVB.itens.front();
}

TEST(VisualBasic, MenuNamesAndCodesFollowThePosition) {
    EXPECT_STREQ(cursoVB.controle, "cVisualBasic");
    EXPECT_STREQ(cursoVB.legenda, "VisualBasic");
    EXPECT_TRUE(cursoVB.profissionais);
    ASSERT_EQ(cursoVB.itens.size(), 18u);
    int n = 0;
    for (const Item& i : cursoVB.itens) {
        ++n;
        EXPECT_EQ(i.controle, DoisDígitos("cvb", n));
        EXPECT_EQ(i.índice, 0) << NomeDe(i);
        EXPECT_EQ(i.programa, DoisDígitos("QVvb6", n)) << NomeDe(i);
        EXPECT_EQ(i.código, DoisDígitos("16", n)) << NomeDe(i);
        EXPECT_EQ(std::string(i.legenda).substr(0, 5), DoisDígitos("", n) + " - ") << NomeDe(i);
    }
}

TEST(VisualBasic, TotalsOfEveryStepKind) {
    const Contagem c = Contar(cursoVB);
    EXPECT_EQ(c.de(Passo::Copia), 54);
    EXPECT_EQ(c.de(Passo::Apaga), 21);
    EXPECT_EQ(c.de(Passo::CópiaDireta), 67);
    EXPECT_EQ(c.de(Passo::Diálogo), 3);
    EXPECT_EQ(c.de(Passo::Inicia), 15);
    // One folder is worked on: the flags folder, cleared and made again.
    EXPECT_EQ(c.de(Passo::LimpaPasta), 1);
    EXPECT_EQ(c.de(Passo::CriaPasta), 1);
    EXPECT_EQ(c.de(Passo::RemovePasta), 0);
    EXPECT_EQ(c.de(Passo::ApagaNaPasta), 0);
    EXPECT_EQ(c.de(Passo::CopiaMódulo), 0);

    // Per item: copies, kills and direct copies in menu order.
    const int cópias[] = {3, 4, 3, 3, 4, 4, 4, 6, 0, 7, 9, 1, 1, 1, 1, 1, 1, 1};
    const int apagas[] = {0, 2, 0, 0, 1, 1, 0, 1, 3, 4, 2, 2, 1, 1, 1, 1, 0, 1};
    const int diretas[] = {0, 0, 0, 0, 0, 0, 37, 0, 0, 0, 0, 2, 5, 5, 5, 5, 5, 3};
    int n = 0;
    for (const Item& i : cursoVB.itens) {
        const Contagem d = Contar(i);
        EXPECT_EQ(d.de(Passo::Copia), cópias[n]) << NomeDe(i);
        EXPECT_EQ(d.de(Passo::Apaga), apagas[n]) << NomeDe(i);
        EXPECT_EQ(d.de(Passo::CópiaDireta), diretas[n]) << NomeDe(i);
        ++n;
    }
}

TEST(VisualBasic, NameAndCodeFirstAndOneEndingStep) {
    for (const Item& i : cursoVB.itens) {
        const auto& e = i.etapas;
        const bool diálogo = NomeDe(i) == "cvb09" || NomeDe(i) == "cvb10" || NomeDe(i) == "cvb11";
        EXPECT_EQ(e.back().passo, diálogo ? Passo::Diálogo : Passo::Inicia) << NomeDe(i);
        const Contagem c = Contar(i);
        EXPECT_EQ(c.de(Passo::Diálogo) + c.de(Passo::Inicia), 1) << NomeDe(i);
        EXPECT_EQ(c.de(Passo::Nome), 1) << NomeDe(i);
        EXPECT_EQ(c.de(Passo::Código), 1) << NomeDe(i);
        EXPECT_EQ(e[0].passo, Passo::Nome) << NomeDe(i);
        if (NomeDe(i) != "cvb06") {
            EXPECT_EQ(e[1].passo, Passo::Código) << NomeDe(i);
        }
        // Only the flags step runs a span with errors ignored.
        const bool bandeiras = NomeDe(i) == "cvb07";
        EXPECT_EQ(c.de(Passo::IgnoraErros), bandeiras ? 1 : 0) << NomeDe(i);
        EXPECT_EQ(c.de(Passo::FimIgnoraErros), bandeiras ? 1 : 0) << NomeDe(i);
    }
}

TEST(VisualBasic, Lesson06WritesItsCodeAfterTheKill) {
    const auto& e = ItemDe("cvb06").etapas;
    ASSERT_GE(e.size(), 3u);
    EXPECT_EQ(e[e.size() - 1].passo, Passo::Inicia);
    EXPECT_EQ(e[e.size() - 2].passo, Passo::Código);
    EXPECT_EQ(e[e.size() - 3].passo, Passo::Apaga);
    EXPECT_STREQ(e[e.size() - 3].a, "c:\\qvcurso\\menus.*");
}

TEST(VisualBasic, Lesson07RebuildsTheFlagsFolderWithErrorsIgnored) {
    const std::vector<Ação> v = Expandir(ItemDe("cvb07"));
    // N, Cd, four copies, Ig, clear, make, 37 icons, FimIg, start.
    ASSERT_EQ(v.size(), 2u + 4u + 1u + 2u + 37u + 1u + 1u);
    EXPECT_EQ(v[6].passo, Passo::IgnoraErros);
    EXPECT_EQ(v[7].passo, Passo::LimpaPasta);
    EXPECT_EQ(v[7].a, "c:\\qvcurso\\flags\\");
    EXPECT_EQ(v[8].passo, Passo::CriaPasta);
    EXPECT_EQ(v[8].a, "c:\\qvcurso\\flags");
    for (std::size_t k = 9; k < 9 + 37; ++k) {
        EXPECT_EQ(v[k].passo, Passo::CópiaDireta) << k;
        EXPECT_EQ(v[k].a.rfind("\\flags\\", 0), 0u) << v[k].a;
        EXPECT_EQ(v[k].b, "c:\\qvcurso" + v[k].a);
    }
    EXPECT_EQ(v[9].a, "\\flags\\CTRCAN.ico");
    EXPECT_EQ(v[9].b, "c:\\qvcurso\\flags\\CTRCAN.ico");
    EXPECT_EQ(v[45].a, "\\flags\\FLGUSA02.ico");
    EXPECT_EQ(v[45].b, "c:\\qvcurso\\flags\\FLGUSA02.ico");
    EXPECT_EQ(v[46].passo, Passo::FimIgnoraErros);
    EXPECT_EQ(v[47].passo, Passo::Inicia);
}

TEST(VisualBasic, DirectCopiesGoToTheWorkFolderUnderTheirOwnNames) {
    for (const Item& i : cursoVB.itens)
        for (const Ação& a : Expandir(i)) {
            if (a.passo != Passo::CópiaDireta)
                continue;
            ASSERT_FALSE(a.a.empty()) << NomeDe(i);
            EXPECT_EQ(a.a[0], '\\') << NomeDe(i) << " " << a.a;
            if (NomeDe(i) == "cvb18") {
                // The second version replaces the first under the first one's names.
                const std::string nome = a.a.substr(1);
                ASSERT_EQ(nome.rfind("nolimite2.", 0), 0u) << nome;
                EXPECT_EQ(a.b, "c:\\qvcurso\\nolimite." + nome.substr(10));
            } else {
                EXPECT_EQ(a.b, "c:\\qvcurso" + a.a) << NomeDe(i);
            }
        }
}

TEST(VisualBasic, KillsAreWorkFolderPatterns) {
    for (const Item& i : cursoVB.itens) {
        for (const Ação& a : Expandir(i)) {
            if (a.passo == Passo::Apaga) {
                EXPECT_EQ(a.a.rfind("c:\\qvcurso\\", 0), 0u) << NomeDe(i) << " " << a.a;
            }
        }
    }
    // Lesson 02 deletes the result under both names; the tamanhos files stay.
    const auto& e = ItemDe("cvb02").etapas;
    EXPECT_STREQ(e[6].a, "c:\\qvcurso\\MudaTamanhos.*");
    EXPECT_STREQ(e[7].a, "c:\\qvcurso\\Muda Tamanhos.*");
    // The dialog lessons delete the database before asking for the version.
    const auto& e9 = ItemDe("cvb09").etapas;
    EXPECT_STREQ(e9[4].a, "c:\\qvcurso\\cadpro.mdb");
}

TEST(VisualBasic, CaptionsAsStored) {
    EXPECT_STREQ(ItemDe("cvb01").legenda, "01 - Projeto Muda destaque de texto");
    EXPECT_STREQ(ItemDe("cvb04").legenda, "04 - Projeto Escala Celcius/Fahrenheit");
    EXPECT_STREQ(ItemDe("cvb17").legenda, "17 - Jogo - Cronômetro Mental  (NoLimite)");
}

} // namespace
} // namespace catalogo::teste
