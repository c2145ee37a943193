#include "ambiente.h"

#include "arquivos.h"
#include "registros.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vb;
using vb::teste::NúmeroDoErro;

namespace {

void CopiarComLimite() {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{64 * 1024, 64 * 1024};
    setrlimit(RLIMIT_FSIZE, &limite);
    _exit(NúmeroDoErro([] { FileCopy("c:\\fonte\\grande.bin", "c:\\qvcurso\\grande.bin"); }));
}

// Both copies refused (70 + 70).
void CopiarComoUsuárioComum() {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        _exit(99);
    _exit(NúmeroDoErro([] { FileCopy("c:\\fonte\\a.doc", "c:\\qvcurso\\novo.doc"); }) +
          NúmeroDoErro([] { FileCopy("c:\\fonte\\a.doc", "c:\\qvcurso\\a.doc"); }));
}

class Arquivos : public vb::teste::ComDrive {
  protected:
    // Leftovers of a copy: every host name of the folder that is not expected.
    QStringList Sobras(const QString& relativo, const QStringList& esperados) const {
        QStringList sobras = Conteúdo(relativo);
        for (const QString& e : esperados)
            sobras.removeAll(e);
        return sobras;
    }
    unsigned Modo(const QString& relativo) const {
        struct stat st {};
        stat(QFile::encodeName(c + "/" + relativo).constData(), &st);
        return st.st_mode & 07777;
    }
    static unsigned Umask() {
        const mode_t m = umask(0);
        umask(m);
        return m;
    }
};

TEST_F(Arquivos, FileCopyReplacesTheExistingFileMatchedWithoutCase) {
    Criar("fonte/Editor.doc", "new contents");
    Criar("QVCurso/EDITOR.DOC", "old");
    ASSERT_EQ(chmod(QFile::encodeName(c + "/QVCurso/EDITOR.DOC").constData(), 0640), 0);
    FileCopy("c:\\fonte\\Editor.doc", "C:\\qvcurso\\editor.doc");
    EXPECT_EQ(Ler("QVCurso/EDITOR.DOC"), "new contents");
    EXPECT_EQ(Conteúdo("QVCurso"), QStringList{"EDITOR.DOC"});
    EXPECT_EQ(Modo("QVCurso/EDITOR.DOC"), 0640u);

    // A new file takes the name as written.
    FileCopy("c:\\fonte\\editor.doc", "c:\\qvcurso\\Novo Nome.DOC");
    EXPECT_EQ(Ler("QVCurso/Novo Nome.DOC"), "new contents");
    EXPECT_EQ(Modo("QVCurso/Novo Nome.DOC"), 0666u & ~Umask());
}

TEST_F(Arquivos, FailedCopiesLeaveTheDestinationIntact) {
    Criar("fonte/a.doc", "source");
    CriarPasta("fonte/pasta.doc");
    Criar("QVCurso/a.doc", "previous");

    EXPECT_EQ(NúmeroDoErro([] { FileCopy("c:\\fonte\\falta.doc", "c:\\qvcurso\\a.doc"); }), 53);
    // A source that is no ordinary file is unreadable, not missing.
    EXPECT_EQ(NúmeroDoErro([] { FileCopy("c:\\fonte\\pasta.doc", "c:\\qvcurso\\a.doc"); }), 75);
    EXPECT_EQ(NúmeroDoErro([] { FileCopy("c:\\fonte\\a.doc", "c:\\qvcurso\\falta\\a.doc"); }), 76);
    EXPECT_EQ(NúmeroDoErro([] { FileCopy("c:\\fonte\\a.doc", "c:\\fonte\\pasta.doc"); }), 75);
    EXPECT_EQ(Ler("QVCurso/a.doc"), "previous");

    // A read-only destination (no write bit) refuses, also for the administrator.
    ASSERT_TRUE(QFile::setPermissions(c + "/QVCurso/a.doc", QFile::ReadOwner | QFile::ReadUser));
    EXPECT_EQ(NúmeroDoErro([] { FileCopy("c:\\fonte\\a.doc", "c:\\qvcurso\\a.doc"); }), 70);
    EXPECT_EQ(Ler("QVCurso/a.doc"), "previous");
    EXPECT_EQ(Sobras("QVCurso", {"a.doc"}), QStringList{});
}

TEST_F(Arquivos, CopyFailingMidWriteKeepsThePreviousFileAndNoTemporary) {
    Criar("fonte/grande.bin", QByteArray(256 * 1024, 'g'));
    Criar("QVCurso/grande.bin", "previous");
    // A file-size limit makes the write fail part way, as a full disk would.
    EXPECT_EXIT(CopiarComLimite(), ::testing::ExitedWithCode(61), "");
    EXPECT_EQ(Ler("QVCurso/grande.bin"), "previous");
    EXPECT_EQ(Sobras("QVCurso", {"grande.bin"}), QStringList{});
}

TEST_F(Arquivos, CopyIntoReadOnlyFolderLeavesNoTemporary) {
    Criar("fonte/a.doc", "source");
    Criar("QVCurso/a.doc", "previous");
    ASSERT_EQ(chmod(QFile::encodeName(c + "/QVCurso").constData(), 0555), 0);
    // The folder's permissions only bind an ordinary user: run the copy as one.
    for (const QString& p : {c + "/..", c, c + "/fonte"})
        chmod(QFile::encodeName(p).constData(), 0755);
    chmod(QFile::encodeName(c + "/fonte/a.doc").constData(), 0644);
    EXPECT_EXIT(CopiarComoUsuárioComum(), ::testing::ExitedWithCode(140), "");
    chmod(QFile::encodeName(c + "/QVCurso").constData(), 0755);
    EXPECT_EQ(Ler("QVCurso/a.doc"), "previous");
    EXPECT_EQ(Sobras("QVCurso", {"a.doc"}), QStringList{});
}

TEST_F(Arquivos, KillWildcardsHiddenFilesAndFolders) {
    Criar("w/amigos", "1");
    Criar("w/Amigos.DOC", "2");
    Criar("w/.amigos.xls", "3");
    Criar("w/amigos2.doc", "4");
    CriarPasta("w/amigos.dir");
    Kill("c:\\W\\amigos.*");
    EXPECT_EQ(Conteúdo("w"), (QStringList{"amigos.dir", "amigos2.doc"}));

    EXPECT_EQ(NúmeroDoErro([] { Kill("c:\\w\\*.xls"); }), 53);
    EXPECT_EQ(NúmeroDoErro([] { Kill("c:\\w\\amigos.dir"); }), 53);
    EXPECT_EQ(NúmeroDoErro([] { Kill("c:\\w\\falta.doc"); }), 53);
    Kill("c:\\w\\AMIGOS2.DOC");
    EXPECT_EQ(Conteúdo("w"), QStringList{"amigos.dir"});
}

TEST_F(Arquivos, KillRemovesSymbolicLinksNotTheirTargets) {
    Criar("alvo/dentro.txt", "kept");
    Criar("alvo.txt", "kept");
    CriarPasta("w");
    ASSERT_TRUE(QFile::link(c + "/alvo", c + "/w/pasta"));
    ASSERT_TRUE(QFile::link(c + "/alvo.txt", c + "/w/arquivo.txt"));
    Kill("c:\\w\\ARQUIVO.TXT");
    Kill("c:\\w\\*.*");
    EXPECT_EQ(Conteúdo("w"), QStringList{});
    EXPECT_EQ(Ler("alvo/dentro.txt"), "kept");
    EXPECT_EQ(Ler("alvo.txt"), "kept");
}

TEST_F(Arquivos, FolderCalls) {
    MkDir("c:\\QVCurso");
    EXPECT_EQ(Conteúdo(), QStringList{"QVCurso"});
    EXPECT_EQ(NúmeroDoErro([] { MkDir("c:\\qvcurso"); }), 75);
    EXPECT_EQ(NúmeroDoErro([] { MkDir("c:\\falta\\sub"); }), 76);

    ChDir("c:\\qvcurso");
    EXPECT_EQ(CurDir(), c + "/QVCurso");
    EXPECT_EQ(NúmeroDoErro([] { ChDir("c:\\falta"); }), 76);
    EXPECT_EQ(CurDir(), c + "/QVCurso");

    Criar("QVCurso/a.txt");
    EXPECT_EQ(NúmeroDoErro([] { RmDir("c:\\qvcurso"); }), 75);
    EXPECT_EQ(NúmeroDoErro([] { RmDir("c:\\qvcurso\\a.txt"); }), 76);
    EXPECT_EQ(NúmeroDoErro([] { RmDir("c:\\falta"); }), 76);
    Kill("c:\\qvcurso\\a.txt");
    RmDir("c:\\QVCURSO\\");
    EXPECT_EQ(Conteúdo(), QStringList{});
}

TEST_F(Arquivos, DirFollowsTheAttributes) {
    Criar("QVCurso/b.doc");
    Criar("QVCurso/A.doc");
    Criar("QVCurso/.oculto.doc");
    Criar("QVCurso/.aluno.dat", "hidden");
    Criar("QVCurso/Aluno.dat", "visible");
    CriarPasta("QVCurso/Sub.doc");

    EXPECT_EQ(DirLista("c:\\qvcurso\\*.doc"), (QStringList{"A.doc", "b.doc"}));
    EXPECT_EQ(DirLista("c:\\qvcurso\\*.doc", vbHidden),
              (QStringList{"A.doc", "b.doc", "oculto.doc"}));
    EXPECT_EQ(DirLista("c:\\qvcurso\\*.doc", vbDirectory),
              (QStringList{"A.doc", "b.doc", "Sub.doc"}));
    EXPECT_EQ(DirLista("c:\\qvcurso\\", vbDirectory | vbHidden),
              (QStringList{".", "..", "A.doc", "Aluno.dat", "b.doc", "oculto.doc", "Sub.doc"}));
    EXPECT_EQ(DirLista("c:\\qvcurso\\"), (QStringList{"A.doc", "Aluno.dat", "b.doc"}));

    // A name alone: the entry as stored, a folder only with vbDirectory, hidden with vbHidden.
    EXPECT_EQ(Dir("c:\\QVCURSO", vbDirectory), "QVCurso");
    EXPECT_EQ(Dir("c:\\qvcurso"), "");
    EXPECT_EQ(Dir("c:\\qvcurso\\B.DOC"), "b.doc");
    EXPECT_EQ(Dir("c:\\qvcurso\\OCULTO.doc"), "");
    EXPECT_EQ(Dir("c:\\qvcurso\\OCULTO.doc", vbHidden), "oculto.doc");
    EXPECT_EQ(Dir("c:\\qvcurso\\falta.doc", vbDirectory), "");
    EXPECT_EQ(DirLista("c:\\falta\\*.*", vbDirectory), QStringList{});
}

TEST_F(Arquivos, DirListsALinkToAFolderAsAFile) {
    Criar("alvo/dentro.txt");
    CriarPasta("w/real");
    ASSERT_TRUE(QFile::link(c + "/alvo", c + "/w/Ligação"));
    EXPECT_EQ(DirLista("c:\\w\\"), QStringList{"Ligação"});
    EXPECT_EQ(DirLista("c:\\w\\", vbDirectory), (QStringList{".", "..", "Ligação", "real"}));
    EXPECT_EQ(Dir("c:\\w\\ligação"), "Ligação");
    EXPECT_EQ(DirLista("c:\\w\\ligação\\", vbDirectory | vbHidden), QStringList{});
}

// A folder read once for a step: the step's own creations and deletions are seen at once, and an
// entry gone from under the index makes the folder be read again.
TEST_F(Arquivos, UmaLeituraPorPassoVêAsMudançasDoPasso) {
    Criar("fonte/a.htm", "a");
    Criar("fonte/b.htm", "b");
    CriarPasta("QVCurso");
    const LeituraÚnica passo;
    const struct {
        std::function<void()> ação;
        QStringList ficam;
    } casos[] = {
        {[] { FileCopy("c:\\fonte\\a.htm", "C:\\qvcurso\\Novo.htm"); }, {"Novo.htm=a"}},
        {[] { FileCopy("c:\\fonte\\b.htm", "C:\\QVCURSO\\NOVO.HTM"); }, {"Novo.htm=b"}},
        {[] { Kill("c:\\qvcurso\\novo.htm"); }, {}},
        {[] { FileCopy("c:\\fonte\\a.htm", "C:\\qvcurso\\NoVo.htm"); }, {"NoVo.htm=a"}},
        {[this] { QFile::rename(c + "/QVCurso/NoVo.htm", c + "/QVCurso/NOVO.htm"); },
         {"NOVO.htm=a"}},
        {[] { FileCopy("c:\\fonte\\b.htm", "C:\\qvcurso\\novo.htm"); }, {"NOVO.htm=b"}},
    };
    for (const auto& caso : casos) {
        caso.ação();
        QStringList agora;
        for (const QString& n : Conteúdo("QVCurso"))
            agora << n + "=" + Ler("QVCurso/" + n);
        EXPECT_EQ(agora, caso.ficam) << &caso - casos;
    }
}

} // namespace

