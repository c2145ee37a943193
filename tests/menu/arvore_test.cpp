// The menu tree of the main window: course menus, lesson items, design-time state, the
// control arrays and the frame menus.

#include "ambiente_menu.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace menu::teste {
namespace {

using Árvore = Menu;

TEST_F(Árvore, CursosEmOrdemComSuasLegendas) {
    Tela1 t({});
    const QList<QAction*> topo = t.menuBar()->actions();
    ASSERT_EQ(topo.size(), 3);
    EXPECT_EQ(topo[0]->text(), "&Cursos");
    EXPECT_EQ(topo[1]->text(), "&Sobre");
    EXPECT_EQ(topo[2]->text(), "Sai&r");
    const QList<QAction*> grupos = t.Cursos->actions();
    ASSERT_EQ(grupos.size(), 2);
    EXPECT_EQ(grupos[0]->menu()->objectName(), "COffice");
    EXPECT_EQ(grupos[1]->menu()->objectName(), "CProfissionais");

    const char* esperados[][2] = {
        {"CWindows", "Windows"},         {"CInternet", "Internet"},
        {"CWordB", "Word Básico"},       {"CExcelB", "Excel Básico"},
        {"CAccessB", "Access Básico"},   {"CPowerPointB", "PowerPoint"},
        {"CIntegração", "Integração"},   {"CWordA", "Word Avançado"},
        {"CExcelA", "Excel Avançado"},   {"CAccessA", "Access Avançado"},
        {"CCorel10B", "Corel  Básico"},  {"CCorel10A", "Corel Avçdo"},
        {"cpagemaker", "PageMaker"},     {"cjavascript", "JavaScript"},
        {"cfrontpage", "FrontPage"},     {"CProject", "Project"},
        {"cVisualBasic", "VisualBasic"}, {"cvba00", "Visual Basic Avc"},
        {"cAutoCad0", "AutoCad 2D I"},   {"cAutoCad00", "AutoCad 2D II"},
        {"CACAD3D00", "AutoCAD 3D"},     {"CHTML", "HTML"},
        {"CFlash00", "Flash"},
    };
    QStringList achados;
    for (QAction* g : grupos)
        for (QAction* m : g->menu()->actions())
            achados << m->menu()->objectName() + "|" + m->text();
    ASSERT_EQ(achados.size(), 23);
    for (int i = 0; i < 23; ++i)
        EXPECT_EQ(achados[i],
                  QString::fromUtf8(esperados[i][0]) + "|" + QString::fromUtf8(esperados[i][1]));
    EXPECT_EQ(t.menuCurso("CWordA")->parent(), grupos[0]->menu());
    EXPECT_EQ(t.menuCurso("CCorel10B")->parent(), grupos[1]->menu());
}

TEST_F(Árvore, ItensComNomesLegendasEEstadoDeProjeto) {
    Tela1 t({});
    int itens = 0;
    QStringList ativos;
    for (const catalogo::MenuCurso* curso : catalogo::Cursos()) {
        const QList<QAction*> ações = t.menuCurso(curso->controle)->actions();
        ASSERT_EQ(ações.size(), int(curso->itens.size())) << curso->controle;
        for (int i = 0; i < ações.size(); ++i) {
            const catalogo::Item& it = curso->itens[i];
            QAction* a = ações[i];
            EXPECT_EQ(a->objectName(), QString::fromUtf8(it.controle));
            EXPECT_EQ(a->text(), QString::fromUtf8(it.legenda));
            if (it.índice) {
                EXPECT_EQ(a->data().toInt(), i + 1) << it.controle;
            }
            if (a->isEnabled())
                ativos << a->objectName() + (it.índice ? QString::number(it.índice) : "");
            ++itens;
        }
    }
    EXPECT_EQ(itens, 278);
    EXPECT_EQ(ativos.join(' '), "CWin01 CWin02 CWin03 CNet01 CWOB01 CEXB01 CACB01 CPPT01 "
                                "cintg01 cwavc01 cexavc01 cacavc01 CCorel1001 cpagemaker01 "
                                "cjavascript01 cfrontpage01 cprj01 cvb01 cvba1 cAutoCad1 "
                                "cAutoCadII1 CACAD3D1 cHTML001 Cflash1");
    EXPECT_EQ(t.item("cAutoCadII", 6)->text(), "     - Exercício Módulo 5");
    EXPECT_EQ(t.item("cAutoCad", 7)->text(),
              "07 - Arredondar cantos; Trim e Extend; Chamfer e Fillet; Relembrando \"Polyline\"");
}

TEST_F(Árvore, ÍndiceForaDoArranjoNãoFazNada) {
    Tela1 t({});
    t.Form_Load();
    t.Nomeprog->setText("antes");
    t.Codprog->setText("0000");
    for (int índice : {0, 18, -1, 32767})
        EXPECT_TRUE(vb::Handler([&] { t.Item_Click(catalogo::cursoAutoCad2DII, índice); }));
    EXPECT_EQ(t.Nomeprog->text(), "antes");
    EXPECT_EQ(t.Codprog->text(), "0000");
    EXPECT_TRUE(inícios.empty());
    EXPECT_FALSE(vb::ProgramEnded());
}

TEST_F(Árvore, SobreAbreEOKDescarrega) {
    Instalar({"QVAC2D01"});
    ASSERT_TRUE(Iniciar());
    t1().Sobre->trigger();
    ASSERT_NE(t1().telaSobre(), nullptr);
    TelaSobre* sobre = t1().telaSobre();
    EXPECT_TRUE(sobre->isVisible());
    EXPECT_EQ(sobre->windowTitle(), "Sobre Cursos Aulavix");
    EXPECT_EQ(sobre->Image2->pixmap().size(), QSize(216, 153));
    t1().Sobre->trigger(); // again while open: the same box
    EXPECT_EQ(t1().telaSobre(), sobre);
    sobre->Command1->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(t1().telaSobre(), nullptr);
    t1().Sobre->trigger();
    EXPECT_NE(t1().telaSobre(), nullptr);
}

TEST_F(Árvore, SairEFecharEncerramComJanelasAbertas) {
    Instalar({"QVAC2D01"});
    ASSERT_TRUE(Iniciar());
    t1().Sobre->trigger();
    t1().form3()->Mostrar();
    t1().Sair->trigger();
    EXPECT_TRUE(vb::ProgramEnded());
    EXPECT_FALSE(t1().isVisible());
    EXPECT_FALSE(t1().form3()->isVisible());

    vb::ResetProgramEnd();
    ASSERT_TRUE(Iniciar());
    t1().close();
    EXPECT_TRUE(vb::ProgramEnded());
}

} // namespace
} // namespace menu::teste
