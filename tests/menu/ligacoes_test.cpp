// Symbolic links inside the folders that lessons clear or empty: the work folder that the VBA
// lessons 2 to 13 empty, every folder that a lesson clears with DelDir, and the "cad2000" and
// "símbolos" folders of AutoCAD 2D II. A link that the lesson deletes goes as a link, one it
// does not name stays, and what any link points to is never touched. (The practice tree of the
// Windows lessons is in cursos_windows_test.cpp.)

#include "ambiente_menu.h"
#include "deldir.h"

#include <QDirIterator>

#include <atomic>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace menu::teste {
namespace {

using catalogo::Passo;

class Ligações : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        fora = raiz + "/Documentos do Aluno";
        Criar(fora + "/precioso.doc", "do aluno");
        Criar(fora + "/fogão.dwg", "do aluno");
        Criar(fora + "/cama.dwg", "do aluno");
        Criar(fora + "/Minha Pasta/carta ção.doc", "do aluno");
        Criar(fora + "/Minha Pasta/sub/nota.txt", "do aluno");
        foraAntes = ÁrvoreDe(fora);
    }
    QString q(const QString& nome) const { return c + "/qvcurso/" + nome; }
    void Ligar(const QString& alvo, const QString& ligação) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(ligação).path()));
        ASSERT_TRUE(QFile::link(alvo, ligação)) << ligação.toStdString();
    }
    bool ÉLigação(const QString& caminho) const { return QFileInfo(caminho).isSymLink(); }
    using Menu::Rodar;
    void Rodar(const catalogo::Item& it) {
        vb::ResetProgramEnd();
        inícios.clear();
        diálogos.mensagens.clear();
        vb::Handler([&] { t1().Item_Click(it); });
    }

    QString fora;
    QStringList foraAntes;
};

// The folders that an item clears with DelDir ("c:\qvcurso\locadora\" -> "locadora").
QStringList PastasLimpas(const catalogo::Item& it) {
    QStringList r;
    for (const catalogo::Etapa& e : it.etapas)
        if (e.passo == Passo::LimpaPasta) {
            QString p = QString::fromUtf8(e.a);
            if (!p.startsWith(QStringLiteral("c:\\qvcurso\\"), Qt::CaseInsensitive))
                continue;
            p = p.mid(11);
            p.chop(1);
            r << p;
        }
    return r;
}

#ifdef QV_INSTALACAO
TEST_F(Ligações, PastasLimpasPorDelDirTiramAsLigaçõesENãoTocamNosAlvos) {
    QDir::setCurrent(QStringLiteral(QV_INSTALACAO));
    vb::DefinirPastaDoPrograma(QStringLiteral(QV_INSTALACAO));
    ASSERT_TRUE(Iniciar());
    int pastas = 0;
    for (const catalogo::MenuCurso* curso : catalogo::Cursos())
        for (const catalogo::Item& it : curso->itens)
            for (const QString& pasta : PastasLimpas(it)) {
                SCOPED_TRACE(std::string(it.controle) + " " + pasta.toStdString());
                ++pastas;
                // Links to a file and to a folder, at the top and one level down, named with
                // accents and blanks; and, next, the cleared folder itself a link.
                const QString p = q(pasta);
                QDir(p).removeRecursively();
                Criar(p + "/página antiga.htm", "da lição anterior");
                Ligar(fora + "/precioso.doc", p + "/ligação do aluno.doc");
                Ligar(fora + "/Minha Pasta", p + "/Minha Pasta");
                Ligar(fora + "/Minha Pasta", p + "/imagens/atalho da pasta");
                Ligar(fora + "/fogão.dwg", p + "/imagens/fogão.dwg");
                Rodar(it);
                EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
                for (const QString& ligação :
                     {p + "/ligação do aluno.doc", p + "/Minha Pasta", p + "/imagens/fogão.dwg",
                      p + "/imagens/atalho da pasta"})
                    EXPECT_FALSE(ÉLigação(ligação)) << ligação.toStdString();
                EXPECT_FALSE(Existe(p + "/página antiga.htm"));

                QDir(p).removeRecursively();
                Ligar(fora + "/Minha Pasta", p);
                Rodar(it);
                EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
                EXPECT_FALSE(ÉLigação(p));
                QFile::remove(p);
                QDir(p).removeRecursively();
            }
    // FrontPage: vxweb, ABCD, Import, fp2000, informação, locadora (three items), Hyperlinks;
    // VB: flags.
    EXPECT_EQ(pastas, 10);
}
#endif

