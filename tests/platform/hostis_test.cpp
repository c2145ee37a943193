// Paths and files that try to get out: drive letters that are no letters, reads of pipes,
// devices and links, and copies killed halfway.

#include "ambiente.h"

#include "arquivos.h"
#include "caminhos_internos.h"
#include "desbloqueador.h"
#include "registros.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace vb;
using vb::teste::NúmeroDoErro;

namespace {

class Hostis : public vb::teste::ComDrive {
  protected:
    void TearDown() override {
        interno::SemArquivoAnônimo(false);
        ComDrive::TearDown();
    }
    void Fifo(const QString& relativo) {
        ASSERT_EQ(::mkfifo(QFile::encodeName(c + "/" + relativo).constData(), 0644), 0);
    }
    // Starts a copy of a large sparse file in a child process and kills it once the copy has
    // a file open in the work folder; true when it was killed mid-copy.
    bool CópiaMorta() {
        QDir().mkpath(c + "/fonte");
        const QByteArray grande = QFile::encodeName(c + "/fonte/grande.bin");
        const int f = ::open(grande.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        EXPECT_GE(f, 0);
        EXPECT_EQ(::ftruncate(f, off_t(64) << 30), 0);
        ::close(f);
        const pid_t filho = ::fork();
        if (filho == 0) {
            NúmeroDoErro([] { FileCopy("c:\\fonte\\grande.bin", "c:\\qvcurso\\grande.bin"); });
            _exit(0);
        }
        const QString pasta = c + "/qvcurso/";
        bool copiando = false;
        for (int i = 0; i < 500 && !copiando; ++i) {
            for (int fd = 3; fd < 64 && !copiando; ++fd) {
                char alvo[4096];
                const QByteArray ligação =
                    QStringLiteral("/proc/%1/fd/%2").arg(filho).arg(fd).toUtf8();
                const ssize_t n = ::readlink(ligação.constData(), alvo, sizeof alvo);
                copiando = n > 0 && QFile::decodeName(QByteArray(alvo, n)).startsWith(pasta);
            }
            if (!copiando)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ::kill(filho, SIGKILL);
        int estado = 0;
        ::waitpid(filho, &estado, 0);
        ::unlink(grande.constData());
        return copiando && WIFSIGNALED(estado);
    }
};

TEST_F(Hostis, SóDeAaZSãoUnidades) {
    Criar("qvcurso/aluno.dat", "do aluno");
    // Before the colon a digit, a separator, an accented letter, a blank, a colon: a bad name,
    // never a host path that ".." climbs out of.
    for (const char* caminho : {"1:\\..\\..\\..\\etc\\passwd", "\\:\\..\\..\\etc\\passwd",
                                "/:/../etc/passwd", "É:\\aluno.dat", " :\\x", "::\\x", "_:"}) {
        SCOPED_TRACE(caminho);
        const QString p = QString::fromUtf8(caminho);
        EXPECT_EQ(NúmeroDoErro([&] { Resolver(p); }), 52);
        EXPECT_EQ(NúmeroDoErro([&] { LerRegistro(p, 10); }), 52);
        EXPECT_EQ(NúmeroDoErro([&] { FileCopy("c:\\qvcurso\\aluno.dat", p); }), 52);
        EXPECT_EQ(DirLista(p, vbDirectory | vbHidden), QStringList{});
    }
    // The drive map takes letters only.
    DriveMap::atual().definir(QLatin1Char('1'), c + "/qvcurso");
    DriveMap::atual().definir(QChar(u'É'), c + "/qvcurso");
    EXPECT_EQ(NúmeroDoErro([] { Resolver("1:\\aluno.dat"); }), 52);
    EXPECT_EQ(NúmeroDoErro([] { Resolver("É:\\aluno.dat"); }), 52);
    EXPECT_EQ(LerRegistro("c:\\QVCURSO\\ALUNO.DAT", 8), "do aluno");
}

TEST_F(Hostis, LeiturasSóDeArquivosComunsSemEsperar) {
    CriarPasta("qvcurso/sub");
    CriarPasta("pasta.jpg");
    Criar("fonte.doc", "fonte");
    Criar("lá fora.txt", "de fora");
    Fifo("pipe.doc");
    Fifo("pipe.jpg");
    ASSERT_TRUE(QFile::link("/dev/zero", c + "/zero.jpg"));
    // A link to a file, below the drive's root: not read through.
    ASSERT_TRUE(QFile::link(c + "/lá fora.txt", c + "/qvcurso/sub/ligação.txt"));
    ::teste::Desbloqueador p1(c + "/pipe.doc"), p2(c + "/pipe.jpg");

    // A copy source that is no ordinary file is unreadable (75), not missing: the lesson item
    // passes it over instead of ending the menu.
    for (const char* fonte :
         {"c:\\pipe.doc", "c:\\zero.jpg", "c:\\pasta.jpg", "c:\\qvcurso\\sub\\ligação.txt"}) {
        SCOPED_TRACE(fonte);
        EXPECT_EQ(NúmeroDoErro([&] { FileCopy(fonte, "c:\\qvcurso\\cópia.doc"); }), 75);
        EXPECT_EQ(NúmeroDoErro([&] { LerArquivo(fonte, 1 << 20); }), 75);
        EXPECT_EQ(NúmeroDoErro([&] { LerImagem(fonte); }), 75);
        EXPECT_EQ(NúmeroDoErro([&] { LerRegistro(fonte, 10); }), 75);
    }
    EXPECT_FALSE(p1.desbloqueou() || p2.desbloqueou()) << "a read waited on a pipe";
    EXPECT_FALSE(Existe("qvcurso/cópia.doc"));
    EXPECT_EQ(NúmeroDoErro([] { LerArquivo("c:\\fonte.doc", 4); }), 75); // larger than asked
    EXPECT_EQ(LerArquivo("c:\\FONTE.DOC", 5), "fonte");
    EXPECT_EQ(NúmeroDoErro([] { LerArquivo("c:\\falta.doc", 5); }), 53);
}

TEST_F(Hostis, CópiaMortaNãoDeixaNada) {
    Criar("qvcurso/grande.bin", "anterior");
    Criar("qvcurso/outro.txt", "do aluno");
    const QStringList antes = Conteúdo("qvcurso");
    ASSERT_TRUE(CópiaMorta());
    EXPECT_EQ(Conteúdo("qvcurso"), antes);
    EXPECT_EQ(Ler("qvcurso/grande.bin"), "anterior");
}

TEST_F(Hostis, SemArquivoAnônimoACópiaSeguinteTiraAsSobras) {
    // Where the file system has no unnamed files, a killed copy leaves its named temporary;
    // the next copy into that folder removes it, but not one that a running copy holds.
    interno::SemArquivoAnônimo(true);
    Criar("qvcurso/outro.txt", "do aluno");
    Criar("novo.txt", "novo");
    ASSERT_TRUE(CópiaMorta());
    const QStringList sobras = Conteúdo("qvcurso");
    ASSERT_EQ(sobras.size(), 2) << sobras.join(' ').toStdString();
    EXPECT_TRUE(sobras[0].startsWith(".~cópia.")) << sobras[0].toStdString();

    Criar("qvcurso/.~cópia.vivo01", "de outra cópia");

    const interno::Fd viva(
        ::open(QFile::encodeName(c + "/qvcurso/.~cópia.vivo01").constData(), O_RDONLY | O_CLOEXEC));
    ASSERT_EQ(::flock(viva.get(), LOCK_EX), 0);
    interno::SemArquivoAnônimo(true); // a new run of the menu
    FileCopy("c:\\novo.txt", "c:\\qvcurso\\novo.txt");
    EXPECT_EQ(Conteúdo("qvcurso"), (QStringList{".~cópia.vivo01", "novo.txt", "outro.txt"}));
}

} // namespace
