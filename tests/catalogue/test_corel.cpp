// The two Corel course menus: names and codes running on across both menus, deletes each in
// its own errors-ignored span before the stagings, and the drawings passed from lesson to
// lesson by name.

#include "contagem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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

std::vector<const Item*> Todos() {
    std::vector<const Item*> v;
    for (const MenuCurso* m : {&cursoCorelB, &cursoCorelA})
        for (const Item& i : m->itens)
            v.push_back(&i);
    return v;
}

const Item& ItemDe(int lição) {
    auto v = Todos();
    if (lição < 1 || lição > int(v.size())) {
        ADD_FAILURE() << "lesson " << lição << " missing";
        return *v.front();
    }
    return *v[lição - 1];
}

std::string Minúsculas(std::string s) {
    for (char& c : s)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Work-folder names, lower case: the files an item deletes and the ones it stages.
std::vector<std::string> Apagados(const Item& i) {
    std::vector<std::string> v;
    for (const Etapa& e : i.etapas)
        if (e.passo == Passo::Apaga)
            v.push_back(Minúsculas(std::string(e.a).substr(std::string(QV_TRAB).size())));
    return v;
}
std::vector<std::string> Preparados(const Item& i) {
    std::vector<std::string> v;
    for (const Etapa& e : i.etapas)
        if (e.passo == Passo::Copia)
            v.push_back(Minúsculas(e.b ? e.b : e.a));
    return v;
}

TEST(Corel, TwoMenusNumberedOnFromOneToTwenty) {
    EXPECT_STREQ(cursoCorelB.controle, "CCorel10B");
    EXPECT_STREQ(cursoCorelB.legenda, "Corel  Básico");
    EXPECT_STREQ(cursoCorelA.controle, "CCorel10A");
    EXPECT_STREQ(cursoCorelA.legenda, "Corel Avçdo");
    EXPECT_TRUE(cursoCorelB.profissionais);
    EXPECT_TRUE(cursoCorelA.profissionais);
    EXPECT_EQ(cursoCorelB.itens.size(), 9u);
    EXPECT_EQ(cursoCorelA.itens.size(), 11u);
    int n = 0;
    for (const Item* i : Todos()) {
        ++n;
        EXPECT_EQ(i->controle, DoisDígitos("CCorel10", n));
        EXPECT_EQ(i->índice, 0) << NomeDe(*i);
        EXPECT_EQ(i->programa, DoisDígitos("QVCR10", n)) << NomeDe(*i);
        EXPECT_EQ(i->código, DoisDígitos("10", n)) << NomeDe(*i);
        EXPECT_EQ(std::string(i->legenda).substr(0, 5), DoisDígitos("", n) + " - ") << NomeDe(*i);
    }
    EXPECT_EQ(n, 20);
}

TEST(Corel, CaptionsKeepTheirBlanksAndSpelling) {
    EXPECT_STREQ(ItemDe(1).legenda, "01 - Tipos de desenho; Configurar páginas;  Retângulos; "
                                    "Pontos de orientação; Deslocar/duplicar ");
    EXPECT_STREQ(ItemDe(9).legenda, "09 - Quebrar nós; Caminho;  Separar  texto/caminho; "
                                    "Ferramenta Belzier; Alinhamento entre texto/caminho");
    EXPECT_STREQ(ItemDe(10).legenda, "10 - Camadas; Criar nova camada; Preencher com padrão "
                                     "ladrilho; Apagar camadas; Preencher com textura");
    EXPECT_STREQ(ItemDe(20).legenda,
                 "20 - Photo Paint: 2D; 3D; Deslocamento;  Ajuste fino; Embaçar; Efeitos "
                 "especiais; Terrazo; Julia Set-Explorer 2.0");
    EXPECT_NE(std::string(ItemDe(4).legenda).find("; Quebar;"), std::string::npos);
}

// Name and code, then deletes (each alone in an errors-ignored span), then stagings, then the
// start; nothing else.
TEST(Corel, StepOrderOfEveryItem) {
    for (const Item* i : Todos()) {
        const auto& e = i->etapas;
        ASSERT_GE(e.size(), 3u) << NomeDe(*i);
        EXPECT_EQ(e[0].passo, Passo::Nome) << NomeDe(*i);
        EXPECT_EQ(e[1].passo, Passo::Código) << NomeDe(*i);
        EXPECT_EQ(e.back().passo, Passo::Inicia) << NomeDe(*i);
        std::size_t k = 2;
        while (k + 1 < e.size() && e[k].passo == Passo::IgnoraErros) {
            ASSERT_LT(k + 3, e.size()) << NomeDe(*i);
            EXPECT_EQ(e[k + 1].passo, Passo::Apaga) << NomeDe(*i) << " step " << k + 1;
            EXPECT_EQ(std::string(e[k + 1].a).rfind(QV_TRAB, 0), 0u) << NomeDe(*i);
            EXPECT_EQ(e[k + 1].lista, nullptr) << NomeDe(*i);
            EXPECT_EQ(e[k + 2].passo, Passo::FimIgnoraErros) << NomeDe(*i) << " step " << k + 2;
            k += 3;
        }
        for (; k + 1 < e.size(); ++k)
            EXPECT_EQ(e[k].passo, Passo::Copia) << NomeDe(*i) << " step " << k;
    }
}

TEST(Corel, Totals) {
    Contagem c;
    int itensQueApagam = 0, itensQuePreparam = 0;
    for (const MenuCurso* m : {&cursoCorelB, &cursoCorelA})
        for (const Item& i : m->itens) {
            Contagem d = Contar(i);
            EXPECT_EQ(d.de(Passo::Inicia), 1) << NomeDe(i);
            EXPECT_EQ(d.de(Passo::IgnoraErros), d.de(Passo::Apaga)) << NomeDe(i);
            EXPECT_EQ(d.de(Passo::FimIgnoraErros), d.de(Passo::Apaga)) << NomeDe(i);
            itensQueApagam += d.de(Passo::Apaga) > 0;
            itensQuePreparam += d.de(Passo::Copia) > 0;
            for (auto [p, n] : d.porPasso)
                c.porPasso[p] += n;
        }
    EXPECT_EQ(c.de(Passo::Apaga), 17);
    EXPECT_EQ(itensQueApagam, 15);
    EXPECT_EQ(c.de(Passo::Copia), 15);
    EXPECT_EQ(itensQuePreparam, 10);
    EXPECT_EQ(c.de(Passo::Inicia), 20);
    EXPECT_EQ(c.porPasso.size(), 7u) << "no direct copies, folders, DelCópia or dialog";
    EXPECT_EQ(ItemDe(16).etapas.size(), 3u) << "lesson 16 only starts";
}

// A drawing deleted by one lesson is staged, prepared, by the next one that uses it.
TEST(Corel, DrawingsPassFromLessonToLesson) {
    struct {
        int apaga, prepara;
        const char* nome;
    } const pares[] = {
        {1, 2, "curioso.cdr"},        {4, 5, "mistura.cdr"},   {6, 7, "bandeira.cdr"},
        {8, 9, "texto no corel.cdr"}, {11, 12, "efeitos.cdr"}, {11, 13, "efeitos.cdr"},
        {13, 14, "bitmaps.cdr"},      {17, 18, "casinha.cpt"}, {17, 19, "casinha.cpt"},
    };
    for (const auto& p : pares) {
        auto a = Apagados(ItemDe(p.apaga));
        auto s = Preparados(ItemDe(p.prepara));
        EXPECT_NE(std::find(a.begin(), a.end(), p.nome), a.end())
            << NomeDe(ItemDe(p.apaga)) << " does not delete " << p.nome;
        EXPECT_NE(std::find(s.begin(), s.end(), p.nome), s.end())
            << NomeDe(ItemDe(p.prepara)) << " does not stage " << p.nome;
    }
    // The picture with blanks in its name is staged under that name by lessons 12 and 20.
    for (int l : {12, 20}) {
        auto s = Preparados(ItemDe(l));
        EXPECT_NE(std::find(s.begin(), s.end(), "anjo com fundo.bmp"), s.end()) << l;
    }
}

} // namespace
} // namespace catalogo::teste
