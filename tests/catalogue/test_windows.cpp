// The "Windows" course: items, totals, and the rebuild of the practice tree "c:\00Documentos".

#include "contagem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace catalogo::teste {
namespace {

// One step with its list expanded: the paths as the engine will use them.
struct Op {
    Passo passo;
    std::string a, b;
};

std::vector<Op> Expandir(const Item& item) {
    std::vector<Op> ops;
    for (const Etapa& e : item.etapas) {
        std::string a = e.a ? e.a : "", b = e.b ? e.b : "";
        if (!e.lista) {
            ops.push_back({e.passo, a, b});
            continue;
        }
        for (const char* n : *e.lista)
            ops.push_back({e.passo, a + n, e.b ? b + n : ""});
    }
    return ops;
}

const std::string raiz = "c:\\00Documentos";

bool NaÁrvore(const std::string& caminho) {
    return caminho == raiz || caminho.starts_with(raiz + "\\");
}

std::string Pai(const std::string& caminho) {
    return caminho.substr(0, caminho.rfind('\\'));
}

bool Reconstrói(const Item& item) {
    auto ops = Expandir(item);
    return std::any_of(ops.begin(), ops.end(),
                       [](const Op& o) { return o.passo == Passo::RemovePasta && o.a == raiz; });
}

// The part of a rebuild item's steps that touches the tree: kills, removals, creations, copies.
std::vector<Op> Reconstrução(const Item& item) {
    std::vector<Op> r;
    for (const Op& o : Expandir(item))
        if (((o.passo == Passo::Apaga || o.passo == Passo::RemovePasta ||
              o.passo == Passo::CriaPasta) &&
             NaÁrvore(o.a)) ||
            (o.passo == Passo::CópiaDireta && NaÁrvore(o.b)))
            r.push_back(o);
    return r;
}

std::vector<std::string> Caminhos(const std::vector<Op>& ops, Passo p) {
    std::vector<std::string> r;
    for (const Op& o : ops)
        if (o.passo == p)
            r.push_back(p == Passo::CópiaDireta ? o.b : o.a);
    return r;
}

const Item& Achar(const char* controle) {
    for (const Item& i : cursoWindows.itens)
        if (std::string(i.controle) == controle)
            return i;
    throw std::runtime_error(std::string("item não encontrado: ") + controle);
}

TEST(Windows, MenuItensProgramasECódigos) {
    EXPECT_STREQ(cursoWindows.controle, "CWindows");
    EXPECT_STREQ(cursoWindows.legenda, "Windows");
    EXPECT_FALSE(cursoWindows.profissionais);
    ASSERT_EQ(cursoWindows.itens.size(), 11u);

    // Captions number the items by place; controls, programs and codes skip 08.
    const int números[] = {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12};
    for (std::size_t i = 0; i < 11; ++i) {
        const Item& item = cursoWindows.itens[i];
        char controle[16], programa[16], código[8], número[8];
        std::snprintf(controle, sizeof controle, "CWin%02d", números[i]);
        std::snprintf(programa, sizeof programa, "QVWin%02d", números[i]);
        std::snprintf(código, sizeof código, "01%02d", números[i]);
        std::snprintf(número, sizeof número, "%02zu - ", i + 1);
        EXPECT_STREQ(item.controle, controle) << "posição " << i + 1;
        EXPECT_EQ(item.índice, 0) << NomeDe(item);
        EXPECT_STREQ(item.programa, programa) << NomeDe(item);
        EXPECT_STREQ(item.código, código) << NomeDe(item);
        EXPECT_TRUE(std::string(item.legenda).starts_with(número)) << NomeDe(item);
    }
    EXPECT_STREQ(cursoWindows.itens[0].legenda,
                 "01 - Janelas; Maximizar; Restaurar; Minimizar; Mover; Janela ativa");
    EXPECT_STREQ(Achar("CWin09").legenda, "08 - Windows Explorer - Etapa 1");
    EXPECT_STREQ(Achar("CWin12").legenda, "11 - Lixeira; Localizar; Painel de Controle");
}

TEST(Windows, Totais) {
    Contagem c = Contar(cursoWindows);
    EXPECT_EQ(c.de(Passo::Copia), 9);
    EXPECT_EQ(c.de(Passo::Inicia), 11);
    EXPECT_EQ(c.de(Passo::Diálogo), 0);
    EXPECT_EQ(c.de(Passo::ApagaNaPasta), 0);
    EXPECT_EQ(c.de(Passo::CopiaMódulo), 0);

    int foraDaÁrvore = 0, reconstruções = 0;
    for (const Item& item : cursoWindows.itens) {
        for (const Op& o : Expandir(item))
            if (o.passo == Passo::CópiaDireta && !NaÁrvore(o.b))
                ++foraDaÁrvore;
        reconstruções += Reconstrói(item);
        EXPECT_EQ(Contar(item).de(Passo::Inicia), 1) << NomeDe(item);
        EXPECT_EQ(Contar(item).de(Passo::Nome), 1) << NomeDe(item);
        EXPECT_EQ(Contar(item).de(Passo::Código), 1) << NomeDe(item);
    }
    EXPECT_EQ(foraDaÁrvore, 1);
    EXPECT_EQ(reconstruções, 3);
    // Two layout A rebuilds of 13 copies, one layout B rebuild of 17, and the root file.
    EXPECT_EQ(c.de(Passo::CópiaDireta), 13 + 13 + 17 + 1);
}

TEST(Windows, Lição11PreparaAntesDeNomear) {
    // Lesson 11 stages first: the root file, then the renamed game, then name, code, start.
    auto ops = Expandir(Achar("CWin12"));
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_EQ(ops[0].passo, Passo::CópiaDireta);
    EXPECT_EQ(ops[0].a, "AAteste.tvx");
    EXPECT_EQ(ops[0].b, "c:\\AAteste.tvx");
    EXPECT_EQ(ops[1].passo, Passo::Copia);
    EXPECT_EQ(ops[1].a, "jogovelha.exe");
    EXPECT_EQ(ops[1].b, "Jvelha.exe");
    EXPECT_EQ(ops[2].passo, Passo::Nome);
    EXPECT_EQ(ops[3].passo, Passo::Código);
    EXPECT_EQ(ops[4].passo, Passo::Inicia);
}

// The whole rebuild, start included, runs with errors ignored from just after the code.
TEST(Windows, ErrosIgnoradosDoCódigoAoFim) {
    for (const Item& item : cursoWindows.itens) {
        std::vector<Passo> p;
        for (const Etapa& e : item.etapas)
            p.push_back(e.passo);
        bool reconstrói = Reconstrói(item);
        EXPECT_EQ(std::count(p.begin(), p.end(), Passo::IgnoraErros), reconstrói ? 1 : 0)
            << NomeDe(item);
        if (!reconstrói)
            continue;
        ASSERT_GE(p.size(), 5u);
        EXPECT_EQ(p[0], Passo::Nome) << NomeDe(item);
        EXPECT_EQ(p[1], Passo::Código) << NomeDe(item);
        EXPECT_EQ(p[2], Passo::IgnoraErros) << NomeDe(item);
        EXPECT_EQ(p[p.size() - 2], Passo::Inicia) << NomeDe(item);
        EXPECT_EQ(p.back(), Passo::FimIgnoraErros) << NomeDe(item);
        EXPECT_EQ(std::count(p.begin(), p.end(), Passo::FimIgnoraErros), 1) << NomeDe(item);
    }
}

// Kills, then removals deepest first, then creations parents first, then the copies.
TEST(Windows, OrdemDaReconstrução) {
    for (const Item& item : cursoWindows.itens) {
        if (!Reconstrói(item))
            continue;
        auto ops = Reconstrução(item);
        std::vector<Passo> fases;
        for (const Op& o : ops)
            if (fases.empty() || fases.back() != o.passo)
                fases.push_back(o.passo);
        EXPECT_EQ(fases, (std::vector<Passo>{Passo::Apaga, Passo::RemovePasta, Passo::CriaPasta,
                                             Passo::CópiaDireta}))
            << NomeDe(item);

        auto mortas = Caminhos(ops, Passo::Apaga);
        auto removidas = Caminhos(ops, Passo::RemovePasta);
        auto criadas = Caminhos(ops, Passo::CriaPasta);
        ASSERT_EQ(mortas.size(), 11u) << NomeDe(item);
        ASSERT_EQ(removidas.size(), 11u) << NomeDe(item);
        // Each kill empties the folder removed at the same place of the removal list.
        for (std::size_t i = 0; i < 11; ++i)
            EXPECT_EQ(mortas[i], removidas[i] + "\\*.*") << NomeDe(item) << " " << i;
        for (std::size_t i = 0; i < removidas.size(); ++i)
            for (std::size_t j = i + 1; j < removidas.size(); ++j)
                EXPECT_FALSE(removidas[j].starts_with(removidas[i] + "\\"))
                    << NomeDe(item) << ": " << removidas[i] << " antes de " << removidas[j];
        EXPECT_EQ(removidas.back(), raiz);
        EXPECT_EQ(std::set<std::string>(removidas.begin(), removidas.end()).size(), 11u);

        std::set<std::string> feitas;
        for (const std::string& p : criadas) {
            EXPECT_TRUE(p == raiz || feitas.contains(Pai(p))) << NomeDe(item) << ": " << p;
            EXPECT_TRUE(std::find(removidas.begin(), removidas.end(), p) != removidas.end())
                << NomeDe(item) << ": " << p;
            feitas.insert(p);
        }
        EXPECT_FALSE(feitas.contains(raiz + "\\pessoais\\impostos\\Ano2001")) << NomeDe(item);

        // Every copy lands in a folder the rebuild created; only one renames.
        for (const Op& o : ops) {
            if (o.passo != Passo::CópiaDireta)
                continue;
            EXPECT_TRUE(feitas.contains(Pai(o.b))) << NomeDe(item) << ": " << o.b;
            std::string nome = o.b.substr(o.b.rfind('\\') + 1);
            if (o.a == "recebimentos.doc")
                EXPECT_EQ(o.b, raiz + "\\escola\\Recebimentos.doc") << NomeDe(item);
            else
                EXPECT_EQ(o.a, nome) << NomeDe(item);
        }
    }
}

TEST(Windows, LayoutsDaÁrvore) {
    auto a09 = Reconstrução(Achar("CWin09"));
    auto a10 = Reconstrução(Achar("CWin10"));
    auto b11 = Reconstrução(Achar("CWin11"));
    ASSERT_EQ(a09.size(), a10.size());
    for (std::size_t i = 0; i < a09.size(); ++i) {
        EXPECT_EQ(a09[i].passo, a10[i].passo) << i;
        EXPECT_EQ(a09[i].a, a10[i].a) << i;
        EXPECT_EQ(a09[i].b, a10[i].b) << i;
    }

    auto criadasA = Caminhos(a09, Passo::CriaPasta), criadasB = Caminhos(b11, Passo::CriaPasta);
    EXPECT_EQ(criadasA.size(), 8u);
    ASSERT_EQ(criadasB.size(), 10u);
    EXPECT_TRUE(std::equal(criadasA.begin(), criadasA.end(), criadasB.begin()));
    EXPECT_EQ(criadasB[8], raiz + "\\pessoais\\impostos");
    EXPECT_EQ(criadasB[9], raiz + "\\pessoais\\impostos\\Ano2002");

    auto cópiasA = Caminhos(a09, Passo::CópiaDireta), cópiasB = Caminhos(b11, Passo::CópiaDireta);
    EXPECT_EQ(cópiasA.size(), 13u);
    EXPECT_EQ(cópiasB.size(), 17u);
    // Layout B holds every file of layout A, plus four.
    for (const std::string& p : cópiasA)
        EXPECT_TRUE(std::find(cópiasB.begin(), cópiasB.end(), p) != cópiasB.end()) << p;
    for (const char* extra :
         {"\\escola\\logo\\bandeira.gif", "\\escola\\logo\\círculos.bmp",
          "\\pessoais\\cartas\\bolhas.bmp", "\\pessoais\\impostos\\Ano2002\\calc.exe"}) {
        EXPECT_TRUE(std::find(cópiasB.begin(), cópiasB.end(), raiz + extra) != cópiasB.end())
            << extra;
        EXPECT_TRUE(std::find(cópiasA.begin(), cópiasA.end(), raiz + extra) == cópiasA.end())
            << extra;
    }

    // Two bank spreadsheets, each under its own name, the same in both layouts.
    for (const auto* cópias : {&cópiasA, &cópiasB}) {
        int bancos = 0;
        for (const std::string& p : *cópias)
            if (p.starts_with(raiz + "\\pessoais\\bancos\\Banco ") && p.ends_with(".xls"))
                ++bancos;
        EXPECT_EQ(bancos, 2);
    }
}

} // namespace
} // namespace catalogo::teste
