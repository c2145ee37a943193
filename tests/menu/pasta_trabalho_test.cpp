// The work-folder operations (FazCópia, DelCópia, DelDir); where drive C: and the work folder are.

#include "ambiente_menu.h"
#include "caminhos_internos.h"
#include "deldir.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include <pwd.h>
#include <unistd.h>

namespace menu::teste {
namespace {

class Trabalho : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        Instalar({"QVAC2D01"});
        ASSERT_TRUE(Iniciar());
    }
    QString q(const QString& nome) const { return c + "/qvcurso/" + nome; }
};

TEST_F(Trabalho, FazCópiaReescreveOsNomesECopia) {
    Criar(inst + "/Editor.doc", "novo");
    Criar(q("Editor.doc"), "velho do aluno");
    t1().ArqOrigem = t1().ArqDestino = "Editor.doc";
    EXPECT_TRUE(vb::Handler([&] { t1().FazCópia(t1().ArqOrigem, t1().ArqDestino); }));
    EXPECT_EQ(t1().ArqOrigem, inst + "\\Editor.doc");
    EXPECT_EQ(t1().ArqDestino, "C:\\QVCurso\\Editor.doc");
    EXPECT_EQ(Ler(q("Editor.doc")), "novo");
    EXPECT_EQ(QDir::currentPath(), inst);

    // Called again without setting the names afresh: the source is not found.
    EXPECT_FALSE(vb::Handler([&] { t1().FazCópia(t1().ArqOrigem, t1().ArqDestino); }));
    EXPECT_TRUE(vb::ProgramEnded());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Arquivo " + inst + inst + "/Editor.doc não encontrado");
    EXPECT_EQ(Ler(q("Editor.doc")), "novo");
}

TEST_F(Trabalho, FazCópiaCriaAPastaDeTrabalhoEFalhasQuietas) {
    QDir(c + "/qvcurso").removeRecursively();
    Criar(inst + "/a.dwg", "A");
    QString o = "a.dwg", d = "a.dwg";
    EXPECT_TRUE(vb::Handler([&] { t1().FazCópia(o, d); }));
    EXPECT_EQ(Ler(q("a.dwg")), "A");

    // A destination in a sub-folder that does not exist fails quietly.
    o = "a.dwg";
    d = "falta\\a.dwg";
    EXPECT_TRUE(vb::Handler([&] { t1().FazCópia(o, d); }));
    EXPECT_FALSE(vb::ProgramEnded());
    EXPECT_TRUE(diálogos.mensagens.empty());

    // A missing source with no work folder: the folder is made, then the message and the end.
    QDir(c + "/qvcurso").removeRecursively();
    o = d = "falta.dwg";
    EXPECT_FALSE(vb::Handler([&] { t1().FazCópia(o, d); }));
    EXPECT_TRUE(QFileInfo(c + "/qvcurso").isDir());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Arquivo " + inst + "/falta.dwg não encontrado");
}

