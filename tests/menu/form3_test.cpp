// The Access-version dialog, opened through the lesson items and run against a temporary
// installation and work folder.

#include "ambiente_menu.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace menu::teste {
namespace {

using catalogo::Passo;

bool AbreODiálogo(const catalogo::Item& it) {
    for (const catalogo::Etapa& e : it.etapas)
        if (e.passo == Passo::Diálogo)
            return true;
    return false;
}

// The lesson item that opens the dialog with a given code.
const catalogo::Item* ItemDoCódigo(const char* código) {
    for (const catalogo::MenuCurso* curso : catalogo::Cursos())
        for (const catalogo::Item& it : curso->itens)
            if (qstrcmp(it.código, código) == 0 && AbreODiálogo(it))
                return &it;
    return nullptr;
}

class Diálogo : public Menu {
  protected:
    void SetUp() override {
        Menu::SetUp();
        // The programs and staged files of every item that opens the dialog, plus the first
        // Access lesson, which starts directly.
        for (const catalogo::MenuCurso* curso : catalogo::Cursos())
            for (const catalogo::Item& it : curso->itens) {
                if (!AbreODiálogo(it))
                    continue;
                Criar(inst + "/" + QString::fromUtf8(it.programa), "#!/bin/sh\n");
                for (const catalogo::Etapa& e : it.etapas)
                    if (e.passo == Passo::Copia)
                        Criar(inst + "/" + QString::fromUtf8(e.a), e.a);
            }
        Instalar({"QVACB01"});
        // Every sample of the table, each holding its own name.
        auto criar = [this](const auto& coluna) {
            for (const CópiaAmostra& cp : coluna)
                if (cp.origem)
                    Criar(inst + "/" + QString::fromUtf8(cp.origem), cp.origem);
        };
        for (const LinhaAmostra& linha : TabelaAmostras()) {
            criar(linha.sempre);
            criar(linha.access97);
            criar(linha.access2000);
        }
        ASSERT_TRUE(Iniciar());
    }

    Form3& f3() { return *t1().form3(); }
    QString q(const QString& nome) const { return c + "/qvcurso/" + nome; }

    // A click as the student makes it, starting from a clean record of what happened.
    void Escolher(const QString& controle) {
        vb::ResetProgramEnd();
        inícios.clear();
        diálogos.mensagens.clear();
        Clicar(controle);
    }
    void Confirmar() { f3().Confirmar->click(); }

