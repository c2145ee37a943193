// The folders the menu stands on: the home folder behind drive C:, an installation under a folder
// whose name is not UTF-8, and a work folder that must not hold the installation.

#include "ambiente_menu.h"
#include "caminhos_internos.h"
#include "registros.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace menu::teste {
namespace {

// A home that is the root folder counts as none, from HOME and from the password database; with
// neither, the message and the end: C: is never "/".
TEST_F(Menu, CNuncaÉARaiz) {
    ASSERT_TRUE(QFile::link("/", raiz + "/raiz"));
    const QByteArray antes = qgetenv("HOME"), casa = QFile::encodeName(c),
                     ligação = QFile::encodeName(raiz + "/raiz");
    const passwd* p = ::getpwuid(::getuid());
    const std::optional<QString> cadastro =
        vb::interno::PastaDoUsuárioDe(nullptr, p ? p->pw_dir : nullptr);
    const char* próprio = "-"; // the user's own entry, through the reading of the installation
    const struct {
        const char* home;
        const char* cadastro;
        std::optional<QString> c;
    } casos[] = {
        {"/", "/", {}},
        {"//", nullptr, {}},
        {"/tmp/..", "//", {}},
        {ligação, "/", {}},
        {nullptr, "/tmp/..", {}},
        {"/", casa, c},
        {casa, "/", c},
        {"/", próprio, cadastro},
        {"//", próprio, cadastro},
        {"/tmp/..", próprio, cadastro},
        {ligação, próprio, cadastro},
        {nullptr, próprio, cadastro},
        {casa, próprio, c},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(std::string(caso.home ? caso.home : "(nenhum)"));
        if (caso.cadastro != próprio) {
            EXPECT_EQ(vb::interno::PastaDoUsuárioDe(caso.home, caso.cadastro), caso.c);
            continue;
        }
        caso.home ? qputenv("HOME", caso.home) : qunsetenv("HOME");
        vb::ResetProgramEnd();
        diálogos.mensagens.clear();
        vb::Handler([&] { LerInstalação(inst); });
        EXPECT_EQ(vb::DriveMap::atual().pasta('C'), caso.c);
        EXPECT_EQ(vb::ProgramEnded(), !caso.c);
        EXPECT_EQ(diálogos.mensagens.size(), caso.c ? 0u : 1u);
    }
    qputenv("HOME", antes);
}

// Installed under a folder whose name is Latin-1 ("jo\xe3o"): the settings beside the program
// are read, the course is found, a lesson's file is staged and its program started, the lesson's
// look settings read, all by that folder's own bytes; a message shows the name as the student
// knows it.
TEST_F(Menu, InstalaçãoEmPastaQueNãoÉUtf8) {
    const std::string pasta = QFile::encodeName(raiz).toStdString() + "/jo\xe3o";
    const QString cursos = vb::TextoDoSistema(QByteArray::fromStdString(pasta)) + "/cursos";
    std::filesystem::create_directories(pasta + "/cursos");
    std::filesystem::create_directories(pasta + "/c");
    const std::pair<const char*, const char*> arquivos[] = {{"qvmenu.ini", "[unidades]\nC=../c\n"},
                                                            {"QVAC2D01", ""},
                                                            {"a.dwg", "A"},
                                                            {"qvpadrões.txt", "P"}};
    for (const auto& [nome, conteúdo] : arquivos)
        std::ofstream(pasta + "/cursos/" + nome) << conteúdo;
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(c)); // where C: would be without the settings
    ASSERT_EQ(::chdir((pasta + "/cursos").c_str()), 0);
    vb::DefinirPastaDoPrograma(cursos);
    vb::Handler([&] { LerInstalação(vb::PastaDoPrograma()); });
    ASSERT_TRUE(Iniciar());
    t1().ArqOrigem = t1().ArqDestino = "a.dwg";
    vb::Handler([&] { t1().FazCópia(t1().ArqOrigem, t1().ArqDestino); });
    t1().Nomeprog->setText("QVAC2D01");
    vb::Handler([&] { t1().vaichamar(); });
    std::ifstream copiado(pasta + "/c/qvcurso/a.dwg");
    EXPECT_EQ(vb::DriveMap::atual().pasta('C'), cursos.chopped(7) + "/c");
    EXPECT_TRUE(diálogos.mensagens.empty()); // no "Não há nenhum curso Instalado"
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copiado), {}), "A");
    ASSERT_EQ(inícios.size(), 1u);
    EXPECT_EQ(vb::BytesDoSistema(inícios[0].executável), (pasta + "/cursos/QVAC2D01").c_str());
    EXPECT_EQ(vb::BytesDoSistema(inícios[0].pasta), (pasta + "/cursos").c_str());
    EXPECT_EQ(vb::LerArquivo(vb::PastaInicial() + "\\qvpadrões.txt", 99), "P");
    EXPECT_EQ(vb::TextoVisível(cursos), raiz + "/joão/cursos");
    std::filesystem::remove_all(pasta); // QTemporaryDir cannot remove this name
    qputenv("HOME", home);
}

// A work folder that is the installation (the start folder or the program's) or holds it, at any
// depth or through a link, ends the menu with a message before any file work; one inside the
// installation is fine.
TEST_F(Menu, PastaDeTrabalhoQueÉOuContémAInstalação) {
    const struct {
        const char *c, *início, *programa, *ligação; // below the case's folder
        bool recusa;
    } casos[] = {
        {"", "qvcurso", "qvcurso", nullptr, true},
        {"", "qvcurso/a/b", "qvcurso/a/b", nullptr, true},
        {"c", "cursos", "cursos", "../cursos", true},
        {"c", "cursos", "c/qvcurso/programa", nullptr, true},
        {"c", "c/QVCurso/x", "cursos", nullptr, true},
        {"cursos", "cursos", "cursos", nullptr, false},
        {"c", "cursos", "cursos", nullptr, false},
    };
    int k = 0;
    for (const auto& caso : casos) {
        const QString base = raiz + QString("/k%1/").arg(++k);
        for (const char* p : {caso.c, caso.início, caso.programa})
            ASSERT_TRUE(QDir().mkpath(base + p));
        if (caso.ligação) {
            ASSERT_TRUE(QFile::link(caso.ligação, base + caso.c + "/qvcurso"));
        }
        Criar(base + caso.programa + "/QVAC2D01");
        QDir::setCurrent(base + caso.início);
        vb::DefinirPastaDoPrograma(base + caso.programa);
        vb::DriveMap::atual().definir('C', base + caso.c);
        vb::ResetProgramEnd();
        diálogos.mensagens.clear();
        EXPECT_EQ(Iniciar(), !caso.recusa) << k;
        EXPECT_EQ(diálogos.mensagens.size(), caso.recusa ? 1u : 0u) << k;
        if (caso.recusa && !diálogos.mensagens.empty()) {
            EXPECT_TRUE(diálogos.mensagens[0].texto.startsWith("A pasta de trabalho c:\\qvcurso (" +
                                                               base + caso.c));
        }
    }
}

} // namespace
} // namespace menu::teste