TEST_F(Ligações, PastaDeTrabalhoEsvaziadaPelasLiçõesDeVba) {
    for (int n = 2; n <= 13; ++n) {
        Criar(inst + QString("/QVVBA%1").arg(n, 2, 10, QChar('0')), "#!/bin/sh\n");
        Criar(inst + QString("/vba/m%1/comum.bas").arg(n), "módulo");
    }
    ASSERT_TRUE(Iniciar());
    for (int n = 2; n <= 13; ++n) {
        SCOPED_TRACE(n);
        Ligar(fora + "/precioso.doc", q("ligação do aluno.doc"));
        QFile::remove(q("comum.bas"));                 // the previous lesson's
        Ligar(fora + "/precioso.doc", q("comum.bas")); // named as a module file
        Ligar(fora + "/Minha Pasta", q("Minha Pasta"));
        Ligar(fora + "/Minha Pasta", q("projetos/atalho")); // in a sub-folder: not emptied
        Rodar("cvba", n);
        EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
        EXPECT_FALSE(Existe(q("ligação do aluno.doc")));
        EXPECT_FALSE(Existe(q("Minha Pasta")));
        EXPECT_FALSE(ÉLigação(q("comum.bas")));
        EXPECT_EQ(Ler(q("comum.bas")), "módulo");
        EXPECT_TRUE(ÉLigação(q("projetos/atalho")));
        QFile::remove(q("projetos/atalho"));
        ASSERT_EQ(inícios.size(), 1u);
    }
}

TEST_F(Ligações, PastaDeTrabalhoQueÉLigaçãoÉEsvaziadaComoAsCópiasAEncontram) {
    // The work folder itself a link to the student's own folder: the VBA lessons empty it and
    // copy into it, as every other staging copies into it.
    Criar(inst + "/QVVBA02", "#!/bin/sh\n");
    Criar(inst + "/vba/m2/comum.bas", "módulo");
    const QString trabalho = raiz + "/Trabalho do Aluno";
    Criar(trabalho + "/da lição anterior.bas", "anterior");
    Criar(trabalho + "/projetos/fica.txt", "fica");
    Ligar(trabalho, c + "/qvcurso");
    ASSERT_TRUE(Iniciar());
    Rodar("cvba", 2);
    EXPECT_TRUE(ÉLigação(c + "/qvcurso"));
    EXPECT_FALSE(Existe(trabalho + "/da lição anterior.bas"));
    EXPECT_EQ(Ler(trabalho + "/comum.bas"), "módulo");
    EXPECT_EQ(Ler(trabalho + "/projetos/fica.txt"), "fica");
    EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
}

// Swaps two entries of a folder again and again (renameat2 with RENAME_EXCHANGE) while it
// lives: a real folder and a link to a folder outside.
class Trocador {
  public:
    Trocador(const QString& a, const QString& b)
        : a_(QFile::encodeName(a)), b_(QFile::encodeName(b)), fio_([this] { Laço(); }) {}
    ~Trocador() {
        parar_ = true;
        fio_.join();
    }
    int trocas() const { return trocas_; }

  private:
    void Laço() {
        while (!parar_)
            if (::syscall(SYS_renameat2, AT_FDCWD, a_.constData(), AT_FDCWD, b_.constData(),
                          RENAME_EXCHANGE) == 0)
                ++trocas_;
    }
    QByteArray a_, b_;
    std::atomic<bool> parar_{false};
    std::atomic<int> trocas_{0};
    std::thread fio_;
};