    void EsvaziarTrabalho() {
        QDir(c + "/qvcurso").removeRecursively();
        QDir().mkpath(c + "/qvcurso");
    }
    // The work folder's files as "name=content", sorted.
    QStringList Trabalho() const {
        QStringList r;
        for (const QString& n : QDir(c + "/qvcurso").entryList(QDir::Files | QDir::Hidden))
            r << n + "=" + QString::fromUtf8(Ler(q(n)));
        r.sort();
        return r;
    }
};

TEST_F(Diálogo, CadaLinhaCopiaAsAmostrasDaVersãoEscolhida) {
    int cópias = 0;
    for (const LinhaAmostra& linha : TabelaAmostras()) {
        const catalogo::Item* it = ItemDoCódigo(linha.código);
        ASSERT_NE(it, nullptr) << linha.código;
        for (const bool é97 : {true, false}) {
            SCOPED_TRACE(std::string(linha.código) + (é97 ? " Access 97" : " Access 2000"));
            Escolher(it->controle);
            ASSERT_TRUE(f3().isVisible());
            EsvaziarTrabalho(); // what the VB lessons staged themselves is not the dialog's
            (é97 ? f3().Access97 : f3().Access2000)->setChecked(true);
            Confirmar();

            QStringList esperado;
            auto somar = [&](const auto& coluna) {
                for (const CópiaAmostra& cp : coluna)
                    if (cp.origem)
                        esperado << QString::fromUtf8(cp.destino) + "=" +
                                        QString::fromUtf8(cp.origem);
            };
            somar(linha.sempre);
            somar(é97 ? linha.access97 : linha.access2000);
            esperado.sort();
            EXPECT_EQ(Trabalho(), esperado);
            cópias += int(Trabalho().size()) - (linha.sempre[0].origem ? 1 : 0);
            EXPECT_TRUE(Iniciou(QString::fromUtf8(it->programa)));
            EXPECT_TRUE(vb::ProgramEnded());
            EXPECT_TRUE(diálogos.mensagens.empty());
        }
        if (linha.sempre[0].origem)
            ++cópias; // made whatever the version, counted once
    }
    EXPECT_EQ(cópias, 59);

    // "0902" leads to the same samples as "0901".
    Escolher("cacavc02");
    EsvaziarTrabalho();
    f3().Access2000->setChecked(true);
    Confirmar();
    EXPECT_EQ(Trabalho(), QStringList{"biblio.mdb=biblio2k.mdb"});
    EXPECT_TRUE(Iniciou("QVACA02"));
}

TEST_F(Diálogo, AmostrasComNomesIrregulares) {
    Escolher("cacavc07");
    f3().Access97->setChecked(true);
    Confirmar();
    EXPECT_EQ(Ler(q("biblio.mdb")), "bibli976.mdb");
    EXPECT_TRUE(Iniciou("QVACA07"));

    Escolher("cacavc07");
    f3().Access2000->setChecked(true);
    Confirmar();
    EXPECT_EQ(Ler(q("biblio.mdb")), "biblio2k6.mdb");

    // The Access 97 samples of the Produtos rows begin in lower case, the copy in upper case.
    EsvaziarTrabalho();
    Escolher("cacavc13");
    f3().Access97->setChecked(true);
    Confirmar();
    EXPECT_EQ(Trabalho(), QStringList{"Produtos.mdb=produtos9712.mdb"});
}

TEST_F(Diálogo, SemOpçãoSóACópiaDeSempre) {
    Escolher("cacavc05");
    EXPECT_FALSE(f3().Access97->isChecked());
    EXPECT_FALSE(f3().Access2000->isChecked());
    Confirmar();
    EXPECT_TRUE(Trabalho().isEmpty());
    EXPECT_TRUE(Iniciou("QVACA05"));
    EXPECT_EQ(t1().Nomeprog->text(), inst + "\\QVACA05");

    Escolher("cvb09");
    EsvaziarTrabalho();
    Confirmar();
    EXPECT_EQ(Trabalho(), QStringList{"cadpro.xls=cadpro.xls"});
    EXPECT_TRUE(Iniciou("QVvb609"));
}

TEST_F(Diálogo, DuasCópiasNaOrdemDaLinha) {
    Escolher("cvb10");
    EsvaziarTrabalho();
    f3().Access2000->setChecked(true);
    Confirmar();
    EXPECT_EQ(Trabalho(),
              QStringList({"cadpro.mdb=cadpro2000.mdb", "clientes.mdb=clientes2000.mdb"}));
    EXPECT_TRUE(Iniciou("QVvb610"));

    // The second source missing: the first copy is made, then the message and the end.
    QFile::remove(inst + "/clientes2000.mdb");
    Escolher("cvb10");
    EsvaziarTrabalho();
    Confirmar();
    EXPECT_EQ(Trabalho(), QStringList{"cadpro.mdb=cadpro2000.mdb"});
    EXPECT_TRUE(inícios.empty());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Arquivo " + inst + "/clientes2000.mdb não encontrado");

    // The first one missing: nothing after it is copied.
    Criar(inst + "/clientes2000.mdb", "clientes2000.mdb");
    QFile::remove(inst + "/cadpro2000.mdb");
    Escolher("cvb10");
    EsvaziarTrabalho();
    Confirmar();
    EXPECT_TRUE(Trabalho().isEmpty());
    EXPECT_TRUE(inícios.empty());
    EXPECT_TRUE(vb::ProgramEnded());
}

TEST_F(Diálogo, FonteAusenteTerminaSemIniciar) {
    QFile::remove(inst + "/biblio972.mdb");
    Escolher("cacavc03");
    f3().Access97->setChecked(true);
    Confirmar();
    EXPECT_TRUE(vb::ProgramEnded());
    EXPECT_TRUE(inícios.empty());
    EXPECT_TRUE(Trabalho().isEmpty());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Arquivo " + inst + "/biblio972.mdb não encontrado");
    EXPECT_EQ(diálogos.mensagens[0].botões, vb::vbOKOnly);
    EXPECT_TRUE(diálogos.mensagens[0].título.isEmpty());
    EXPECT_FALSE(f3().isVisible());

    // "cadpro.xls" comes first for "1609": without it no database is copied.
    QFile::remove(inst + "/cadpro.xls");
    Escolher("cvb09");
    EsvaziarTrabalho();
    f3().Access2000->setChecked(true);
    Confirmar();
    EXPECT_TRUE(Trabalho().isEmpty());
    EXPECT_TRUE(inícios.empty());
    ASSERT_EQ(diálogos.mensagens.size(), 1u);
    EXPECT_EQ(diálogos.mensagens[0].texto, "Arquivo " + inst + "/cadpro.xls não encontrado");
}

TEST_F(Diálogo, ControlesEJanelaSemDono) {
    Escolher("CACB02");
    Form3& f = f3();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.windowTitle(), "Versão do Access");
    EXPECT_EQ(f.Label1->text(), "Que versão do Access você está usando? ");
    EXPECT_EQ(f.Label1->text().size(), 39);
    EXPECT_TRUE(f.Label1->font().bold());
    EXPECT_EQ(f.Access97->text(), "Access 97");
    EXPECT_EQ(f.Access2000->text(), "Access 2000");
    EXPECT_EQ(f.Confirmar->text(), "Confirmar");
    EXPECT_EQ(f.parentWidget(), nullptr);
    EXPECT_FALSE(f.isModal());
    EXPECT_EQ(f.windowModality(), Qt::NonModal);
    EXPECT_EQ(f.findChildren<QRadioButton*>().size(), 2);
    // Tab order: the two options, then the button.
    EXPECT_EQ(f.Access97->nextInFocusChain(), f.Access2000);
    EXPECT_EQ(f.Access2000->nextInFocusChain(), f.Confirmar);

