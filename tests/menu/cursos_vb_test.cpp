// The VisualBasic lesson items: result files killed, project files staged, lesson 07's flags
// folder rebuilt, and lessons 09 to 11 going through the Access-version dialog.

#include "ambiente_menu.h"

#include <QPushButton>

namespace menu::teste {
namespace {

using catalogo::Passo;

class Vb : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        for (const catalogo::Item& it : catalogo::cursoVB.itens) {
            Criar(inst + "/" + QString::fromUtf8(it.programa), "#!/bin/sh\n");
            for (const catalogo::Etapa& e : it.etapas) {
                if (e.passo != Passo::Copia && e.passo != Passo::CópiaDireta)
                    continue;
                if (!e.lista) {
                    Criar(inst + "/" + Fonte(e.a), Fonte(e.a).toUtf8());
                    continue;
                }
                for (const char* n : *e.lista)
                    Criar(inst + "/" + Fonte(e.a, n), Fonte(e.a, n).toUtf8());
            }
        }
        for (const char* n :
             {"cadpro.xls", "cadpro97.mdb", "cadpro2000.mdb", "clientes97.mdb", "clientes2000.mdb"})
            Criar(inst + "/" + n, n);
        ASSERT_TRUE(Iniciar());
    }
    static QString Fonte(const char* a, const char* n = "") {
        QString s = QString::fromUtf8(a) + QString::fromUtf8(n);
        s.replace('\\', '/');
        while (s.startsWith('/'))
            s.remove(0, 1);
        return s;
    }

    QString q(const QString& nome) const { return c + "/qvcurso/" + nome; }
    QStringList Arquivos(const QString& pasta = {}) const {
        QStringList r = QDir(c + "/qvcurso/" + pasta).entryList(QDir::Files | QDir::Hidden);
        r.sort();
        return r;
    }
};

TEST_F(Vb, Lição09ConfirmadaSemVersãoFicaSemBancoEInicia) {
    for (const char* n : {"estoque1.frm", "estoque1.vbp", "Estoque2.FRM", "cadpro.mdb"})
        Criar(q(n), "do aluno");
    Criar(q("cadpro.xls"), "velha");
    Criar(q("outro.txt"), "do aluno");

    Rodar("cvb09");
    Form3& f3 = *t1().form3();
    ASSERT_TRUE(f3.isVisible());
    // The kills are done before the dialog asks anything.
    EXPECT_EQ(Arquivos(), QStringList({"cadpro.xls", "outro.txt"}));
    EXPECT_TRUE(inícios.empty());

    f3.Confirmar->click();
    EXPECT_EQ(Arquivos(), QStringList({"cadpro.xls", "outro.txt"}));
    EXPECT_EQ(Ler(q("cadpro.xls")), "cadpro.xls");
    EXPECT_EQ(Ler(q("outro.txt")), "do aluno");
    EXPECT_TRUE(Iniciou("QVvb609"));
    EXPECT_EQ(t1().Codprog->text(), "1609");
}

TEST_F(Vb, Lição10FechadaDeixaOsBancosApagados) {
    Criar(q("cadpro.mdb"), "do aluno");
    Criar(q("clientes.mdb"), "do aluno");
    Criar(q("exerclientes.frm"), "do aluno");
    Rodar("cvb10");
    t1().form3()->close();
    EXPECT_EQ(Arquivos(),
              QStringList({"qvestoque3.frm", "qvestoque3.txt", "qvestoque3.vbp", "qvestoque3.vbw",
                           "qvexerclientes.frm", "qvexerclientes.vbp", "qvexerclientes.vbw"}));
    EXPECT_TRUE(inícios.empty());
    EXPECT_FALSE(vb::ProgramEnded());
}

TEST_F(Vb, Lição07RefazAPastaDeBandeiras) {
    const QStringList ícones = QDir(inst + "/flags").entryList(QDir::Files);
    ASSERT_EQ(ícones.size(), 37);

    Rodar("cvb07");
    EXPECT_EQ(Arquivos("flags"), ícones);
    EXPECT_EQ(Ler(q("flags/FLGUSA02.ico")), "flags/FLGUSA02.ico");
    EXPECT_EQ(Ler(q("QVPastas.vbp")), "QVPastas.vbp");
    EXPECT_TRUE(Iniciou("QVvb607"));

    // Chosen again: the student's icons and sub-folder go, the 37 come back fresh.
    Criar(q("flags/meu.ico"), "do aluno");
    Criar(q("flags/CTRCAN.ico"), "alterado");
    Criar(q("flags/extras/outra.ico"), "do aluno");
    Rodar("cvb07");
    EXPECT_EQ(Arquivos("flags"), ícones);
    EXPECT_EQ(QDir(q("flags")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(Ler(q("flags/CTRCAN.ico")), "flags/CTRCAN.ico");
    EXPECT_TRUE(Iniciou("QVvb607"));

    // An icon missing from the installation is passed over without a word.
    QFile::remove(inst + "/flags/FLGNZ.ico");
    Rodar("cvb07");
    EXPECT_EQ(Arquivos("flags").size(), 36);
    EXPECT_FALSE(Existe(q("flags/FLGNZ.ico")));
    EXPECT_TRUE(diálogos.mensagens.empty());
    EXPECT_TRUE(Iniciou("QVvb607"));
}

TEST_F(Vb, Lição06EscreveOCódigoDepoisDoKill) {
    Criar(q("menus.frm"), "do aluno");
    Criar(q("Menus.vbp"), "do aluno");
    Rodar("cvb06");
    EXPECT_EQ(Arquivos(),
              QStringList({"qvmenus.frm", "qvmenus.txt", "qvmenus.vbp", "qvmenus.vbw"}));
    EXPECT_EQ(t1().Codprog->text(), "1606");
    EXPECT_TRUE(Iniciou("QVvb606"));

    // A copy that ends the program leaves the code of the earlier lesson and the results.
    Rodar("cvb05");
    Criar(q("menus.frm"), "do aluno");
    QFile::remove(inst + "/qvmenus.txt");
    Rodar("cvb06");
    EXPECT_EQ(t1().Nomeprog->text(), "QVvb606");
    EXPECT_EQ(t1().Codprog->text(), "1605");
    EXPECT_EQ(Ler(q("menus.frm")), "do aluno");
    EXPECT_TRUE(inícios.empty());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Arquivo " + inst + "/qvmenus.txt não encontrado");
}

} // namespace
} // namespace menu::teste