TEST_F(Trabalho, FazCópiaNuncaTruncaACópiaDoAlunoQuandoFalha) {
    Criar(inst + "/a.dwg", "nova versão");
    Criar(q("a.dwg"), "trabalho do aluno");
    QFile(q("a.dwg")).setPermissions(QFileDevice::ReadOwner);
    QFile(c + "/qvcurso").setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QString o = "a.dwg", d = "a.dwg";
    EXPECT_TRUE(vb::Handler([&] { t1().FazCópia(o, d); }));
    QFile(c + "/qvcurso")
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (Ler(q("a.dwg")) == "nova versão")
        GTEST_SKIP() << "running as a user who may write anywhere";
    EXPECT_EQ(Ler(q("a.dwg")), "trabalho do aluno");
    EXPECT_EQ(QDir(c + "/qvcurso").entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(Trabalho, DelCópiaIgnoraArquivoAusente) {
    Criar(q("x.doc"));
    QString nome = "X.DOC";
    EXPECT_TRUE(vb::Handler([&] { t1().DelCópia(nome); }));
    EXPECT_FALSE(Existe(q("x.doc")));
    EXPECT_EQ(t1().ArqDestino, "C:\\QVCurso\\X.DOC");
    EXPECT_TRUE(vb::Handler([&] { t1().DelCópia(nome); }));
    EXPECT_TRUE(diálogos.mensagens.empty());
}

TEST_F(Trabalho, DelDirClassificaPeloPontoDaExtensão) {
    const QString p = q("site");
    Criar(p + "/a.htm");
    Criar(p + "/b.html");
    Criar(p + "/sub/c.gif");
    Criar(p + "/d.xy"); // two-letter extension: taken for a folder, so it stays
    DelDir("c:\\qvcurso\\site\\");
    EXPECT_FALSE(Existe(p + "/a.htm"));
    EXPECT_FALSE(Existe(p + "/b.html"));
    EXPECT_FALSE(Existe(p + "/sub"));
    EXPECT_TRUE(Existe(p + "/d.xy"));
    EXPECT_TRUE(Existe(p));

    QFile::remove(p + "/d.xy");
    Criar(p + "/.oculto.txt");
    DelDir("c:\\qvcurso\\site\\");
    EXPECT_FALSE(Existe(p)); // hidden files go too, then the folder

    DelDir("c:\\qvcurso\\nada\\"); // a folder that does not exist
}

TEST_F(Trabalho, DelDirParaNoQuartoNível) {
    const QString p = q("fundo");
    Criar(p + "/n1/n2/n3/a.txt");
    Criar(p + "/n1/n2/n3/n4/b.txt"); // level 5
    Criar(p + "/n1/x.txt");
    DelDir("c:\\qvcurso\\fundo\\");
    EXPECT_FALSE(Existe(p + "/n1/x.txt"));
    EXPECT_FALSE(Existe(p + "/n1/n2/n3/a.txt"));
    EXPECT_TRUE(Existe(p + "/n1/n2/n3/n4/b.txt"));
    EXPECT_TRUE(Existe(p + "/n1/n2/n3/n4"));
    EXPECT_TRUE(Existe(p));
}

TEST_F(Trabalho, DelDirNãoSegueLinksSimbólicos) {
    const QString fora = raiz + "/fora";
    Criar(fora + "/precioso.doc", "do aluno");
    Criar(fora + "/sub/outro.txt", "do aluno");
    const QString p = q("locadora");
    Criar(p + "/index.htm");
    ASSERT_TRUE(QFile::link(fora, p + "/atalho"));
    ASSERT_TRUE(QFile::link(fora + "/precioso.doc", p + "/ligado.doc"));
    DelDir("c:\\qvcurso\\locadora\\");
    EXPECT_EQ(Ler(fora + "/precioso.doc"), "do aluno");
    EXPECT_EQ(Ler(fora + "/sub/outro.txt"), "do aluno");
    EXPECT_FALSE(Existe(p + "/atalho"));
    EXPECT_FALSE(Existe(p + "/ligado.doc"));
    EXPECT_FALSE(Existe(p));
}

TEST_F(Trabalho, DelDirGuardaNoMáximoMilEntradas) {
    const QString p = q("grande");
    QDir().mkpath(p);
    for (int i = 0; i < 1005; ++i)
        Criar(p + QString("/f%1.txt").arg(i, 4, 10, QChar('0')));
    DelDir("c:\\qvcurso\\grande\\");
    EXPECT_EQ(QDir(p).entryList(QDir::Files).size(), 5);
}

TEST_F(Trabalho, DelDirNãoAlargaNomesComCuringa) {
    const QString p = q("estranho");
    Criar(p + "/*.doc");
    Criar(p + "/carta.do"); // taken for a folder: stays
    DelDir("c:\\qvcurso\\estranho\\");
    EXPECT_TRUE(Existe(p + "/carta.do"));
}

// Names on disk that are not UTF-8 are acted on by their own bytes, and only those matched.
TEST_F(Trabalho, NomesQueNãoSãoUtf8) {
    // Made and read by their bytes (std::filesystem keeps them; QFile would decode them).
    namespace fs = std::filesystem;
    const std::string p = QFile::encodeName(q("p/")).toStdString(), e9 = "caf\xe9.htm",
                      e8 = "caf\xe8.htm", fffd = "caf\xef\xbf\xbd.htm", xff = "pasta\xff",
                      nota = "nota.txt";
    const struct Caso {
        std::function<void()> ação;
        std::set<std::string> ficam;
        std::string emE9;
    } casos[] = {
        {[] { DelDir("c:\\qvcurso\\p\\"); }, {}, ""},
        {[] { vb::Kill("c:\\qvcurso\\p\\*.htm"); }, {xff, nota}, ""},
        {[] { vb::Kill("c:\\qvcurso\\p\\CAFÉ.htm"); }, {e8, fffd, xff, nota}, ""},
        {[] { vb::Kill("c:\\qvcurso\\p\\caf\uFFFD.htm"); }, {e9, e8, xff, nota}, e9},
        {[&] { t1().FazCópia(t1().ArqOrigem = "p\\café.htm", t1().ArqDestino = "p\\café.htm"); },
         {e9, e8, fffd, xff, nota},
         "novo"},
    };
    Criar(inst + "/p/café.htm", "novo");
    for (const Caso& c : casos) {
        fs::create_directories(p + xff);
        for (const std::string& n : {e9, e8, fffd, xff + "/x.htm", nota})
            std::ofstream(p + n) << n;
        EXPECT_TRUE(vb::Handler(c.ação));
        std::set<std::string> ficam;
        std::error_code sem; // DelDir removes the folder itself
        for (const fs::directory_entry& e : fs::directory_iterator(p, sem))
            ficam.insert(e.path().filename().string());
        std::ifstream f(p + e9);
        EXPECT_EQ(ficam, c.ficam) << &c - casos;
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), c.emE9) << &c - casos;
    }
    DelDir("c:\\qvcurso\\p\\"); // the temporary folder cannot remove these names
}