// Names that decode alike ("caf\xe9.htm", "café.htm"): a name reaches one by a fixed order, by the
// index or by a scan, and Dir lists each once under a name that reaches it again.
TEST_F(Arquivos, NomesQueSeDecodificamIgual) {
    const struct {
        std::vector<std::string> nomes; // made in this order, each holding its own name
        const char* pedido;
        std::string alcança;
    } casos[] = {
        {{"caf\xe9.htm", "café.htm"}, "CAFÉ.HTM", "café.htm"},
        {{"café.htm", "caf\xe9.htm"}, "CAFÉ.HTM", "café.htm"},
        {{"caf\xe9.htm", "CAF\xc9.HTM"}, "Café.htm", "CAF\xc9.HTM"}, // neither UTF-8: smaller
        {{"CAF\xc9.HTM", "caf\xe9.htm", "café.htm"}, "Café.htm", "café.htm"},
    };
    Criar("novo.txt", "novo");
    int k = 0;
    for (const auto& caso : casos)
        for (bool índice : {false, true}) {
            const QString p = QString("c:\\k%1\\").arg(++k);
            const std::string pasta = QFile::encodeName(c + QString("/k%1/").arg(k)).toStdString();
            std::filesystem::create_directory(pasta);
            for (const std::string& n : caso.nomes)
                std::ofstream(pasta + n) << n;
            std::optional<LeituraÚnica> leitura;
            if (índice)
                leitura.emplace();
            auto alcançados = [&] {
                std::multiset<std::string> r;
                for (const QString& n : DirLista(p + "*.*", vbHidden))
                    r.insert(LerArquivo(p + n, 100).toStdString());
                return r;
            };
            std::multiset<std::string> esperados(caso.nomes.begin(), caso.nomes.end());
            EXPECT_EQ(alcançados(), esperados) << k;
            FileCopy("c:\\novo.txt", p + QString::fromUtf8(caso.pedido));
            esperados.erase(caso.alcança);
            esperados.insert("novo");
            EXPECT_EQ(alcançados(), esperados) << k;
            std::filesystem::remove_all(pasta); // QTemporaryDir cannot remove these names
        }
}
