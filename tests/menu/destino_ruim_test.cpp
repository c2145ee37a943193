// Exercise destinations that cannot take a copy: a read-only file, a folder that is missing, a
// full disk. The student's previous copy stays as it was, no partial or temporary file is left,
// and the lesson still starts. Installation and drive C: lie in folders whose names hold accents
// and blanks.

#include "ambiente_menu.h"

#include <QDirIterator>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace menu::teste {
namespace {

using catalogo::Passo;

// The installation's name of a source ("\fogão.dwg", "\flags\", n): a host path below it.
QString Fonte(const char* a, const char* n = "") {
    QString s = QString::fromUtf8(a) + QString::fromUtf8(n);
    s.replace('\\', '/');
    while (s.startsWith('/'))
        s.remove(0, 1);
    return s;
}

class Destinos : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        inst = raiz + "/Cursos de Informática/Instalação 2003";
        c = raiz + "/Meu Disco C";
        ASSERT_TRUE(QDir().mkpath(inst));
        ASSERT_TRUE(QDir().mkpath(c));
        QDir::setCurrent(inst);
        vb::DefinirPastaDoPrograma(inst);
        vb::DriveMap::atual().definir('C', c);
        for (const catalogo::MenuCurso* curso :
             {&catalogo::cursoAutoCad2DII, &catalogo::cursoVB, &catalogo::cursoVBA})
            for (const catalogo::Item& it : curso->itens) {
                Criar(inst + "/" + QString::fromUtf8(it.programa), "#!/bin/sh\n");
                for (const catalogo::Etapa& e : it.etapas) {
                    if (e.passo != Passo::Copia && e.passo != Passo::CópiaDireta)
                        continue;
                    if (!e.lista)
                        Criar(inst + "/" + Fonte(e.a), Fonte(e.a).toUtf8());
                    else
                        for (const char* n : *e.lista)
                            Criar(inst + "/" + Fonte(e.a, n), Fonte(e.a, n).toUtf8());
                }
            }
        for (int n = 2; n <= 13; ++n)
            for (const char* arquivo : {"Projeto Módulo.vbp", "comum.bas"})
                Criar(inst + QString("/vba/m%1/").arg(n) + arquivo, arquivo);
    }

    QString q(const QString& nome) const { return c + "/qvcurso/" + nome; }
    void EsperarInício(const QString& programa) {
        ASSERT_EQ(inícios.size(), 1u);
        EXPECT_EQ(inícios[0].executável, inst + "/" + programa);
        EXPECT_TRUE(diálogos.mensagens.empty());
    }
    // Files left by a copy that did not finish: the copier's temporary files.
    QStringList Temporários() const {
        QStringList r;
        QDirIterator it(c, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            if (QFileInfo(p).fileName().startsWith(".~"))
                r << p;
        }
        return r;
    }
    static void SomenteLeitura(const QString& caminho) {
        ASSERT_TRUE(QFile::setPermissions(caminho, QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                                       QFileDevice::ReadGroup |
                                                       QFileDevice::ReadOther));
    }
};

TEST_F(Destinos, CópiaSomenteLeituraFicaComoEstava) {
    ASSERT_TRUE(Iniciar());
    // A work-folder copy and direct copies into a folder that the lesson rebuilds.
    Criar(q("planta.dwg"), "planta do aluno");
    Criar(q("cad2000/sofá.dwg"), "sofá do aluno");
    SomenteLeitura(q("planta.dwg"));
    SomenteLeitura(q("cad2000/sofá.dwg"));
    Rodar("cAutoCadII", 10);
    EXPECT_EQ(Ler(q("planta.dwg")), "planta do aluno");
    EXPECT_EQ(Ler(q("cad2000/sofá.dwg")), "sofá do aluno");
    EXPECT_EQ(Ler(q("cad2000/fogão.dwg")), "fogão.dwg");
    EsperarInício("QVAC2DIIex07");

    // The module copy that empties the work folder first.
    Criar(q("comum.bas"), "módulo do aluno");
    SomenteLeitura(q("comum.bas"));
    Criar(q("outro.bas"), "sai");
    Rodar("cvba", 3);
    EXPECT_EQ(Ler(q("comum.bas")), "módulo do aluno");
    EXPECT_EQ(Ler(q("Projeto Módulo.vbp")), "Projeto Módulo.vbp");
    EXPECT_FALSE(Existe(q("outro.bas")));
    EsperarInício("QVVBA03");

    // A folder that DelDir clears and the lesson fills again.
    Rodar("cvb07");
    Criar(q("flags/CTRCAN.ico"), "ícone do aluno");
    SomenteLeitura(q("flags/CTRCAN.ico"));
    Rodar("cvb07");
    EXPECT_EQ(Ler(q("flags/CTRCAN.ico")), "ícone do aluno");
    EXPECT_EQ(Ler(q("flags/FLGUSA02.ico")), "flags/FLGUSA02.ico");
    EsperarInício("QVvb607");
    EXPECT_EQ(Temporários(), QStringList());
}

