// Faults of the disk and files that are not what a call expects: a record file that is a pipe
// or a device, read-only files, links to folders, a full file system, and names with accents
// and blanks throughout.

#include "ambiente.h"

#include "arquivos.h"
#include "registros.h"

#include <QDirIterator>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace vb;
using vb::teste::NúmeroDoErro;

namespace {

class Falhas : public vb::teste::ComDrive {
  protected:
    static void SomenteLeitura(const QString& caminho) {
        ASSERT_EQ(::chmod(QFile::encodeName(caminho).constData(), 0444), 0);
    }
    // Every entry below C:'s folder, hidden ones included, as sorted relative paths.
    QStringList Tudo() const {
        QStringList r;
        QDirIterator it(c, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            r << QDir(c).relativeFilePath(it.next());
        r.sort();
        return r;
    }
};

TEST_F(Falhas, RegistroQueNãoÉArquivoComumNãoÉLido) {
    // A named pipe would keep the reader waiting for a writer; a device would never end.
    ASSERT_EQ(::mkfifo(QFile::encodeName(c + "/aluno.dat").constData(), 0644), 0);
    std::atomic<bool> parar{false}, desbloqueou{false};
    std::thread desbloqueador([&] {
        const QByteArray fifo = QFile::encodeName(c + "/aluno.dat");
        while (!parar) {
            const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                desbloqueou = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    const int erro = NúmeroDoErro([] { LerRegistro("c:\\aluno.dat", 112); });
    parar = true;
    desbloqueador.join();
    EXPECT_EQ(erro, 75);
    EXPECT_FALSE(desbloqueou) << "the record was read from the pipe";

    ASSERT_TRUE(QFile::link("/dev/zero", c + "/padrões.txt"));
    EXPECT_EQ(NúmeroDoErro([] { LerRegistro("c:\\PADRÕES.TXT", 100); }), 75);
    ASSERT_TRUE(QFile::link(c + "/nenhum", c + "/quebrado.dat"));
    EXPECT_EQ(NúmeroDoErro([] { LerRegistro("c:\\quebrado.dat", 100); }), 75);
}

TEST_F(Falhas, ArquivoSomenteLeituraNãoÉApagado) {
    Criar("Área de Trabalho/Relatório Final.doc", "do aluno");
    Criar("Área de Trabalho/rascunho 1.doc", "sai");
    Criar("Área de Trabalho/rascunho 2.doc", "sai");
    SomenteLeitura(c + "/Área de Trabalho/Relatório Final.doc");
    EXPECT_EQ(NúmeroDoErro([] { Kill("c:\\área de trabalho\\relatório final.doc"); }), 75);
    EXPECT_EQ(Ler("Área de Trabalho/Relatório Final.doc"), "do aluno");

    // A wildcard deletes what it may and then tells of the file that stayed.
    EXPECT_EQ(NúmeroDoErro([] { Kill("c:\\Área de Trabalho\\*.*"); }), 75);
    EXPECT_EQ(Conteúdo("Área de Trabalho"), QStringList{"Relatório Final.doc"});

    // A link to a read-only file is only a link: it goes, the file stays.
    ASSERT_TRUE(QFile::link(c + "/Área de Trabalho/Relatório Final.doc", c + "/atalho.doc"));
    Kill("c:\\atalho.doc");
    EXPECT_FALSE(Existe("atalho.doc"));
    EXPECT_EQ(Ler("Área de Trabalho/Relatório Final.doc"), "do aluno");
}

TEST_F(Falhas, LigaçãoParaPastaSaiComoLigação) {
    Criar("Meus Documentos/Cartas ção/carta.doc", "do aluno");
    Criar("arquivo.txt", "do aluno");
    CriarPasta("qvcurso");
    ASSERT_TRUE(QFile::link(c + "/Meus Documentos/Cartas ção", c + "/qvcurso/cad2000"));
    ASSERT_TRUE(QFile::link(c + "/arquivo.txt", c + "/qvcurso/símbolos"));
    ASSERT_TRUE(QFile::link(c + "/nenhuma", c + "/qvcurso/quebrada"));

    RmDir("c:\\qvcurso\\CAD2000");
    EXPECT_FALSE(Existe("qvcurso/cad2000"));
    EXPECT_EQ(Ler("Meus Documentos/Cartas ção/carta.doc"), "do aluno");
    // A link to a file, or to nothing, is no folder.
    EXPECT_EQ(NúmeroDoErro([] { RmDir("c:\\qvcurso\\símbolos"); }), 76);
    EXPECT_EQ(NúmeroDoErro([] { RmDir("c:\\qvcurso\\quebrada"); }), 76);
    EXPECT_TRUE(Existe("qvcurso/símbolos"));
    EXPECT_EQ(Ler("arquivo.txt"), "do aluno");
}

TEST_F(Falhas, NomesComAcentosEBrancosNaCópia) {
    Criar("Instalação 2003/Mudança comercial.mpp", "novo");
    // The student's copy stored under another case and in decomposed form.
    const QString pasta =
        QStringLiteral("Área de Trabalho").normalized(QString::NormalizationForm_D);
    const QString relatório =
        pasta +
        QStringLiteral("/RELATÓRIO DA MUDANÇA.mpp").normalized(QString::NormalizationForm_D);
    Criar(relatório, "anterior");
    FileCopy("c:\\instalação 2003\\Mudança comercial.mpp ",
             "c:\\Área de Trabalho\\Relatório da Mudança.mpp. ");
    EXPECT_EQ(Conteúdo(pasta).size(), 1);
    EXPECT_EQ(Ler(relatório), "novo");

    // Read-only under a name with accents: refused, kept, nothing left beside it.
    SomenteLeitura(c + "/" + relatório);
    Criar("Instalação 2003/Mudança comercial.mpp", "mais novo");
    EXPECT_EQ(NúmeroDoErro([] {
                  FileCopy("c:\\Instalação 2003\\Mudança comercial.mpp",
                           "c:\\área de trabalho\\relatório da mudança.mpp");
              }),
              70);
    EXPECT_EQ(Ler(relatório), "novo");
    EXPECT_EQ(NúmeroDoErro([] {
                  FileCopy("c:\\Instalação 2003\\Mudança comercial.mpp",
                           "c:\\Área de Trabalho\\Pasta Nova\\cópia.mpp");
              }),
              76);
    QStringList esperado{"Instalação 2003", "Instalação 2003/Mudança comercial.mpp", pasta,
                         relatório};
    esperado.sort();
    EXPECT_EQ(Tudo(), esperado);
}

// Drive C: on a small file system of its own.
class DiscoCheio : public Falhas {
  protected:
    void SetUp() override {
        Falhas::SetUp();
        if (::mount("tmpfs", QFile::encodeName(c).constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "a small file system cannot be mounted here (" << std::strerror(errno)
                         << "); the full-disk cases need root";
        montado_ = true;
    }
    void TearDown() override {
        if (montado_)
            ::umount2(QFile::encodeName(c).constData(), MNT_DETACH);
        Falhas::TearDown();
    }
    bool montado_ = false;
};

TEST_F(DiscoCheio, CópiaQueNãoCabeDeixaAAnteriorESemSobras) {
    Criar("Lição 1/planta do aluno.dwg", "trabalho do aluno");
    ASSERT_TRUE(QDir().mkpath(d + "/Instalação"));
    {
        QFile f(d + "/Instalação/planta nova.dwg");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(40 * 1024, 'n'));
    }
    // Fill the rest of the file system but for a few kilobytes.
    {
        QFile f(c + "/enchimento");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray bloco(1024, 'x');
        while (f.write(bloco) == bloco.size() && f.flush())
            ;
        f.close();
        ASSERT_TRUE(f.resize(f.size() - 12 * 1024));
    }
    const QStringList antes = Tudo();
    EXPECT_EQ(NúmeroDoErro([] {
                  FileCopy("d:\\Instalação\\planta nova.dwg", "c:\\Lição 1\\planta do aluno.dwg");
              }),
              61);
    EXPECT_EQ(NúmeroDoErro([] {
                  FileCopy("d:\\Instalação\\planta nova.dwg", "c:\\Lição 1\\outra planta.dwg");
              }),
              61);
    EXPECT_EQ(Ler("Lição 1/planta do aluno.dwg"), "trabalho do aluno");
    EXPECT_EQ(Tudo(), antes);

    // With room again the copy is made whole.
    ASSERT_TRUE(QFile::remove(c + "/enchimento"));
    FileCopy("d:\\Instalação\\planta nova.dwg", "c:\\Lição 1\\planta do aluno.dwg");
    EXPECT_EQ(Ler("Lição 1/planta do aluno.dwg"), QByteArray(40 * 1024, 'n'));
    EXPECT_EQ(Conteúdo("Lição 1"), QStringList{"planta do aluno.dwg"});
}

} // namespace
