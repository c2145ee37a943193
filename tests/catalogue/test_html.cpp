// The "HTML" course menu: names and codes, the totals, the errors-ignored span of every lesson,
// lists D4 and D5 against the sample list they come from, and the work folder they leave.

#include "contagem.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace catalogo::teste {
namespace {

const std::string trab = "c:\\qvcurso\\";

const Item& Índice(int n) {
    return cursoHTML.itens[n - 1];
}

// The names of a list step (a kill of the work folder), without the folder.
std::vector<std::string> NomesDe(const Etapa& e) {
    std::vector<std::string> v;
    EXPECT_TRUE(e.lista);
    if (e.lista)
        for (const char* n : *e.lista)
            v.push_back(n);
    EXPECT_STREQ(e.a, "c:\\qvcurso\\");
    return v;
}

std::string Minúsculas(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The work folder as a set of names, matched without regard to case as on the platform.
struct Pasta {
    std::set<std::string> nomes;
    bool tem(const std::string& n) const { return nomes.count(Minúsculas(n)) > 0; }
    void roda(const Item& item) {
        for (const Ação& a : Expandir(item)) {
            if (a.passo == Passo::Apaga) {
                ASSERT_EQ(a.a.rfind(trab, 0), 0u) << a.a;
                nomes.erase(Minúsculas(a.a.substr(trab.size())));
            } else if (a.passo == Passo::Copia) {
                nomes.insert(Minúsculas(a.b.empty() ? a.a : a.b));
            } else if (a.passo == Passo::CópiaDireta) {
                ASSERT_EQ(a.b.rfind(trab, 0), 0u) << a.b;
                nomes.insert(Minúsculas(a.b.substr(trab.size())));
            }
        }
    }
};

TEST(Html, ControlArrayNamesAndCodes) {
    EXPECT_STREQ(cursoHTML.controle, "CHTML");
    EXPECT_STREQ(cursoHTML.legenda, "HTML");
    EXPECT_TRUE(cursoHTML.profissionais);
    ASSERT_EQ(cursoHTML.itens.size(), 5u);
    int n = 0;
    for (const Item& i : cursoHTML.itens) {
        ++n;
        EXPECT_STREQ(i.controle, "cHTML00");
        EXPECT_EQ(i.índice, n);
        EXPECT_EQ(i.programa, "QVHTML0" + std::to_string(n)) << NomeDe(i);
        EXPECT_EQ(i.código, "220" + std::to_string(n)) << NomeDe(i);
        EXPECT_EQ(std::string(i.legenda).substr(0, 5), "0" + std::to_string(n) + " - ")
            << NomeDe(i);
    }
}

TEST(Html, Totals) {
    const Contagem c = Contar(cursoHTML);
    EXPECT_EQ(c.de(Passo::Apaga), 134);
    EXPECT_EQ(c.de(Passo::Copia), 4);
    EXPECT_EQ(c.de(Passo::CópiaDireta), 133);
    EXPECT_EQ(c.de(Passo::Inicia), 5);
    const int apagas[] = {1, 2, 1, 67, 63};
    const int cópias[] = {0, 1, 1, 1, 1};
    const int diretas[] = {0, 5, 5, 68, 55};
    for (int n = 1; n <= 5; ++n) {
        const Contagem d = Contar(Índice(n));
        EXPECT_EQ(d.de(Passo::Apaga), apagas[n - 1]) << NomeDe(Índice(n));
        EXPECT_EQ(d.de(Passo::Copia), cópias[n - 1]) << NomeDe(Índice(n));
        EXPECT_EQ(d.de(Passo::CópiaDireta), diretas[n - 1]) << NomeDe(Índice(n));
    }
}

TEST(Html, ErrorsIgnoredFromAfterTheCodeToJustBeforeTheStart) {
    for (const Item& i : cursoHTML.itens) {
        const auto& e = i.etapas;
        ASSERT_GE(e.size(), 5u) << NomeDe(i);
        EXPECT_EQ(e[0].passo, Passo::Nome) << NomeDe(i);
        EXPECT_EQ(e[1].passo, Passo::Código) << NomeDe(i);
        EXPECT_EQ(e[2].passo, Passo::IgnoraErros) << NomeDe(i);
        EXPECT_EQ(e[e.size() - 2].passo, Passo::FimIgnoraErros) << NomeDe(i);
        EXPECT_EQ(e.back().passo, Passo::Inicia) << NomeDe(i);
        for (std::size_t k = 3; k + 2 < e.size(); ++k) {
            const Passo p = e[k].passo;
            EXPECT_TRUE(p == Passo::Apaga || p == Passo::Copia || p == Passo::CópiaDireta)
                << NomeDe(i) << " step " << k;
        }
        // Kills, then the one work-folder copy, then the direct copies.
        int fase = 0;
        for (const Ação& a : Expandir(i)) {
            const int f = a.passo == Passo::Apaga         ? 1
                          : a.passo == Passo::Copia       ? 2
                          : a.passo == Passo::CópiaDireta ? 3
                                                          : fase;
            EXPECT_GE(f, fase) << NomeDe(i) << " " << a.a;
            fase = f;
        }
    }
}

TEST(Html, ListsAndNamedSamples) {
    const auto& e4 = Índice(4).etapas;
    const auto& e5 = Índice(5).etapas;
    const std::vector<std::string> páginas = NomesDe(e4[3]);
    const std::vector<std::string> amostras = NomesDe(e4[4]);
    ASSERT_EQ(páginas.size(), 16u);
    ASSERT_EQ(amostras.size(), 51u);
    EXPECT_EQ(páginas.front(), "page01.html");
    EXPECT_EQ(páginas[10], "page05.htm");
    EXPECT_EQ(páginas.back(), "page10.htm");
    EXPECT_EQ(amostras.front(), "animusix.gif");
    EXPECT_EQ(amostras.back(), "xvxnet08.htm");
    // Tune X and picture Y have one name each, in their places of the sample list.
    EXPECT_EQ(amostras[3].substr(amostras[3].size() - 4), ".mid");
    EXPECT_EQ(amostras[29].substr(amostras[29].size() - 4), ".jpg");
    EXPECT_EQ(std::set<std::string>(amostras.begin(), amostras.end()).size(), 51u);

    // Lesson 05 kills the pages from "page05.html" on, then the same samples.
    const std::vector<std::string> páginas5 = NomesDe(e5[3]);
    EXPECT_EQ(páginas5, std::vector<std::string>(páginas.begin() + 4, páginas.end()));
    EXPECT_EQ(NomesDe(e5[4]), amostras);

    // "animusix.gif" is staged through the work-folder copy, never directly.
    for (int n : {4, 5}) {
        const std::vector<Ação> c = Só(Índice(n), Passo::Copia);
        ASSERT_EQ(c.size(), 1u);
        EXPECT_EQ(c[0].a, "animusix.gif");
        for (const Ação& a : Só(Índice(n), Passo::CópiaDireta))
            EXPECT_NE(Minúsculas(a.a), "animusix.gif");
    }
}

// Lists D4 and D5 as the sample list, the pages and the pictures build them.
TEST(Html, DirectCopiesOfLessons04And05FollowTheSampleList) {
    const std::vector<std::string> s = NomesDe(Índice(4).etapas[4]);
    ASSERT_EQ(s.size(), 51u);
    const std::vector<Ação> d3 = Só(Índice(3), Passo::CópiaDireta);
    ASSERT_EQ(d3.size(), 5u);
    const std::string z = d3[1].a; // picture Z, lower case
    EXPECT_EQ(z, Minúsculas(z));
    EXPECT_EQ(z.substr(z.size() - 4), ".gif");
    std::string Z = z;
    Z[0] = char(std::toupper(static_cast<unsigned char>(Z[0])));

    // Art07 .. mindview, with frames.htm before frames.html; D4 leaves out botão.htm.
    auto primeiros = [&](bool comBotãoHtm) {
        std::vector<std::string> v;
        for (int k = 1; k <= 23; ++k) {
            if (s[k] == "botão.htm" && !comBotãoHtm)
                continue;
            if (s[k] == "frames.html")
                continue;
            v.push_back(s[k]);
            if (s[k] == "frames.htm")
                v.push_back("frames.html");
        }
        return v;
    };
    auto ao = [](std::vector<std::pair<std::string, std::string>>& v, const std::string& n) {
        v.push_back({n, trab + n});
    };

    std::vector<std::pair<std::string, std::string>> d4;
    for (const std::string& n : primeiros(false))
        ao(d4, n);
    EXPECT_EQ(d4.size(), 22u);
    ao(d4, "Page01.html");
    d4.push_back({"Page02.html", trab + "Page021.html"});
    ao(d4, "Page03.html");
    for (int k = 24; k < 51; ++k)
        ao(d4, s[k]);
    ao(d4, "Page04.html");
    for (const char* n : {"pré-page05.html", "pré-page06.html", "pré-page07.html",
                          "pré-page08.html", "pré-page09.html", "pré-page10.html"})
        ao(d4, n);
    for (const std::string& n :
         {std::string("Backh.gif"), std::string("Backblu.gif"), std::string("Animsex.gif"),
          std::string("Animusic.gif"), std::string("Animcd.gif"), std::string("Anim03.gif"), Z,
          std::string("Anim05.gif"), std::string("Anim02.gif")})
        ao(d4, n);
    ASSERT_EQ(d4.size(), 68u);

    std::vector<std::pair<std::string, std::string>> d5;
    for (const std::string& n : primeiros(true))
        ao(d5, n);
    for (int k = 24; k < 51; ++k)
        ao(d5, s[k]);
    EXPECT_EQ(d5.size(), 50u);
    for (const char* n :
         {"Page05.html", "Page06.html", "Page07.html", "Page09.html", "Page10.html"})
        ao(d5, n);

    for (auto [n, esperado] : {std::pair{4, &d4}, std::pair{5, &d5}}) {
        const std::vector<Ação> d = Só(Índice(n), Passo::CópiaDireta);
        ASSERT_EQ(d.size(), esperado->size()) << NomeDe(Índice(n));
        for (std::size_t k = 0; k < d.size(); ++k) {
            EXPECT_EQ(d[k].a, (*esperado)[k].first) << NomeDe(Índice(n)) << " copy " << k;
            EXPECT_EQ(d[k].b, (*esperado)[k].second) << NomeDe(Índice(n)) << " copy " << k;
        }
    }
}

TEST(Html, WorkFolderAfterLessons04And05) {
    Pasta p;
    for (const char* n : {"page01.html", "page02.html", "page04.html", "botão.htm", "meu.html"})
        p.nomes.insert(n);
    p.roda(Índice(4));
    EXPECT_FALSE(p.tem("page02.html"));
    EXPECT_TRUE(p.tem("Page021.html"));
    EXPECT_TRUE(p.tem("Page01.html"));
    EXPECT_TRUE(p.tem("Page03.html"));
    EXPECT_TRUE(p.tem("Page04.html"));
    EXPECT_FALSE(p.tem("botão.htm"));
    EXPECT_TRUE(p.tem("botão.html"));
    EXPECT_TRUE(p.tem("animusix.gif"));
    EXPECT_TRUE(p.tem("meu.html"));

    Pasta q;
    for (const char* n : {"page01.html", "page04.html", "page08.html", "page08.htm"})
        q.nomes.insert(n);
    q.roda(Índice(5));
    EXPECT_FALSE(q.tem("page08.html"));
    EXPECT_FALSE(q.tem("page08.htm"));
    for (const char* n : {"page01.html", "page04.html", "page05.html", "page06.html", "page07.html",
                          "page09.html", "page10.html", "botão.htm", "botão.html"})
        EXPECT_TRUE(q.tem(n)) << n;
}

TEST(Html, CaptionsAsStored) {
    EXPECT_STREQ(
        Índice(1).legenda,
        "01 - Word Wide Web; Elementos básicos X Tags; Estrutura básica; Atributos; Cabeçalhos");
    EXPECT_STREQ(
        Índice(4).legenda,
        "04 - Frames; Formulários com o form;Progr. CGI; Noções básicas de ASP; JavaScript");
    EXPECT_STREQ(Índice(5).legenda, "05 - Exercício");
}

} // namespace
} // namespace catalogo::teste
