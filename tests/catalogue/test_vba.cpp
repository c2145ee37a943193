// The "Visual Basic Avc" course menu: the control array's names and codes, lesson 1's two
// pictures and the module folder copy of lessons 2 to 13.

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

TEST(VisualBasicAvc, ControlArrayNamesAndCodes) {
    EXPECT_STREQ(cursoVBA.controle, "cvba00");
    EXPECT_STREQ(cursoVBA.legenda, "Visual Basic Avc");
    EXPECT_TRUE(cursoVBA.profissionais);
    ASSERT_EQ(cursoVBA.itens.size(), 13u);
    int n = 0;
    for (const Item& i : cursoVBA.itens) {
        ++n;
        EXPECT_STREQ(i.controle, "cvba");
        EXPECT_EQ(i.índice, n);
        EXPECT_EQ(i.programa, DoisDígitos("QVVBA", n)) << NomeDe(i);
        EXPECT_EQ(i.código, DoisDígitos("24", n)) << NomeDe(i);
        EXPECT_EQ(std::string(i.legenda).substr(0, 5), DoisDígitos("", n) + " - ") << NomeDe(i);
    }
}

TEST(VisualBasicAvc, Lesson1CopiesItsPicturesOutOfTheModuleFolder) {
    const Item& i = cursoVBA.itens[0];
    ASSERT_EQ(i.etapas.size(), 5u);
    EXPECT_EQ(i.etapas[0].passo, Passo::Nome);
    EXPECT_EQ(i.etapas[1].passo, Passo::Código);
    EXPECT_EQ(i.etapas[2].passo, Passo::Copia);
    EXPECT_STREQ(i.etapas[2].a, "vba\\m1\\cd.ico");
    EXPECT_STREQ(i.etapas[2].b, "cd.ico");
    EXPECT_EQ(i.etapas[3].passo, Passo::Copia);
    EXPECT_STREQ(i.etapas[3].a, "vba\\m1\\print.bmp");
    EXPECT_STREQ(i.etapas[3].b, "print.bmp");
    EXPECT_EQ(i.etapas[4].passo, Passo::Inicia);
}

TEST(VisualBasicAvc, Lessons2To13CopyTheirModuleFolder) {
    for (const Item& i : cursoVBA.itens) {
        if (i.índice == 1)
            continue;
        ASSERT_EQ(i.etapas.size(), 4u) << NomeDe(i);
        EXPECT_EQ(i.etapas[0].passo, Passo::Nome) << NomeDe(i);
        EXPECT_EQ(i.etapas[1].passo, Passo::Código) << NomeDe(i);
        EXPECT_EQ(i.etapas[2].passo, Passo::CopiaMódulo) << NomeDe(i);
        // The folder number carries no leading zero.
        EXPECT_EQ(i.etapas[2].a, "vba\\m" + std::to_string(i.índice)) << NomeDe(i);
        EXPECT_EQ(i.etapas[3].passo, Passo::Inicia) << NomeDe(i);
    }
    const Contagem c = Contar(cursoVBA);
    EXPECT_EQ(c.de(Passo::Copia), 2);
    EXPECT_EQ(c.de(Passo::CopiaMódulo), 12);
    EXPECT_EQ(c.de(Passo::Inicia), 13);
    EXPECT_EQ(c.porPasso.size(), 5u) << "only names, codes, copies, module copies and starts";
}

TEST(VisualBasicAvc, CaptionsAsStored) {
    EXPECT_STREQ(cursoVBA.itens[0].legenda,
                 "01 - Controles; Aplicativos MDI; Formulário MDI; Criar form. em tempo de "
                 "execução; Gerenciador de janelas");
    EXPECT_STREQ(cursoVBA.itens[1].legenda,
                 "02 - Requisição de Sistema; Outros controles e Banco de dados;  Criar "
                 "consultas SQL; Variáveis de acesso a dados");
    EXPECT_STREQ(cursoVBA.itens[6].legenda,
                 "07 - Acesso à API do Windows; API Text Viewer; Arquivos seqüenciais de texto");
}

} // namespace
} // namespace catalogo::teste