    // One group: choosing one option clears the other.
    f.Access97->setChecked(true);
    f.Access2000->setChecked(true);
    EXPECT_FALSE(f.Access97->isChecked());
    // The main window's menus stay usable while it is open.
    EXPECT_TRUE(t1().isVisible());
    EXPECT_TRUE(t1().item("CACB03")->isEnabled());
    EXPECT_TRUE(inícios.empty());
    EXPECT_FALSE(vb::ProgramEnded());
}

TEST_F(Diálogo, SegundoItemComODiálogoAbertoGuardaASeleção) {
    Escolher("CACB02");
    f3().Access97->setChecked(true);
    Escolher("CACB05");
    EXPECT_TRUE(f3().isVisible());
    EXPECT_TRUE(f3().Access97->isChecked());
    EXPECT_EQ(t1().Nomeprog->text(), "QVACB05");
    EXPECT_EQ(t1().Codprog->text(), "0405");
    EXPECT_TRUE(Trabalho().isEmpty()); // nothing copied before "Confirmar"
    Confirmar();
    EXPECT_EQ(Trabalho(), QStringList{"agenda.mdb=agenda974.mdb"});
    EXPECT_TRUE(Iniciou("QVACB05"));
}

TEST_F(Diálogo, FecharDescarregaSemCopiarNemIniciar) {
    Escolher("CACB02");
    f3().Access97->setChecked(true);
    f3().close();
    EXPECT_FALSE(f3().isVisible());
    EXPECT_TRUE(Trabalho().isEmpty());
    EXPECT_TRUE(inícios.empty());
    EXPECT_FALSE(vb::ProgramEnded());
    EXPECT_TRUE(t1().isVisible());

    // Loaded again on the next showing, with both options cleared.
    Escolher("CACB03");
    EXPECT_TRUE(f3().isVisible());
    EXPECT_FALSE(f3().Access97->isChecked());
    EXPECT_FALSE(f3().Access2000->isChecked());
    Confirmar();
    EXPECT_TRUE(Trabalho().isEmpty());
    EXPECT_TRUE(Iniciou("QVACB03"));
}

TEST_F(Diálogo, EscFechaComoACaixaDeFechar) {
    Escolher("CACB02");
    f3().Access2000->setChecked(true);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&f3(), &esc);
    EXPECT_FALSE(f3().isVisible());
    EXPECT_TRUE(inícios.empty());
    EXPECT_FALSE(vb::ProgramEnded());

    Escolher("CACB04");
    EXPECT_FALSE(f3().Access97->isChecked());
    EXPECT_FALSE(f3().Access2000->isChecked());
}

TEST_F(Diálogo, EnterNãoConfirmaEspaçoNoBotãoSim) {
    Escolher("CACB03");
    auto tecla = [](QWidget* w, Qt::Key k) {
        QKeyEvent desce(QEvent::KeyPress, k, Qt::NoModifier, k == Qt::Key_Space ? " " : "\r");
        QKeyEvent sobe(QEvent::KeyRelease, k, Qt::NoModifier, k == Qt::Key_Space ? " " : "\r");
        QApplication::sendEvent(w, &desce);
        QApplication::sendEvent(w, &sobe);
    };
    for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter}) {
        tecla(&f3(), k);
        tecla(f3().Confirmar, k);
    }
    EXPECT_TRUE(f3().isVisible());
    EXPECT_TRUE(inícios.empty());
    EXPECT_FALSE(f3().Confirmar->isDefault());
    tecla(f3().Confirmar, Qt::Key_Space);
    EXPECT_TRUE(Iniciou("QVACB03"));
}

// A start that fails leaves the menu open with the full path in Nomeprog; a second
// "Confirmar" starts (or names) the same program, its folder not put in front twice.
TEST_F(Diálogo, SegundaConfirmaçãoDepoisDeFalharNãoDobraOCaminho) {
    QFile::remove(inst + "/QVACB03");
    Escolher("CACB03");
    for (int vez = 1; vez <= 2; ++vez) {
        diálogos.mensagens.clear();
        Confirmar();
        ASSERT_EQ(diálogos.mensagens.size(), 1u) << vez;
        EXPECT_EQ(diálogos.mensagens[0].texto, "Programa " + inst + "/QVACB03 não encontrado");
        EXPECT_EQ(t1().Nomeprog->text(), inst + "\\QVACB03");
        EXPECT_FALSE(vb::ProgramEnded());
    }
    Instalar({"QVACB03"});
    Confirmar();
    EXPECT_TRUE(Iniciou("QVACB03"));
}

TEST_F(Diálogo, LiçãoDiretaComODiálogoAbertoTerminaTudo) {
    Escolher("CACB02");
    f3().Access97->setChecked(true);
    Escolher("CACB01");
    EXPECT_TRUE(Iniciou("QVACB01"));
    EXPECT_TRUE(vb::ProgramEnded());
    EXPECT_FALSE(f3().isVisible());
    EXPECT_FALSE(t1().isVisible());
    EXPECT_TRUE(Trabalho().isEmpty());
}

} // namespace
} // namespace menu::teste
