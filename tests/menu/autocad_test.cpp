// The AutoCAD lesson items, run against a temporary installation and work folder.

#include "ambiente_menu.h"

#include <QDirIterator>

namespace menu::teste {
namespace {

class AutoCadNoDisco : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        // Every source any AutoCAD item names, each holding its own name.
        for (const catalogo::MenuCurso* curso :
             {&catalogo::cursoAutoCad2D, &catalogo::cursoAutoCad2DII, &catalogo::cursoAutoCad3D})
            for (const catalogo::Item& it : curso->itens) {
                Criar(inst + "/" + QString::fromUtf8(it.programa), "#!/bin/sh\n");
                for (const catalogo::Etapa& e : it.etapas)
                    if (e.passo == catalogo::Passo::Copia ||
                        e.passo == catalogo::Passo::CópiaDireta) {
                        const QString nome = QString::fromUtf8(e.a).remove('\\');
                        Criar(inst + "/" + nome, nome.toUtf8());
                    }
            }
        ASSERT_TRUE(Iniciar());
    }
    QString q(const QString& nome) const { return c + "/qvcurso/" + nome; }

    // Runs one item as a click; returns the work folder's files afterwards (relative paths).
    QStringList Rodar(const QString& arranjo, int índice) {
        vb::ResetProgramEnd();
        inícios.clear();
        Clicar(arranjo, índice);
        QStringList arquivos;
        QDirIterator it(c + "/qvcurso", QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            arquivos << QDir(c + "/qvcurso").relativeFilePath(it.next());
        arquivos.sort();
        return arquivos;
    }
};

TEST_F(AutoCadNoDisco, CadaItemApagaCopiaEIniciaSeuPrograma) {
    for (const catalogo::MenuCurso* curso :
         {&catalogo::cursoAutoCad2D, &catalogo::cursoAutoCad2DII, &catalogo::cursoAutoCad3D})
        for (const catalogo::Item& it : curso->itens) {
            SCOPED_TRACE(std::string(it.controle) + " " + std::to_string(it.índice));
            QDir(c + "/qvcurso").removeRecursively();
            QDir().mkpath(c + "/qvcurso");
            Criar(q("do aluno.dwg"), "meu desenho");
            for (const catalogo::Etapa& e : it.etapas)
                if (e.passo == catalogo::Passo::Apaga)
                    Criar(vb::Hospedeiro(QString::fromUtf8(e.a)), "antigo");
            Rodar(it.controle, it.índice);

            EXPECT_TRUE(vb::ProgramEnded());
            ASSERT_EQ(inícios.size(), 1u);
            EXPECT_EQ(inícios[0].executável, inst + "/" + QString::fromUtf8(it.programa));
            EXPECT_EQ(t1().Codprog->text(), QString::fromUtf8(it.código));
            EXPECT_EQ(Ler(q("do aluno.dwg")), "meu desenho");
            for (const catalogo::Etapa& e : it.etapas) {
                if (e.passo == catalogo::Passo::Copia) {
                    const QString destino = QString::fromUtf8(e.b ? e.b : e.a);
                    EXPECT_EQ(Ler(q(destino)), QByteArray(e.a)) << e.a;
                }
            }
            EXPECT_TRUE(diálogos.mensagens.empty());
        }
}

TEST_F(AutoCadNoDisco, PrimeiraLiçãoDe2DIIApagaIsoEInicia) {
    Criar(q("iso.dwg"), "antigo");
    Criar(q("planta.dwg"), "fica");
    Rodar("cAutoCadII", 1);
    EXPECT_FALSE(Existe(q("iso.dwg")));
    EXPECT_EQ(Ler(q("planta.dwg")), "fica");
    EXPECT_EQ(t1().Nomeprog->text(), inst + "\\QVAC2DII01");
    EXPECT_EQ(t1().Codprog->text(), "1701");
}

TEST_F(AutoCadNoDisco, Lição2DApagaDozeVariantesDosExercícios) {
    for (const char* n :
         {"Exercício 01.dwg", "Exercicio02.dwg", "exercício03.DWG", "Exercício 04.dwg"})
        Criar(q(n), "antigo");
    const QStringList resta = Rodar("cAutoCad", 2);
    EXPECT_EQ(resta, QStringList({"Exercício 04.dwg", "cad.jpg", "desenho1.dwg", "soft.jpg"}));
}

TEST_F(AutoCadNoDisco, Cad2000RefeitaGuardaOutrosArquivos) {
    // No folder yet: made and filled.
    Rodar("cAutoCadII", 10);
    EXPECT_EQ(Ler(q("cad2000/sofá.dwg")), "sofá.dwg");
    EXPECT_EQ(Ler(q("planta.dwg")), "planta7.dwg");
    EXPECT_EQ(t1().Nomeprog->text(), inst + "\\QVAC2DIIex07");

    // With the student's own drawing in it: that stays, the five are replaced.
    Criar(q("cad2000/minha cozinha.dwg"), "meu");
    Criar(q("cad2000/pia.dwg"), "alterada");
    Rodar("cAutoCadII", 10);
    EXPECT_EQ(Ler(q("cad2000/minha cozinha.dwg")), "meu");
    EXPECT_EQ(Ler(q("cad2000/pia.dwg")), "pia.dwg");
    EXPECT_EQ(QDir(c + "/qvcurso/cad2000").entryList(QDir::Files).size(), 6);

    // A direct-copy source missing from the installation leaves that one drawing out.
    QFile::remove(inst + "/geladeira.dwg");
    QFile::remove(q("cad2000/geladeira.dwg"));
    Rodar("cAutoCadII", 10);
    EXPECT_FALSE(Existe(q("cad2000/geladeira.dwg")));
    EXPECT_EQ(inícios.size(), 1u);
    EXPECT_TRUE(diálogos.mensagens.empty());
}

TEST_F(AutoCadNoDisco, PastaDeSímbolosSóSaiQuandoVazia) {
    Criar(q("símbolos/cama.dwg"));
    Criar(q("símbolos/Sanitário.dwg"));
    Rodar("cAutoCadII", 9);
    EXPECT_FALSE(Existe(q("símbolos")));

    Criar(q("símbolos/portad.dwg"));
    Criar(q("símbolos/meu bloco.dwg"), "meu");
    Rodar("cAutoCadII", 9);
    EXPECT_FALSE(Existe(q("símbolos/portad.dwg")));
    EXPECT_EQ(Ler(q("símbolos/meu bloco.dwg")), "meu");
    EXPECT_EQ(inícios.size(), 1u);
}

TEST_F(AutoCadNoDisco, FonteAusenteNoMeioParaOItemComMensagem) {
    QFile::remove(inst + "/soft.jpg");
    Rodar("cAutoCad", 2);
    EXPECT_TRUE(vb::ProgramEnded());
    EXPECT_TRUE(inícios.empty());
    EXPECT_TRUE(Existe(q("desenho1.dwg"))); // staged before it: stays
    EXPECT_FALSE(Existe(q("cad.jpg")));     // after it: never runs
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Arquivo " + inst + "/soft.jpg não encontrado");
}

TEST_F(AutoCadNoDisco, ProgramaDaLiçãoAusenteMostraMensagemEMenuFica) {
    QFile::remove(inst + "/QVACAD3D05");
    Rodar("CACAD3D", 5);
    EXPECT_FALSE(vb::ProgramEnded());
    EXPECT_TRUE(inícios.empty());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Programa " + inst + "/QVACAD3D05 não encontrado");
    EXPECT_EQ(t1().Nomeprog->text(), inst + "\\QVACAD3D05");
    EXPECT_TRUE(t1().isVisible());
}

} // namespace
} // namespace menu::teste
