// The Windows lesson items: the practice tree "c:\00Documentos" rebuilt by lessons 08 to 10,
// and lesson 11's copy into the root of drive C:.

#include "ambiente_menu.h"

#include <QDirIterator>

namespace menu::teste {
namespace {

using catalogo::Passo;

class Windows : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        // Every source the items name, each holding its own name, and their programs.
        for (const catalogo::Item& it : catalogo::cursoWindows.itens) {
            Criar(inst + "/" + QString::fromUtf8(it.programa), "#!/bin/sh\n");
            for (const catalogo::Etapa& e : it.etapas) {
                if (e.passo != Passo::Copia && e.passo != Passo::CópiaDireta)
                    continue;
                if (!e.lista) {
                    Criar(inst + "/" + QString::fromUtf8(e.a), e.a);
                    continue;
                }
                for (const char* n : *e.lista)
                    Criar(inst + "/" + QString::fromUtf8(e.a) + QString::fromUtf8(n), n);
            }
        }
        ASSERT_TRUE(Iniciar());
        docs = c + "/00Documentos";
        fora = raiz + "/fora";
    }

    // The two bank spreadsheets, named by the installation.
    static QStringList Bancos() {
        for (const catalogo::Etapa& e : catalogo::cursoWindows.itens[7].etapas)
            if (e.lista && QByteArray(e.b).contains("bancos")) {
                QStringList r;
                for (const char* n : *e.lista)
                    r << QString::fromUtf8(n);
                return r;
            }
        return {};
    }

    static QStringList LayoutA() {
        QStringList r{"escola/",
                      "escola/Recebimentos.doc=recebimentos.doc",
                      "escola/alunos/",
                      "escola/alunos/classe1.doc=classe1.doc",
                      "escola/alunos/classe2.doc=classe2.doc",
                      "escola/logo/",
                      "escola/logo/antigo.bmp=antigo.bmp",
                      "escola/logo/novo.bmp=novo.bmp",
                      "escola/notas/",
                      "escola/notas/Geral.doc=Geral.doc",
                      "escola/notas/Provas.xls=Provas.xls",
                      "escola/notas/Trabalhos.xls=Trabalhos.xls",
                      "pessoais/",
                      "pessoais/Dívidas.xls=Dívidas.xls",
                      "pessoais/bancos/",
                      "pessoais/cartas/",
                      "pessoais/cartas/Carta1.doc=Carta1.doc",
                      "pessoais/cartas/Carta2.doc=Carta2.doc"};
        for (const QString& b : Bancos())
            r << "pessoais/bancos/" + b + "=" + b;
        r.sort();
        return r;
    }
    static QStringList LayoutB() {
        QStringList r = LayoutA();
        r << "escola/logo/bandeira.gif=bandeira.gif"
          << "escola/logo/círculos.bmp=círculos.bmp"
          << "pessoais/cartas/bolhas.bmp=bolhas.bmp"
          << "pessoais/impostos/"
          << "pessoais/impostos/Ano2002/"
          << "pessoais/impostos/Ano2002/calc.exe=calc.exe";
        r.sort();
        return r;
    }

    QString docs, fora;
};

TEST_F(Windows, ÁrvoreMontadaDoZeroNosDoisLayouts) {
    ASSERT_EQ(Bancos().size(), 2);
    for (const QString& b : Bancos())
        EXPECT_TRUE(b.endsWith(".xls")) << b.toStdString();

    Rodar("CWin09");
    EXPECT_EQ(Texto(ÁrvoreDe(docs)), Texto(LayoutA()));
    EXPECT_TRUE(Iniciou("QVWin09"));
    EXPECT_EQ(t1().Codprog->text(), "0109");
    EXPECT_TRUE(diálogos.mensagens.empty());

    QDir(docs).removeRecursively();
    Rodar("CWin11");
    EXPECT_EQ(Texto(ÁrvoreDe(docs)), Texto(LayoutB()));
    EXPECT_TRUE(Iniciou("QVWin11"));
    EXPECT_TRUE(diálogos.mensagens.empty());
}

TEST_F(Windows, ÁrvoreRefeitaSobreAAnterior) {
    Rodar("CWin11");
    // What the student did to the tree since.
    Criar(docs + "/escola/notas/minha nota.doc", "do aluno");
    Criar(docs + "/pessoais/impostos/Ano2001/ir.xls", "do aluno");
    Criar(docs + "/solto.txt", "do aluno");
    Criar(docs + "/pessoais/cartas/Carta1.doc", "alterada");
    QFile::remove(docs + "/escola/logo/novo.bmp");

    Rodar("CWin10");
    EXPECT_EQ(Texto(ÁrvoreDe(docs)), Texto(LayoutA()));
    EXPECT_TRUE(Iniciou("QVWin10"));
    for (const char* n : {"calc.exe", "bolhas.bmp", "círculos.bmp", "bandeira.gif"})
        EXPECT_EQ(Ler(c + "/qvcurso/" + n), n);

    Rodar("CWin11");
    EXPECT_EQ(Texto(ÁrvoreDe(docs)), Texto(LayoutB()));
    Rodar("CWin09");
    EXPECT_EQ(Texto(ÁrvoreDe(docs)), Texto(LayoutA()));
    EXPECT_TRUE(diálogos.mensagens.empty());
}

