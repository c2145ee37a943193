// The three AutoCAD course menus.

#include "contagem.h"

#include <gtest/gtest.h>
#include <string>

namespace catalogo::teste {
namespace {

TEST(AutoCad, TotaisDosTrêsCursos) {
    const Contagem a = Contar(cursoAutoCad2D), b = Contar(cursoAutoCad2DII),
                   c = Contar(cursoAutoCad3D);
    EXPECT_EQ(a.itens, 16);
    EXPECT_EQ(a.de(Passo::Copia), 26);
    EXPECT_EQ(a.de(Passo::Apaga), 31);
    EXPECT_EQ(b.itens, 17);
    EXPECT_EQ(b.de(Passo::Copia), 20);
    EXPECT_EQ(b.de(Passo::Apaga), 17);
    EXPECT_EQ(b.de(Passo::RemovePasta), 2);
    EXPECT_EQ(b.de(Passo::CriaPasta), 1);
    EXPECT_EQ(b.de(Passo::CópiaDireta), 5);
    EXPECT_EQ(c.itens, 30);
    EXPECT_EQ(c.de(Passo::Copia), 31);
    EXPECT_EQ(c.de(Passo::Apaga), 0);
    for (const MenuCurso* curso : {&cursoAutoCad2D, &cursoAutoCad2DII, &cursoAutoCad3D})
        for (const Item& it : curso->itens) {
            EXPECT_EQ(Contar(it).de(Passo::Inicia), 1) << NomeDe(it);
            EXPECT_EQ(it.etapas.back().passo, Passo::Inicia) << NomeDe(it);
        }
    // Nine of the deletes of "AutoCad 2D II" are in its sub-folders.
    int emSubpastas = 0;
    for (const Item& it : cursoAutoCad2DII.itens)
        for (const Etapa& e : it.etapas)
            if (e.passo == Passo::Apaga && std::string(e.a).find('\\', 11) != std::string::npos)
                ++emSubpastas;
    EXPECT_EQ(emSubpastas, 9);
}

TEST(AutoCad, ProgramasECódigos) {
    for (const Item& it : cursoAutoCad3D.itens) {
        const std::string n = (it.índice < 10 ? "0" : "") + std::to_string(it.índice);
        EXPECT_EQ(std::string(it.código), "28" + n) << NomeDe(it);
        EXPECT_EQ(std::string(it.programa), it.índice == 7 ? "QVACAD3D06-1" : "QVACAD3D" + n)
            << NomeDe(it);
    }
    for (const Item& it : cursoAutoCad2D.itens) {
        const std::string n = (it.índice < 10 ? "0" : "") + std::to_string(it.índice);
        EXPECT_EQ(std::string(it.programa), "QVAC2D" + n);
        EXPECT_EQ(std::string(it.código), "17" + n);
    }
    // The exercise items of "AutoCad 2D II" carry the code of the module before them.
    const char* exercícios[][3] = {{"6", "QVAC2DIIex05", "1705"},
                                   {"8", "QVAC2DIIex06", "1706"},
                                   {"10", "QVAC2DIIex07", "1707"},
                                   {"14", "QVAC2DIIex10", "1710"},
                                   {"16", "QVAC2DIIex11", "1711"}};
    for (auto& e : exercícios) {
        const Item& it = cursoAutoCad2DII.itens[std::stoi(e[0]) - 1];
        EXPECT_EQ(std::string(it.programa), e[1]);
        EXPECT_EQ(std::string(it.código), e[2]);
        EXPECT_EQ(std::string(it.legenda).substr(0, 7), "     - ");
    }
    // Lesson 16 of "AutoCad 2D I" writes its code first.
    EXPECT_EQ(cursoAutoCad2D.itens[15].etapas[0].passo, Passo::Código);
}

} // namespace
} // namespace catalogo::teste
