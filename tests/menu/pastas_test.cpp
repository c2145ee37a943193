// The folders behind drive C: and the work folder.

#include "ambiente_menu.h"
#include "caminhos_internos.h"

#include <pwd.h>
#include <unistd.h>

namespace menu::teste {
namespace {

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
