// The "Internet" course: codes out of menu order and the 35 staged samples of lesson 01.

#include "contagem.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace catalogo::teste {
namespace {

TEST(Internet, MenuItensProgramasECódigos) {
    EXPECT_STREQ(cursoInternet.controle, "CInternet");
    EXPECT_STREQ(cursoInternet.legenda, "Internet");
    EXPECT_FALSE(cursoInternet.profissionais);
    ASSERT_EQ(cursoInternet.itens.size(), 5u);

    // The second item carries the highest lesson number.
    const char* códigos[] = {"0113", "0117", "0114", "0115", "0116"};
    for (std::size_t i = 0; i < 5; ++i) {
        const Item& item = cursoInternet.itens[i];
        std::string n = "0" + std::to_string(i + 1);
        EXPECT_EQ(std::string(item.controle), "CNet" + n);
        EXPECT_EQ(item.índice, 0) << NomeDe(item);
        EXPECT_EQ(std::string(item.programa), "QVNet" + n) << NomeDe(item);
        EXPECT_STREQ(item.código, códigos[i]) << NomeDe(item);
        EXPECT_TRUE(std::string(item.legenda).starts_with(n + " - ")) << NomeDe(item);
    }
    EXPECT_STREQ(cursoInternet.itens[0].legenda, "01 - Introdução - Parte 1");
    EXPECT_STREQ(cursoInternet.itens[4].legenda, "05 - Outlook ");
}

TEST(Internet, Totais) {
    Contagem c = Contar(cursoInternet);
    EXPECT_EQ(c.de(Passo::CópiaDireta), 35);
    EXPECT_EQ(c.de(Passo::Inicia), 5);
    EXPECT_EQ(c.de(Passo::Nome), 5);
    EXPECT_EQ(c.de(Passo::Código), 5);
    EXPECT_EQ(c.de(Passo::Copia), 0);
    EXPECT_EQ(c.de(Passo::Apaga), 0);
    EXPECT_EQ(c.de(Passo::IgnoraErros), 0);
    for (std::size_t i = 1; i < 5; ++i) {
        const Item& item = cursoInternet.itens[i];
        ASSERT_EQ(item.etapas.size(), 3u) << NomeDe(item);
        EXPECT_EQ(item.etapas[0].passo, Passo::Nome) << NomeDe(item);
        EXPECT_EQ(item.etapas[1].passo, Passo::Código) << NomeDe(item);
        EXPECT_EQ(item.etapas[2].passo, Passo::Inicia) << NomeDe(item);
    }
}

// All copies come before name and code; each file keeps its name in the work folder.
TEST(Internet, AmostrasDaLição01) {
    const Item& item = cursoInternet.itens[0];
    std::vector<std::string> nomes;
    std::vector<Passo> depois;
    for (const Etapa& e : item.etapas) {
        if (e.passo != Passo::CópiaDireta) {
            depois.push_back(e.passo);
            continue;
        }
        EXPECT_TRUE(depois.empty()) << "cópia depois de nome ou código";
        // Source as appended to the base folder, and the full destination.
        auto uma = [&](const std::string& origem, const std::string& destino) {
            EXPECT_EQ(destino, "c:\\qvcurso\\" + origem);
            nomes.push_back(origem);
        };
        if (!e.lista)
            uma(e.a, e.b);
        else
            for (const char* n : *e.lista)
                uma(std::string(e.a) + n, std::string(e.b) + n);
    }
    EXPECT_EQ(depois, (std::vector<Passo>{Passo::Nome, Passo::Código, Passo::Inicia}));

    ASSERT_EQ(nomes.size(), 35u);
    EXPECT_EQ(nomes[0], "QV-Anim02.gif");
    EXPECT_EQ(nomes[4], "QV-Anim02.gif");
    EXPECT_EQ(nomes[8], "QV-Anim02.gif");
    EXPECT_EQ(nomes[25], "QV-misty.mid");
    EXPECT_EQ(nomes[34], "QV-VXNet08.htm");
    std::set<std::string> distintos(nomes.begin(), nomes.end());
    EXPECT_EQ(distintos.size(), 33u);
    int gif = 0, jpg = 0, mid = 0, htm = 0;
    for (const std::string& n : distintos) {
        EXPECT_TRUE(n.starts_with("QV-")) << n;
        gif += n.ends_with(".gif");
        jpg += n.ends_with(".jpg");
        mid += n.ends_with(".mid");
        htm += n.ends_with(".htm");
    }
    EXPECT_EQ(gif, 12);
    EXPECT_EQ(jpg, 8);
    EXPECT_EQ(mid, 5);
    EXPECT_EQ(htm, 8);
}

} // namespace
} // namespace catalogo::teste
