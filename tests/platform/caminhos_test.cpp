#include "ambiente.h"

#include "arquivos.h"

#include <QElapsedTimer>
#include <pwd.h>

using namespace vb;
using vb::teste::NúmeroDoErro;

namespace {

class Caminhos : public vb::teste::ComDrive {};

TEST(PastaDoUsuário, HomeElseThePasswordDatabaseNeverRoot) {
    const QByteArray home = qgetenv("HOME");
    const QString cadastro = QFile::decodeName(::getpwuid(::getuid())->pw_dir);
    for (const char* caso : {"/casa/ana", "", "rel", static_cast<const char*>(nullptr)}) {
        caso ? qputenv("HOME", caso) : qunsetenv("HOME");
        EXPECT_EQ(PastaDoUsuário(), caso && *caso == '/' ? QString(caso) : cadastro);
    }
    qputenv("HOME", home);
}

TEST_F(Caminhos, NamesMatchWithoutRegardToCaseAccentsIncluded) {
    Criar("Texto no Corel.cdr");
    Criar("ÇÃO/Relatório.DOC");
    // The same accented name stored decomposed (as some tools write it).
    Criar(QString("Acao") + QChar(0x0301) + ".txt");

    Resolvido r = Resolver("c:\\texto no corel.cdr");
    EXPECT_TRUE(r.existe);
    EXPECT_EQ(r.hospedeiro, c + "/Texto no Corel.cdr");
    EXPECT_EQ(Hospedeiro("C:\\ção\\relatório.doc"), c + "/ÇÃO/Relatório.DOC");
    EXPECT_TRUE(Resolver(QString("c:\\ACA") + QChar(0x00D3) + ".TXT").existe);
}

TEST_F(Caminhos, ExactMatchWinsOverFoldedOne) {
    Criar("abc", "lower");
    Criar("ABC", "upper");
    EXPECT_EQ(Hospedeiro("c:\\ABC"), c + "/ABC");
    EXPECT_EQ(Hospedeiro("c:\\abc"), c + "/abc");
}

TEST_F(Caminhos, MissingNamesAreKeptAsWritten) {
    CriarPasta("QVCurso");
    Resolvido r = Resolver("c:\\qvcurso\\Nova Pasta\\Arq.TXT");
    EXPECT_FALSE(r.existe);
    EXPECT_EQ(r.hospedeiro, c + "/QVCurso/Nova Pasta/Arq.TXT");
}

TEST_F(Caminhos, TrailingBlanksDotsAndRepeatedSeparators) {
    Criar("Mudança comercial.mpp");
    EXPECT_EQ(Hospedeiro("c:\\Mudança comercial.mpp "), c + "/Mudança comercial.mpp");
    EXPECT_EQ(Hospedeiro("c:\\mudança comercial.mpp. . "), c + "/Mudança comercial.mpp");

    ASSERT_TRUE(QDir().mkpath(d + "/cursos"));
    QFile(d + "/cursos/QVTelaIni.jpg").open(QIODevice::WriteOnly);
    Resolvido r = Resolver("D:\\CURSOS\\\\qvtelaini.jpg");
    EXPECT_TRUE(r.existe);
    EXPECT_EQ(r.hospedeiro, d + "/cursos/QVTelaIni.jpg");
    EXPECT_EQ(Hospedeiro("d:/cursos//\\QVTELAINI.JPG"), d + "/cursos/QVTelaIni.jpg");
    EXPECT_EQ(Hospedeiro("c:\\"), c);
    EXPECT_EQ(Hospedeiro("c:"), c);
}

TEST_F(Caminhos, DotsNeverClimbAboveTheRoot) {
    Criar("x.txt");
    CriarPasta("a");
    EXPECT_EQ(Hospedeiro("c:\\..\\..\\x.txt"), c + "/x.txt");
    EXPECT_EQ(Hospedeiro("c:\\a\\.\\..\\..\\X.TXT"), c + "/x.txt");
    // A missing folder climbed out of does not make the rest missing.
    EXPECT_TRUE(Resolver("c:\\falta\\..\\x.txt").existe);
    EXPECT_EQ(Hospedeiro("/../../tmp"), "/tmp");
}

TEST_F(Caminhos, APathHoldingANulIsABadName) {
    // The system calls would stop at the NUL: "c:\..<NUL>" would be the folder above C:.
    QFile fora(QFileInfo(c).path() + "/fora.txt");
    ASSERT_TRUE(fora.open(QIODevice::WriteOnly));
    const QString nul(QChar(0));
    EXPECT_EQ(NúmeroDoErro([&] { Resolver("c:\\.." + nul + "\\fora.txt"); }), 52);
    EXPECT_EQ(NúmeroDoErro([&] { Resolver("c:\\x.txt" + nul); }), 52);
    EXPECT_TRUE(DirLista("c:\\.." + nul + "\\*.*").isEmpty());
}

TEST_F(Caminhos, HostPathsWithoutDrive) {
    Criar("Pasta/Arq.txt");
    ASSERT_TRUE(QDir::setCurrent(c));
    EXPECT_EQ(Hospedeiro("pasta\\arq.TXT"), c + "/Pasta/Arq.txt");
    EXPECT_EQ(Hospedeiro(c + "\\PASTA/arq.txt"), c + "/Pasta/Arq.txt");
}

TEST_F(Caminhos, HiddenEntriesAreNamesWithoutTheirDot) {
    Criar(".aluno.dat", "hidden");
    Resolvido r = Resolver("c:\\ALUNO.DAT");
    EXPECT_TRUE(r.existe);
    EXPECT_TRUE(r.oculto);
    EXPECT_EQ(r.hospedeiro, c + "/.aluno.dat");

    Criar("Aluno.dat", "visible"); // the visible entry wins
    r = Resolver("c:\\aluno.dat");
    EXPECT_FALSE(r.oculto);
    EXPECT_EQ(r.hospedeiro, c + "/Aluno.dat");
}

TEST_F(Caminhos, UnmappedDrives) {
    EXPECT_EQ(NúmeroDoErro([] { Resolver("a:\\aluno.dat"); }), 71);
    EXPECT_EQ(NúmeroDoErro([] { Resolver("B:\\aluno.dat"); }), 71);
    EXPECT_EQ(NúmeroDoErro([] { Resolver("e:\\x"); }), 76);
    EXPECT_EQ(Dir("a:\\aluno.dat"), "");
    DriveMap::atual().definir('A', c);
    Criar("aluno.dat");
    EXPECT_TRUE(Resolver("a:\\aluno.dat").existe);
}

TEST(Curingas, DosRules) {
    EXPECT_TRUE(CoincideCuringa("*.*", "amigos"));
    EXPECT_TRUE(CoincideCuringa("*.*", "a.b.c"));
    EXPECT_TRUE(CoincideCuringa("amigos.*", "amigos"));
    EXPECT_TRUE(CoincideCuringa("amigos.*", "AMIGOS.DOC"));
    EXPECT_FALSE(CoincideCuringa("amigos.*", "amigos2.doc"));
    EXPECT_TRUE(CoincideCuringa("a?c.txt", "abc.txt"));
    EXPECT_FALSE(CoincideCuringa("a?c.txt", "ac.txt"));
    EXPECT_TRUE(CoincideCuringa("*.xls", "Relatório.XLS"));
    EXPECT_FALSE(CoincideCuringa("*.xls", "a.xlsx"));
    EXPECT_TRUE(CoincideCuringa("ÇÃO*", "ção.txt"));
    EXPECT_TRUE(CoincideCuringa("*a*b*", "xxaxxbxx"));
    EXPECT_FALSE(CoincideCuringa("*a*b", "xxaxxbxx"));
    // Host names may hold '*' and '?' themselves: the pattern's '*' still matches any run.
    EXPECT_TRUE(CoincideCuringa("*.*", "*notas"));
    EXPECT_TRUE(CoincideCuringa("*", "*.txt"));
    EXPECT_TRUE(CoincideCuringa("a*", "a*b?"));
}

TEST_F(Caminhos, LargeFolderResolvesQuickly) {
    CriarPasta("grande");
    for (int i = 0; i < 1000; ++i)
        QFile(c + QString("/grande/Arquivo %1.txt").arg(i)).open(QIODevice::WriteOnly);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 1000; i += 5)
        ASSERT_TRUE(Resolver(QString("c:\\GRANDE\\arquivo %1.TXT").arg(i)).existe);
    EXPECT_LT(t.elapsed(), 2000);
}

} // namespace
