// The "Visual Basic Avc" lesson items: lesson 1's two pictures, and the module-folder copy of
// lessons 2 to 13 that empties the work folder first.

#include "ambiente_menu.h"

namespace menu::teste {
namespace {

class Vba : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        for (int n = 1; n <= 13; ++n)
            Criar(inst + QString("/QVVBA%1").arg(n, 2, 10, QChar('0')), "#!/bin/sh\n");
        Criar(inst + "/vba/m1/cd.ico", "cd.ico");
        Criar(inst + "/vba/m1/print.bmp", "print.bmp");
        ASSERT_TRUE(Iniciar());

        // The module folders lie beside the menu program, which here is not the base folder;
        // the base folder holds other versions that must not be taken.
        programa = raiz + "/programa";
        for (int n = 2; n <= 13; ++n) {
            const QString m = QString("/vba/m%1").arg(n);
            Criar(programa + m + QString("/Projeto%1.vbp").arg(n),
                  "módulo " + QByteArray::number(n));
            Criar(programa + m + "/comum.bas", "módulo " + QByteArray::number(n));
            Criar(programa + m + "/anexos/leiame.txt", "não vem"); // sub-folders are not copied
            Criar(inst + m + "/comum.bas", "da pasta base");
        }
        vb::DefinirPastaDoPrograma(programa);
    }

    QString q(const QString& nome) const { return c + "/qvcurso/" + nome; }
    void Rodar(int índice) {
        vb::ResetProgramEnd();
        inícios.clear();
        diálogos.mensagens.clear();
        Clicar("cvba", índice);
    }
    // The work folder as sorted lines: "folder/", "file=content" (hidden files included).
    QStringList Trabalho() const {
        QStringList r;
        const QDir d(c + "/qvcurso");
        for (const QFileInfo& i :
             d.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            if (i.isDir())
                r << i.fileName() + "/";
            else
                r << i.fileName() + "=" + QString::fromUtf8(Ler(i.filePath()));
        }
        r.sort();
        return r;
    }
    static QStringList Módulo(int n) {
        const QString conteúdo = QString("módulo %1").arg(n);
        return {QString("Projeto%1.vbp=").arg(n) + conteúdo, "comum.bas=" + conteúdo};
    }

    QString programa;
};

TEST_F(Vba, LiçãoUmNãoEsvaziaAPastaDeTrabalho) {
    Criar(q("planta.dwg"), "de outra lição");
    Rodar(1);
    EXPECT_EQ(Trabalho(),
              QStringList({"cd.ico=cd.ico", "planta.dwg=de outra lição", "print.bmp=print.bmp"}));
    ASSERT_EQ(inícios.size(), 1u);
    EXPECT_EQ(inícios[0].executável, inst + "/QVVBA01");
    EXPECT_EQ(t1().Codprog->text(), "2401");
}

TEST_F(Vba, MóduloSubstituiOsArquivosEGuardaAsSubpastas) {
    for (int n = 2; n <= 13; ++n) {
        SCOPED_TRACE(n);
        Criar(q("do aluno.txt"), "do aluno");
        Criar(q(".oculto.txt"), "oculto");
        Criar(q("comum.bas"), "alterado");
        Criar(q("locadora/index.htm"), "site");
        Rodar(n);
        QStringList esperado = Módulo(n);
        esperado << "locadora/";
        esperado.sort();
        EXPECT_EQ(Trabalho(), esperado);
        EXPECT_EQ(Ler(q("locadora/index.htm")), "site");
        ASSERT_EQ(inícios.size(), 1u);
        EXPECT_EQ(inícios[0].executável, inst + QString("/QVVBA%1").arg(n, 2, 10, QChar('0')));
        EXPECT_EQ(t1().Codprog->text(), QString("24%1").arg(n, 2, 10, QChar('0')));
        EXPECT_TRUE(diálogos.mensagens.empty());
    }
}

TEST_F(Vba, SóArquivosOcultosTambémSaem) {
    Criar(q(".oculto.txt"), "oculto");
    Criar(q(".outro"), "oculto");
    Rodar(5);
    EXPECT_EQ(Trabalho(), Módulo(5));
}

TEST_F(Vba, PastaVaziaSóRecebeOMódulo) {
    Rodar(7);
    EXPECT_EQ(Trabalho(), Módulo(7));
    EXPECT_EQ(inícios.size(), 1u);
}

TEST_F(Vba, PastaDeTrabalhoAusenteAvisaEIniciaMesmoAssim) {
    QDir(c + "/qvcurso").removeRecursively();
    Rodar(3);
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Diretório C:\\qvcurso inexistente!");
    EXPECT_EQ(diálogos.mensagens[0].botões, vb::vbOKOnly);
    EXPECT_TRUE(diálogos.mensagens[0].título.isEmpty());
    ASSERT_EQ(inícios.size(), 1u);
    EXPECT_EQ(inícios[0].executável, inst + "/QVVBA03");
    EXPECT_FALSE(Existe(c + "/qvcurso/comum.bas"));
}

TEST_F(Vba, PastaComOutraGrafiaAvisaNãoApagaMasCopia) {
    QDir(c + "/qvcurso").removeRecursively();
    Criar(c + "/QVCurso/do aluno.txt", "do aluno");
    Rodar(4);
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Diretório C:\\qvcurso inexistente!");
    EXPECT_EQ(Ler(c + "/QVCurso/do aluno.txt"), "do aluno");
    EXPECT_EQ(Ler(c + "/QVCurso/comum.bas"), "módulo 4");
    EXPECT_EQ(inícios.size(), 1u);
}

TEST_F(Vba, ÍndiceForaDoArranjoNãoFazNada) {
    Rodar(2);
    Criar(q("do aluno.txt"), "do aluno");
    for (const int índice : {0, 14, -1}) {
        SCOPED_TRACE(índice);
        vb::ResetProgramEnd();
        inícios.clear();
        EXPECT_TRUE(vb::Handler([&] { t1().Item_Click(catalogo::cursoVBA, índice); }));
        EXPECT_EQ(t1().Nomeprog->text(), inst + "\\QVVBA02");
        EXPECT_EQ(t1().Codprog->text(), "2402");
        EXPECT_TRUE(inícios.empty());
        EXPECT_FALSE(vb::ProgramEnded());
        EXPECT_EQ(Ler(q("do aluno.txt")), "do aluno");
    }
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_EQ(t1().item("cvba", 14), nullptr);
    EXPECT_EQ(t1().item("cvba", 0), nullptr);
}

} // namespace
} // namespace menu::teste