TEST_F(Destinos, PastaDoDestinoAusente) {
    ASSERT_TRUE(Iniciar());
    // A file of the student's takes the name of the folder the lesson copies into: the folder
    // cannot be made, the five copies fail, the file stays and the lesson starts.
    Criar(q("cad2000"), "arquivo do aluno");
    Rodar("cAutoCadII", 10);
    EXPECT_EQ(Ler(q("cad2000")), "arquivo do aluno");
    EXPECT_EQ(Ler(q("planta.dwg")), "planta7.dwg");
    EsperarInício("QVAC2DIIex07");

    // The same for the flags folder of VB lesson 07.
    Criar(q("flags"), "arquivo do aluno");
    Rodar("cvb07");
    EXPECT_EQ(Ler(q("flags")), "arquivo do aluno");
    EXPECT_EQ(Ler(q("QVPastas.vbp")), "QVPastas.vbp");
    EsperarInício("QVvb607");
    EXPECT_EQ(Temporários(), QStringList());
}

// Drive C: on a small file system of its own, filled up.
class DiscoCheio : public Destinos {
  protected:
    void SetUp() override {
        Destinos::SetUp();
        if (::mount("tmpfs", QFile::encodeName(c).constData(), "tmpfs", 0, "size=128k") != 0)
            GTEST_SKIP() << "a small file system cannot be mounted here (" << std::strerror(errno)
                         << "); the full-disk cases need root";
        montado_ = true;
        // Sources larger than what will be left free.
        for (const char* n : {"planta7.dwg", "planta.dwg", "mledit.dwg", "pia.dwg"})
            Criar(inst + "/" + n, QByteArray(48 * 1024, 'n'));
        Criar(inst + "/vba/m4/comum.bas", QByteArray(48 * 1024, 'm'));
    }
    void TearDown() override {
        if (montado_)
            ::umount2(QFile::encodeName(c).constData(), MNT_DETACH);
        Destinos::TearDown();
    }
    // Fills the file system up but for a few kilobytes.
    void Encher() {
        QFile f(c + "/enchimento");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const QByteArray bloco(1024, 'x');
        while (f.write(bloco) == bloco.size() && f.flush())
            ;
        f.close();
        f.resize(f.size() - 8 * 1024);
    }
    bool montado_ = false;
};

TEST_F(DiscoCheio, CópiaQueNãoCabeDeixaACópiaAnterior) {
    ASSERT_TRUE(Iniciar());
    Criar(q("planta.dwg"), "planta do aluno");
    Criar(q("mledit.dwg"), "mledit do aluno");
    Encher();

    Rodar("cAutoCadII", 3); // two work-folder copies
    EXPECT_EQ(Ler(q("planta.dwg")), "planta do aluno");
    EXPECT_EQ(Ler(q("mledit.dwg")), "mledit do aluno");
    EsperarInício("QVAC2DII03");

    Rodar("cAutoCadII", 10); // direct copies into a rebuilt folder, then a work-folder copy
    EXPECT_EQ(Ler(q("planta.dwg")), "planta do aluno");
    EXPECT_FALSE(Existe(q("cad2000/pia.dwg")));
    EXPECT_EQ(Ler(q("cad2000/fogão.dwg")), "fogão.dwg");
    EsperarInício("QVAC2DIIex07");

    // The module copy: what fits is copied whole, what does not is not there at all.
    Rodar("cvba", 4);
    EXPECT_EQ(Ler(q("Projeto Módulo.vbp")), "Projeto Módulo.vbp");
    EXPECT_FALSE(Existe(q("comum.bas")));
    EsperarInício("QVVBA04");
    EXPECT_EQ(Temporários(), QStringList());
}

} // namespace
} // namespace menu::teste