// A home that is the root folder counts as none, from HOME and from the password database; the
// installation's C: is then the other source's, or the message and the end: never "/".
TEST_F(Menu, CNuncaÉARaiz) {
    ASSERT_TRUE(QFile::link("/", raiz + "/raiz"));
    const QByteArray antes = qgetenv("HOME"), casa = QFile::encodeName(c),
                     ligada = QFile::encodeName(raiz + "/raiz");
    const passwd* p = ::getpwuid(::getuid());
    const auto cadastro = vb::interno::PastaDoUsuárioDe(nullptr, p ? p->pw_dir : nullptr);
    for (const char* r : {"/", "//", "/tmp/..", ligada.constData(), (const char*)nullptr}) {
        EXPECT_EQ(vb::interno::PastaDoUsuárioDe(r, "/"), std::nullopt) << r;
        EXPECT_EQ(vb::interno::PastaDoUsuárioDe(r, casa), c) << r;
        r ? qputenv("HOME", r) : qunsetenv("HOME");
        vb::ResetProgramEnd();
        vb::Handler([&] { LerInstalação(inst); }); // no C: in its settings
        EXPECT_EQ(vb::DriveMap::atual().pasta('C'), cadastro) << r;
        EXPECT_EQ(vb::ProgramEnded(), !cadastro) << r;
    }
    qputenv("HOME", antes);
}

// A work folder that is the installation (the start folder or the program's) or holds it, at any
// depth or through a link, ends the menu with a message before any file work.
TEST_F(Menu, PastaDeTrabalhoQueÉOuContémAInstalação) {
    const struct {
        const char *c, *início, *programa, *ligação; // below the case's folder
        bool recusa;
    } casos[] = {
        {"", "qvcurso", "qvcurso", nullptr, true},
        {"", "qvcurso/a/b", "qvcurso/a/b", nullptr, true},
        {"c", "i", "i", "../i", true},
        {"c", "i", "c/qvcurso/p", nullptr, true},
        {"c", "c/QVCurso/x", "i", nullptr, true},
        {"i", "i", "i", nullptr, false},
    };
    for (const auto& caso : casos) {
        const QString base = raiz + QString("/k%1/").arg(&caso - casos);
        for (const char* p : {caso.c, caso.início, caso.programa})
            ASSERT_TRUE(QDir().mkpath(base + p));
        ASSERT_TRUE(!caso.ligação || QFile::link(caso.ligação, base + caso.c + "/qvcurso"));
        Criar(base + caso.programa + "/QVAC2D01");
        QDir::setCurrent(base + caso.início);
        vb::DefinirPastaDoPrograma(base + caso.programa);
        vb::DriveMap::atual().definir('C', base + caso.c);
        vb::ResetProgramEnd();
        diálogos.mensagens.clear();
        EXPECT_EQ(Iniciar(), !caso.recusa) << &caso - casos;
        EXPECT_EQ(diálogos.mensagens.size(), caso.recusa ? 1u : 0u) << &caso - casos;
    }
}

} // namespace
} // namespace menu::teste