TEST_F(Ligações, DelDirComUmaPastaTrocadaPorLigaçãoNãoSaiDaÁrvore) {
    const QString p = q("locadora");
    int trocas = 0;
    for (int tentativa = 0; tentativa < 40; ++tentativa) {
        QDir(p).removeRecursively();
        QFile::remove(p + "/troca");
        for (const char* n : {"precioso.doc", "fogão.dwg", "cama.dwg", "página.htm"})
            Criar(p + "/imagens/" + n, "da lição");
        Criar(p + "/imagens/sub/nota.txt", "da lição");
        Ligar(fora, p + "/troca");
        {
            Trocador trocador(p + "/imagens", p + "/troca");
            DelDir("c:\\qvcurso\\locadora\\");
            trocas += trocador.trocas();
        }
        ASSERT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes)) << "try " << tentativa;
    }
    EXPECT_GT(trocas, 0);
}

class LigaçõesAutoCad : public Ligações {
  protected:
    void SetUp() override {
        Ligações::SetUp();
        for (const catalogo::Item& it : catalogo::cursoAutoCad2DII.itens) {
            Criar(inst + "/" + QString::fromUtf8(it.programa), "#!/bin/sh\n");
            for (const catalogo::Etapa& e : it.etapas)
                if (e.passo == Passo::Copia || e.passo == Passo::CópiaDireta) {
                    const QString nome = QString::fromUtf8(e.a).remove('\\');
                    Criar(inst + "/" + nome, nome.toUtf8());
                }
        }
        ASSERT_TRUE(Iniciar());
    }
};

TEST_F(LigaçõesAutoCad, LigaçõesDentroDeCad2000EDeSímbolos) {
    // Links the lessons name go; one they do not name stays, and keeps the folder.
    Ligar(fora + "/fogão.dwg", q("cad2000/fogão.dwg"));
    Ligar(fora + "/Minha Pasta", q("cad2000/Minha Pasta"));
    Ligar(fora + "/cama.dwg", q("símbolos/cama.dwg"));
    Ligar(fora + "/precioso.doc", q("símbolos/meu bloco.dwg"));
    Rodar("cAutoCadII", 9);
    Rodar("cAutoCadII", 10);
    EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
    EXPECT_FALSE(ÉLigação(q("cad2000/fogão.dwg")));
    EXPECT_EQ(Ler(q("cad2000/fogão.dwg")), "fogão.dwg");
    EXPECT_TRUE(ÉLigação(q("cad2000/Minha Pasta")));
    EXPECT_FALSE(Existe(q("símbolos/cama.dwg")));
    EXPECT_TRUE(ÉLigação(q("símbolos/meu bloco.dwg")));
    EXPECT_EQ(inícios.size(), 1u);
}

TEST_F(LigaçõesAutoCad, Cad2000ESímbolosQueSãoLigações) {
    // The student keeps the two folders elsewhere and links them in: the lessons delete and
    // remove through neither link; the links go, and cad2000 is made afresh.
    Ligar(fora, q("cad2000"));
    Ligar(fora, q("símbolos"));
    Rodar("cAutoCadII", 9);
    EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
    EXPECT_FALSE(Existe(q("símbolos")));
    Rodar("cAutoCadII", 10);
    EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
    EXPECT_FALSE(ÉLigação(q("cad2000")));
    EXPECT_EQ(Ler(q("cad2000/fogão.dwg")), "fogão.dwg");
    EXPECT_EQ(QDir(q("cad2000")).entryList(QDir::Files).size(), 5);
    EXPECT_EQ(inícios.size(), 1u);
}

TEST_F(LigaçõesAutoCad, Cad2000TrocadaPorLigaçãoDuranteARefeitaNãoSaiDaPasta) {
    int trocas = 0;
    for (int tentativa = 0; tentativa < 40; ++tentativa) {
        QFile::remove(q("troca"));
        Ligar(fora, q("troca"));
        Criar(q("cad2000/fogão.dwg"), "anterior");
        {
            Trocador trocador(q("cad2000"), q("troca"));
            Rodar("cAutoCadII", 10);
            trocas += trocador.trocas();
        }
        ASSERT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes)) << "try " << tentativa;
        // Whichever name the real folder ended under, it is the work folder's.
        QFile::remove(q("cad2000"));
        QDir(q("cad2000")).removeRecursively();
        QFile::remove(q("troca"));
        QDir(q("troca")).removeRecursively();
    }
    EXPECT_GT(trocas, 0);
}

} // namespace
} // namespace menu::teste
