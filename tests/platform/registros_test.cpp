#include "ambiente.h"

#include "registros.h"

using namespace vb;
using vb::teste::NúmeroDoErro;

namespace {

class Registros : public vb::teste::ComDrive {};

TEST_F(Registros, RecordsBeyondTheEndReadAsBlanks) {
    Criar("aluno.dat", "12345Maria");
    EXPECT_EQ(LerRegistro("c:\\ALUNO.DAT", 8), "12345Mar");
    EXPECT_EQ(LerRegistro("c:\\aluno.dat", 8, 2), "ia      ");
    EXPECT_EQ(LerRegistro("c:\\aluno.dat", 8, 3), "        ");
    EXPECT_EQ(LerRegistro("c:\\aluno.dat", 112).size(), 112);

    Criar("vazio.dat", "");
    EXPECT_EQ(LerRegistro("c:\\vazio.dat", 4), "    ");

    Criar("dois.dat", "AAAABBBB");
    EXPECT_EQ(LerRegistro("c:\\dois.dat", 4, 2), "BBBB");
}

TEST_F(Registros, MissingOrUnreadableFiles) {
    CriarPasta("pasta.dat");
    EXPECT_EQ(NúmeroDoErro([] { LerRegistro("c:\\falta.dat", 112); }), 53);
    EXPECT_EQ(NúmeroDoErro([] { LerRegistro("c:\\falta\\aluno.dat", 112); }), 53);
    EXPECT_EQ(NúmeroDoErro([] { LerRegistro("c:\\pasta.dat", 112); }), 75);
    EXPECT_EQ(NúmeroDoErro([] { LerRegistro("a:\\aluno.dat", 112); }), 71);
}

TEST(Ansi, Windows1252BothWays) {
    EXPECT_EQ(DeAnsi("Matr\xED"
                     "cula \x80 \x93"
                     "a\x94 \xE7\xE3"
                     "o"),
              QString::fromUtf8("Matrícula € “a” ção"));
    EXPECT_EQ(ParaAnsi(QString::fromUtf8("Matrícula € “a” ção")), QByteArray("Matr\xED"
                                                                             "cula \x80 \x93"
                                                                             "a\x94 \xE7\xE3"
                                                                             "o"));

    // Every byte comes back as it was.
    QByteArray todos;
    for (int b = 0; b < 256; ++b)
        todos.append(char(b));
    EXPECT_EQ(ParaAnsi(DeAnsi(todos)), todos);

    // One '?' per character without a byte, also outside the basic plane.
    EXPECT_EQ(ParaAnsi(QString::fromUtf8("a中b😀c")), "a?b?c");
}

} // namespace
