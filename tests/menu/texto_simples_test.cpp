// Texts that come from a file or from the student are shown as written, never as markup: a
// student name such as "<img src=...>" made the main window's label load that file.

#include "ambiente_menu.h"
#include "registros.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace menu::teste {
namespace {

// What the real dialogs showed: every label's text and whether all of them were plain text.
// Each box is answered as soon as it shows, an input box with `resposta`.
class CaixasReais {
  public:
    CaixasReais(vb::Diálogos& falsos, QString resposta) : falsos_(falsos) {
        vb::instalarDiálogos(nullptr);
        relógio_.callOnTimeout([this, resposta] {
            QWidget* caixa = QApplication::activeModalWidget();
            if (!caixa)
                return;
            for (const QLabel* r : caixa->findChildren<QLabel*>()) {
                if (r->text().isEmpty())
                    continue; // the icon
                textos << r->text();
                simples = simples && r->textFormat() == Qt::PlainText;
            }
            if (auto* pergunta = qobject_cast<QInputDialog*>(caixa))
                pergunta->setTextValue(resposta);
            qobject_cast<QDialog*>(caixa)->accept();
        });
        relógio_.start(5);
    }
    ~CaixasReais() { vb::instalarDiálogos(&falsos_); }
    bool mostrou(const QString& texto) const {
        return std::any_of(textos.begin(), textos.end(),
                           [&](const QString& t) { return t.contains(texto); });
    }

    QStringList textos;
    bool simples = true;

  private:
    vb::Diálogos& falsos_;
    QTimer relógio_;
};

// Markup in each source of text: the student file (name and registration), the support address
// of the installation settings, a path in a message (a base folder named with markup), and the
// input box that asks for the student file's folder.
TEST_F(Menu, TextosDeArquivosEDoAlunoSãoTextoSimples) {
    const QString nome = QStringLiteral("<img src=\"foto.png\">Ana</b>");
    const QString matrícula = QStringLiteral("<b>7<");
    const QString suporte = QStringLiteral("<a href=x>suporte@curso</a>");
    const QString pastaComMarcação = raiz + QStringLiteral("/<i>cursos");
    struct Caso {
        const char* fonte;
        std::function<void()> preparar;
        FonteAluno aluno;
        const char* clique; // a lesson item to click after the start
        QString resposta;   // the answer of an input box
        QStringList mostrado;
    };
    const std::vector<Caso> casos = {
        {"aluno.dat",
         [&] {
             Instalar({"QVAC2D01"});
             Criar(a + "/aluno.dat", vb::ParaAnsi(matrícula + nome.leftJustified(32) +
                                                  QString(28, QLatin1Char('1'))));
         },
         FonteAluno::DriveA,
         nullptr,
         {},
         {}},
        {"qvmenu.ini",
         [&] {
             Criar(inst + "/qvmenu.ini",
                   ("[suporte]\nendereco=" + suporte + "\n[unidades]\nC=../c\n").toUtf8());
         },
         FonteAluno::Nenhum,
         nullptr,
         {},
         {QStringLiteral("Maiores informações: ") + suporte}},
        {"pasta base",
         [&] {
             Instalar({"QVAC2D01"});
             ASSERT_TRUE(QDir().mkpath(pastaComMarcação));
             QDir::setCurrent(pastaComMarcação);
         },
         FonteAluno::Nenhum,
         "CWin07",
         {},
         {QStringLiteral("Arquivo ") + pastaComMarcação + QStringLiteral("/demoppt.ppt")}},
        {"perguntar",
         [&] { Instalar({"QVAC2D01"}); },
         FonteAluno::Perguntar,
         nullptr,
         QStringLiteral("c:\\<b>"),
         {QStringLiteral("Informe o drive\\path"),
          QStringLiteral("Arquivo de aluno não encontrado")}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.fonte);
        TearDown();
        ASSERT_TRUE(QDir(raiz).removeRecursively());
        SetUp();
        caso.preparar();
        CaixasReais caixas(diálogos, caso.resposta);
        Instalação i = LerInstalação(inst);
        vb::DriveMap::atual().definir('C', c);
        vb::DriveMap::atual().definir('A', a);
        i.fonte = caso.aluno;
        tela2 = std::make_unique<Tela2>(i);
        vb::Handler([this] { tela2->Form_Load(); });
        if (caso.clique && !vb::ProgramEnded())
            Clicar(QString::fromUtf8(caso.clique));
        EXPECT_TRUE(caixas.simples) << caixas.textos.join(" | ").toStdString();
        for (const QString& t : caso.mostrado)
            EXPECT_TRUE(caixas.mostrou(t))
                << t.toStdString() << " in " << caixas.textos.join(" | ").toStdString();
        if (caso.aluno == FonteAluno::DriveA) {
            for (const QLabel* r : {t1().cabalunonome, tela2->alunonome}) {
                EXPECT_EQ(r->textFormat(), Qt::PlainText);
                EXPECT_EQ(r->text(), nome.leftJustified(32));
            }
            for (const QLabel* r : {t1().cabalunomatrícula, tela2->alunomatrícula}) {
                EXPECT_EQ(r->textFormat(), Qt::PlainText);
                EXPECT_EQ(r->text(), matrícula);
            }
        }
    }
}

// Every label of every window of the menu is plain text, whatever it holds now.
TEST_F(Menu, TodoRótuloDasJanelasÉTextoSimples) {
    Instalar({"QVAC2D01"});
    ASSERT_TRUE(Iniciar());
    t1().Sobre_Click();
    for (const QWidget* janela : std::initializer_list<const QWidget*>{
             &t1(), tela2.get(), t1().telaSobre(), t1().form3()}) {
        ASSERT_NE(janela, nullptr);
        const auto rótulos = janela->findChildren<QLabel*>();
        EXPECT_FALSE(rótulos.isEmpty()) << janela->objectName().toStdString();
        for (const QLabel* r : rótulos)
            EXPECT_EQ(r->textFormat(), Qt::PlainText)
                << janela->objectName().toStdString() << " " << r->objectName().toStdString();
    }
}

} // namespace
} // namespace menu::teste