TEST_F(Windows, PastaDoAlunoDentroDaÁrvoreFica) {
    Rodar("CWin09");
    Criar(docs + "/escola/projeto/meu.doc", "do aluno");
    Criar(docs + "/escola/projeto/fotos/praia.jpg", "do aluno");

    Rodar("CWin09");
    QStringList esperado = LayoutA();
    esperado << "escola/projeto/"
             << "escola/projeto/meu.doc=do aluno"
             << "escola/projeto/fotos/"
             << "escola/projeto/fotos/praia.jpg=do aluno";
    esperado.sort();
    EXPECT_EQ(Texto(ÁrvoreDe(docs)), Texto(esperado));
    EXPECT_TRUE(Iniciou("QVWin09"));
    EXPECT_TRUE(diálogos.mensagens.empty());
}

TEST_F(Windows, LigaçãoSimbólicaSaiEOAlvoFica) {
    Criar(fora + "/precioso.doc", "do aluno");
    Criar(fora + "/planilha.xls", "do aluno");
    Criar(fora + "/turma/classe1.doc", "do aluno");
    Criar(fora + "/turma/tese.doc", "do aluno");
    const QStringList foraAntes = ÁrvoreDe(fora);

    Rodar("CWin09");
    ASSERT_TRUE(QFile::link(fora, docs + "/pessoais/atalho"));
    ASSERT_TRUE(QFile::link(fora + "/planilha.xls", docs + "/escola/notas/ligado.xls"));
    ASSERT_TRUE(QFile::link(fora + "/precioso.doc", docs + "/escola/notas/Geral.doc.lnk"));
    // A practice folder replaced by a link to a folder outside the tree.
    QDir(docs + "/escola/alunos").removeRecursively();
    ASSERT_TRUE(QFile::link(fora + "/turma", docs + "/escola/alunos"));

    Rodar("CWin09");
    EXPECT_EQ(Texto(ÁrvoreDe(fora)), Texto(foraAntes));
    EXPECT_EQ(Texto(ÁrvoreDe(docs)), Texto(LayoutA()));
    EXPECT_TRUE(Iniciou("QVWin09"));

    // A whole branch of the tree moved out and linked back: what lies there is not cleared.
    const QString fora2 = raiz + "/fora2";
    Criar(fora2 + "/cartas/Carta1.doc", "do aluno");
    Criar(fora2 + "/bancos/conta.xls", "do aluno");
    Criar(fora2 + "/Dívidas.xls", "do aluno");
    const QStringList fora2Antes = ÁrvoreDe(fora2);
    QDir(docs + "/pessoais").removeRecursively();
    ASSERT_TRUE(QFile::link(fora2, docs + "/pessoais"));
    Rodar("CWin09");
    EXPECT_EQ(Texto(ÁrvoreDe(fora2)), Texto(fora2Antes));
    EXPECT_EQ(Texto(ÁrvoreDe(docs)), Texto(LayoutA()));
    EXPECT_TRUE(Iniciou("QVWin09"));
}

TEST_F(Windows, LiçãoOnzeCopiaParaARaizDeCEComNomeCurto) {
    Rodar("CWin12");
    EXPECT_EQ(Ler(c + "/AAteste.tvx"), "AAteste.tvx");
    EXPECT_EQ(Ler(c + "/qvcurso/Jvelha.exe"), "jogovelha.exe");
    EXPECT_FALSE(Existe(c + "/qvcurso/jogovelha.exe"));
    EXPECT_TRUE(Iniciou("QVWin12"));
    EXPECT_EQ(t1().Codprog->text(), "0112");

    // A second click overwrites the student's file, also when the lesson cannot start.
    Criar(c + "/AAteste.tvx", "alterado");
    QFile::remove(inst + "/QVWin12");
    Rodar("CWin12");
    EXPECT_EQ(Ler(c + "/AAteste.tvx"), "AAteste.tvx");
    EXPECT_TRUE(inícios.empty());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Programa " + inst + "/QVWin12 não encontrado");
}

TEST_F(Windows, LiçãoOnzeNomeiaProgramaSóDepoisDasCópias) {
    Rodar("CWin07");
    QFile::remove(inst + "/jogovelha.exe");
    Rodar("CWin12");
    EXPECT_EQ(Ler(c + "/AAteste.tvx"), "AAteste.tvx"); // made before the missing source
    EXPECT_TRUE(inícios.empty());
    EXPECT_TRUE(vb::ProgramEnded());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Arquivo " + inst + "/jogovelha.exe não encontrado");
    EXPECT_EQ(t1().Codprog->text(), "0107"); // the previous lesson's, never rewritten
}

} // namespace
} // namespace menu::teste
