// The HTML lesson items: practice pages and samples refreshed in the work folder, failures of
// the kills and direct copies passed over.

#include "ambiente_menu.h"

namespace menu::teste {
namespace {

using catalogo::Passo;

class Html : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        // One file per source name, as the installation holds it: "Backh.gif" and "backh.gif"
        // name the same file, which holds the name it was first created under.
        for (const catalogo::Item& it : catalogo::cursoHTML.itens) {
            Criar(inst + "/" + QString::fromUtf8(it.programa), "#!/bin/sh\n");
            for (const catalogo::Etapa& e : it.etapas) {
                if (e.passo != Passo::Copia && e.passo != Passo::CópiaDireta)
                    continue;
                if (!e.lista) {
                    Fonte(QString::fromUtf8(e.a));
                    continue;
                }
                for (const char* n : *e.lista)
                    Fonte(QString::fromUtf8(e.a) + QString::fromUtf8(n));
            }
        }
        ASSERT_TRUE(Iniciar());
    }
    void Fonte(const QString& nome) {
        if (!vb::Resolver(inst + "/" + nome).existe)
            Criar(inst + "/" + nome, nome.toUtf8());
    }

    QString q(const QString& nome) const { return c + "/qvcurso/" + nome; }
    void Rodar(int índice) {
        vb::ResetProgramEnd();
        inícios.clear();
        diálogos.mensagens.clear();
        Clicar("cHTML00", índice);
    }
    QStringList Arquivos() const { return QDir(c + "/qvcurso").entryList(QDir::Files); }
    // The work folder's files that a name denotes, whatever their case.
    QStringList Chamados(const QString& nome) const {
        QStringList r;
        for (const QString& n : Arquivos())
            if (vb::ChaveNome(n) == vb::ChaveNome(nome))
                r << n;
        return r;
    }
};

TEST_F(Html, Lição4RenomeiaAPágina2ELimpaAsDemais) {
    Rodar(3);
    EXPECT_EQ(Ler(q("Page02.html")), "Page02.html");
    EXPECT_EQ(Ler(q("estrela.gif")), "estrela.gif");
    Criar(q("PAGE05.HTM"), "do aluno");
    Criar(q("botão.htm"), "do aluno");
    Criar(q("Page01.html"), "do aluno");
    Criar(q("meu.html"), "meu");

    Rodar(4);
    EXPECT_TRUE(Iniciou("QVHTML04"));
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_EQ(Ler(q("Page021.html")), "Page02.html");
    EXPECT_TRUE(Chamados("page02.html").isEmpty());
    EXPECT_EQ(Chamados("page01.html"), QStringList{"Page01.html"});
    EXPECT_EQ(Ler(q("Page01.html")), "Page01.html");
    EXPECT_EQ(Chamados("page03.html"), QStringList{"Page03.html"});
    EXPECT_EQ(Chamados("page04.html"), QStringList{"Page04.html"});
    EXPECT_TRUE(Chamados("botão.htm").isEmpty());
    EXPECT_EQ(Chamados("botão.html"), QStringList{"botão.html"});
    for (const char* n : {"05", "06", "07", "08", "09", "10"}) {
        EXPECT_TRUE(Chamados(QString("page%1.html").arg(n)).isEmpty()) << n;
        EXPECT_TRUE(Chamados(QString("page%1.htm").arg(n)).isEmpty()) << n;
        EXPECT_EQ(Ler(q(QString("pré-page%1.html").arg(n))), QString("pré-page%1.html").arg(n));
    }
    // Picture Z and the other pictures of lesson 3 are rewritten under the name they have.
    EXPECT_EQ(Chamados("estrela.gif"), QStringList{"estrela.gif"});
    EXPECT_EQ(Chamados("anim03.gif"), QStringList{"anim03.gif"});
    EXPECT_EQ(Ler(q("animusix.gif")), "animusix.gif");
    EXPECT_EQ(Ler(q("meu.html")), "meu");
    // 69 staged files, plus the student's page and lesson 3's "pré-page04.html".
    EXPECT_EQ(Arquivos().size(), 71);
    EXPECT_EQ(Ler(q("pré-page04.html")), "pré-page04.html");
}

TEST_F(Html, Lição5GuardaAsPrimeirasPáginasEApagaAOitava) {
    for (const char* n : {"page01.html", "page02.html", "page03.html", "page04.html", "page05.html",
                          "page08.html", "botão.html"})
        Criar(q(n), "do aluno");

    Rodar(5);
    EXPECT_TRUE(Iniciou("QVHTML05"));
    EXPECT_TRUE(diálogos.mensagens.empty());
    for (const char* n : {"page01.html", "page02.html", "page03.html", "page04.html"})
        EXPECT_EQ(Ler(q(n)), "do aluno") << n;
    EXPECT_TRUE(Chamados("page08.html").isEmpty());
    for (const char* n : {"05", "06", "07", "09", "10"}) {
        const QStringList achados = Chamados(QString("page%1.html").arg(n));
        ASSERT_EQ(achados.size(), 1) << n;
        EXPECT_EQ(Ler(q(achados[0])), QString("Page%1.html").arg(n)) << n;
    }
    EXPECT_EQ(Ler(q("botão.html")), "botão.html");
    EXPECT_EQ(Ler(q("botão.htm")), "botão.htm");
    EXPECT_TRUE(Chamados("Page021.html").isEmpty());
    // 56 staged files and the student's first four pages.
    EXPECT_EQ(Arquivos().size(), 60);
}

TEST_F(Html, FalhasDoTrechoIgnoradoNãoParamOItem) {
    Rodar(1); // no "page01.html" to kill
    EXPECT_TRUE(Iniciou("QVHTML01"));
    EXPECT_TRUE(diálogos.mensagens.empty());

    QFile::remove(inst + "/Cross.jpg");
    QFile::remove(inst + "/pré-page07.html");
    Rodar(4);
    EXPECT_TRUE(Iniciou("QVHTML04"));
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_FALSE(Existe(q("Cross.jpg")));
    EXPECT_FALSE(Existe(q("pré-page07.html")));
    EXPECT_EQ(Ler(q("pré-page08.html")), "pré-page08.html");
    EXPECT_EQ(Ler(q("xvxnet08.htm")), "xvxnet08.htm");
}

TEST_F(Html, FonteDoFazCópiaAusenteAindaTermina) {
    Criar(q("page05.html"), "do aluno");
    QFile::remove(inst + "/animusix.gif");
    Rodar(5);
    EXPECT_TRUE(vb::ProgramEnded());
    EXPECT_TRUE(inícios.empty());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Arquivo " + inst + "/animusix.gif não encontrado");
    EXPECT_FALSE(Existe(q("page05.html"))); // the kills came first
    EXPECT_FALSE(Existe(q("art07.jpg")));   // the direct copies never ran
}

} // namespace
} // namespace menu::teste
