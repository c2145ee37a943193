#include "tela1.h"

#include "arquivos.h"
#include "caminhos.h"
#include "deldir.h"
#include "dialogos.h"
#include "fim.h"
#include "form3.h"
#include "motor.h"
#include "processo.h"
#include "telasobre.h"
#include "vberro.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QProxyStyle>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace menu {

namespace {

struct Instalado {
    const char* programa;
    std::initializer_list<std::pair<const char*, int>> itens;
};

// The first lesson program of each course; its items are disabled when it is missing.
const Instalado cursosInstalados[] = {
    {"QVAC2D01.exe", {{"cAutoCad", 1}}},
    {"QVAC2DII01.exe", {{"cAutoCadII", 1}}},
    {"QVACAD3D01.exe", {{"CACAD3D", 1}}},
    {"QVWin01.exe", {{"CWin01", 0}, {"CWin02", 0}, {"CWin03", 0}}},
    {"QVWOB01.exe", {{"CWOB01", 0}}},
    {"QVACA01.exe", {{"cacavc01", 0}}},
    {"QVACB01.exe", {{"CACB01", 0}}},
    {"QVEXB01.exe", {{"CEXB01", 0}}},
    {"QVNet01.exe", {{"CNet01", 0}}},
    {"QVPPT01.exe", {{"CPPT01", 0}}},
    {"qvwavc01.exe", {{"cwavc01", 0}}},
    {"QVEXA01.exe", {{"cexavc01", 0}}},
    {"QVINTG01.exe", {{"cintg01", 0}}},
    {"QVCR1001.exe", {{"CCorel1001", 0}}},
    {"QVPgMk01.exe", {{"cpagemaker01", 0}}},
    {"QVJSB01.exe", {{"cjavascript01", 0}}},
    {"QVFPG01.exe", {{"cfrontpage01", 0}}},
    {"qvprj01.exe", {{"cprj01", 0}}},
    {"QVVB601.exe", {{"cvb01", 0}}},
    {"QVVBA01.exe", {{"cvba", 1}}},
    {"QVHTML01.exe", {{"cHTML00", 1}}},
    {"QVFlashmx01.exe", {{"Cflash", 1}}},
};

QString Chave(const QString& controle, int índice) {
    return índice ? controle + QLatin1Char('(') + QString::number(índice) + QLatin1Char(')')
                  : controle;
}

// The designer's font is narrower than the fonts here: a label's text takes the largest size,
// in steps of a quarter point down from the designer's (not below 6), at which it fits its box.
// Blanks at the end of the text (a student's name keeps its record's) show nothing and are not
// measured. Each size measured loads a font, so the search starts at the size that the width at
// the designer's size points to (the width grows with the size almost in proportion).
void CaberNaCaixa(QLabel* r, double pontos) {
    QFont f = r->font();
    f.setPointSizeF(pontos);
    qsizetype fim = r->text().size();
    while (fim > 0 && r->text()[fim - 1].isSpace())
        --fim;
    const QString texto = r->text().left(fim);
    auto cabe = [&](double tamanho) {
        QFont g = f;
        g.setPointSizeF(tamanho);
        return QFontMetrics(g).horizontalAdvance(texto) <= r->width();
    };
    const int largura = QFontMetrics(f).horizontalAdvance(texto);
    if (largura > r->width() && pontos > 6) {
        double tamanho = pontos - 0.25 * std::ceil((pontos - pontos * r->width() / largura) / 0.25);
        tamanho =
            std::clamp(tamanho, pontos - 0.25 * std::ceil((pontos - 6) / 0.25), pontos - 0.25);
        while (tamanho > 6 && !cabe(tamanho))
            tamanho -= 0.25;
        while (tamanho + 0.25 < pontos && cabe(tamanho + 0.25))
            tamanho += 0.25;
        f.setPointSizeF(tamanho);
    }
    r->setFont(f);
}

QLabel* Rótulo(QWidget* pai, const QString& texto, int l, int t, int w, int h, const QColor& cor,
               double pontos, bool negrito) {
    auto* r = new QLabel(texto, pai);
    r->setTextFormat(Qt::PlainText);
    r->setGeometry(Px(l), Px(t), Px(w), Px(h));
    // The text stands at the top of its box, as the designer draws it: a caption and its value
    // side by side start on one line whatever the heights of their boxes.
    r->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette p = r->palette();
    p.setColor(QPalette::WindowText, cor);
    r->setPalette(p);
    QFont f(QStringLiteral("Sans Serif"));
    f.setBold(negrito);
    r->setFont(f);
    CaberNaCaixa(r, pontos);
    return r;
}

// The designer's size of the student header's texts.
constexpr double pontosDoAluno = 8.25;

// Makes sure "c:\qvcurso" exists, leaving the current folder as it was.
void GaranteTrabalho() {
    QString atual;
    try {
        atual = vb::CurDir();
    } catch (const vb::VbError&) {
    }
    try {
        vb::ChDir(QStringLiteral("c:\\qvcurso"));
    } catch (const vb::VbError& e) {
        if (e.número() == vb::CaminhoNãoEncontrado) {
            try {
                vb::MkDir(QStringLiteral("c:\\qvcurso"));
            } catch (const vb::VbError&) {
                // The copy that follows fails quietly; the next one tries again.
            }
        }
    }
    try {
        if (!atual.isEmpty())
            vb::ChDir(atual);
    } catch (const vb::VbError&) {
    }
}

[[noreturn]] void PastaDeTrabalhoNaInstalação(QString instalação) {
    while (instalação.size() > 1 && instalação.endsWith(QLatin1Char('\\')))
        instalação.chop(1);
    vb::MsgBox(QStringLiteral("A pasta de trabalho c:\\qvcurso (") +
                   CaminhoVisível(vb::Hospedeiro(QStringLiteral("c:\\qvcurso"))) +
                   QStringLiteral(") é a pasta de instalação do curso ou a contém (") +
                   CaminhoVisível(instalação) +
                   QStringLiteral("). As lições apagam arquivos da pasta de trabalho e apagariam o "
                                  "curso. Instale o curso em outra pasta ou indique outra pasta "
                                  "para a unidade C: no arquivo qvmenu.ini."),
               vb::vbCritical);
    vb::End();
}

// Menus longer than the screen scroll, with arrows at their ends, instead of breaking into
// columns that run off its edge (AutoCAD 3D's 30 items on an 800 x 600 screen).
class MenuRolante : public QProxyStyle {
  public:
    int styleHint(StyleHint dica, const QStyleOption* opção, const QWidget* w,
                  QStyleHintReturn* retorno) const override {
        if (dica == SH_Menu_Scrollable)
            return 1;
        return QProxyStyle::styleHint(dica, opção, w, retorno);
    }
};

} // namespace

QString CaminhoVisível(const QString& caminho) {
    if (caminho.size() >= 2 && caminho[1] == QLatin1Char(':') && caminho[0].isLetter())
        return caminho;
    QString s = caminho;
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (s.contains(QLatin1String("//")))
        s.replace(QLatin1String("//"), QLatin1String("/"));
    return s;
}

Tela1::Tela1(const Instalação& instalação, QWidget* pai)
    : QMainWindow(pai), instalação_(instalação) {
    setObjectName(QStringLiteral("Tela1"));
    setWindowTitle(QStringLiteral("Aulavix - Menu de Cursos"));
    montarMenus();
    montarTela();
}

Tela1::~Tela1() {
    delete sobre_;
    delete form3_;
}

void Tela1::montarTela() {
    // The client area opens at its design size and follows the window when it is resized or
    // maximized, so its colour fills all of it; the picture and texts keep their places.
    auto* área = new QWidget(this);
    área->setObjectName(QStringLiteral("cliente"));
    setCentralWidget(área);
    resize(Px(11910), Px(8310) + menuBar()->sizeHint().height());

    Picture1 = new QLabel(área);
    Picture1->setTextFormat(Qt::PlainText);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(0, Px(-120), Px(11895), Px(8655));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QColor amarelo(255, 255, 0), branco(255, 255, 255);
    cab = Rótulo(Picture1, QStringLiteral("Bem-vindo ao Sistema de Ensino Aulavix"), 600, 480,
                 10215, 495, amarelo, 24, true);
    Label13 = Rótulo(Picture1, QStringLiteral("Para começar, Clic em Cursos no menu acima"), 2520,
                     1200, 6495, 360, branco, 13.5, true);
    cabaluno = Rótulo(Picture1, QStringLiteral("Nome do aluno..........................."), 240,
                      4800, 3015, 255, amarelo, pontosDoAluno, true);
    cabmatr = Rótulo(Picture1, QStringLiteral("Matrícula..................................."), 240,
                     5160, 3015, 375, amarelo, pontosDoAluno, true);
    cabalunonome = Rótulo(Picture1, QStringLiteral("Nome do Aluno"), 3480, 4800, 3255, 255, branco,
                          pontosDoAluno, true);
    cabalunomatrícula = Rótulo(Picture1, QStringLiteral("n. matrícula"), 3480, 5160, 2655, 255,
                               branco, pontosDoAluno, true);
    Label15 = Rótulo(Picture1, QStringLiteral("Versão Março/2003"), 9840, 7680, 1935, 255, amarelo,
                     8.25, false);
    Label15->setFont(QFont());
    cab->setObjectName(QStringLiteral("cab"));
    Label13->setObjectName(QStringLiteral("Label13"));
    Label15->setObjectName(QStringLiteral("Label15"));
    cabaluno->setObjectName(QStringLiteral("cabaluno"));
    cabmatr->setObjectName(QStringLiteral("cabmatr"));
    cabalunonome->setObjectName(QStringLiteral("cabalunonome"));
    cabalunomatrícula->setObjectName(QStringLiteral("cabalunomatrícula"));
    for (QLabel* r : {cabaluno, cabmatr, cabalunonome, cabalunomatrícula})
        r->setVisible(false);

    Nomeprog = new QLineEdit(QStringLiteral("Nomeprog"), área);
    Nomeprog->setObjectName(QStringLiteral("Nomeprog"));
    Nomeprog->setVisible(false);
    Codprog = new QLineEdit(QStringLiteral("Codprog"), área);
    Codprog->setObjectName(QStringLiteral("Codprog"));
    Codprog->setVisible(false);
}

void Tela1::MostrarAluno(const QString& nome, const QString& matrícula) {
    cabalunonome->setText(nome);
    cabalunomatrícula->setText(matrícula);
    for (QLabel* r : {cabalunonome, cabalunomatrícula})
        CaberNaCaixa(r, pontosDoAluno);
}

void Tela1::montarMenus() {
    QMenuBar* barra = menuBar();
    Cursos = barra->addMenu(QStringLiteral("&Cursos"));
    Cursos->setObjectName(QStringLiteral("Cursos"));
    QMenu* office = Cursos->addMenu(QStringLiteral("Office"));
    office->setObjectName(QStringLiteral("COffice"));
    QMenu* profissionais = Cursos->addMenu(QStringLiteral("Profissionais"));
    profissionais->setObjectName(QStringLiteral("CProfissionais"));

    for (const catalogo::MenuCurso* curso : catalogo::Cursos()) {
        QMenu* m = (curso->profissionais ? profissionais : office)
                       ->addMenu(QString::fromUtf8(curso->legenda));
        m->setObjectName(QString::fromUtf8(curso->controle));
        menus_.insert(m->objectName(), m);
        bool primeiro = true;
        for (const catalogo::Item& it : curso->itens) {
            QAction* a = m->addAction(QString::fromUtf8(it.legenda));
            const QString controle = QString::fromUtf8(it.controle);
            a->setObjectName(controle);
            if (it.índice)
                a->setData(it.índice);
            // Only the first lesson of a course is offered before the student file opens it;
            // Windows offers its first three, the advanced Corel menu none.
            const bool ativo = (primeiro && controle != QLatin1String("CCorel1010")) ||
                               controle == QLatin1String("CWin02") ||
                               controle == QLatin1String("CWin03");
            a->setEnabled(ativo);
            primeiro = false;
            itens_.insert(Chave(controle, it.índice), a);
            if (it.índice) {
                const int índice = it.índice;
                connect(a, &QAction::triggered, this, [this, curso, índice] {
                    vb::Handler([&] { Item_Click(*curso, índice); });
                });
            } else {
                connect(a, &QAction::triggered, this,
                        [this, &it] { vb::Handler([&] { Item_Click(it); }); });
            }
        }
    }

    Sobre = barra->addAction(QStringLiteral("&Sobre"));
    Sobre->setObjectName(QStringLiteral("Sobre"));
    connect(Sobre, &QAction::triggered, this, [this] { vb::Handler([this] { Sobre_Click(); }); });
    Sair = barra->addAction(QStringLiteral("Sai&r"));
    Sair->setObjectName(QStringLiteral("Sair"));
    connect(Sair, &QAction::triggered, this, [this] { vb::Handler([this] { Sair_Click(); }); });

    // Made after the menus, so that it is deleted after them.
    auto* rolante = new MenuRolante;
    rolante->setParent(this);
    for (QMenu* m : barra->findChildren<QMenu*>())
        m->setStyle(rolante);
}

QAction* Tela1::item(const QString& controle, int índice) const {
    return itens_.value(Chave(controle, índice));
}

QMenu* Tela1::menuCurso(const QString& controle) const {
    return menus_.value(controle);
}

void Tela1::Form_Load() {
    Fso = true;
    Pastaprog = vb::PastaInicial() + QLatin1Char('\\');

    // The lessons empty the work folder (the VBA modules delete every file in it): it must be
    // neither the installation (the start folder the lessons copy from, or the program's own
    // folder) nor hold it.
    for (const QString& instalação : {Pastaprog, vb::PastaDoPrograma()})
        if (vb::Contém(QStringLiteral("c:\\qvcurso"), instalação))
            PastaDeTrabalhoNaInstalação(instalação);

    // A missing or unreadable picture leaves the window without its background.
    try {
        Picture1->setPixmap(vb::LerImagem(Pastaprog + QStringLiteral("\\qvtelaini.jpg")));
    } catch (const vb::VbError&) {
    }

    GaranteTrabalho();

    // The first lesson program of each course is looked for beside the menu program itself, in
    // one listing of that folder (it holds hundreds of files: a look-up of each name would read
    // it once per name). A folder that lists nothing (one that cannot be read) has each name
    // looked up on its own.
    const QString pastaPrograma = vb::PastaDoPrograma() + QLatin1Char('\\');
    const int atributos = vb::vbNormal | vb::vbHidden;
    QSet<QString> presentes;
    for (const QString& nome : vb::DirLista(pastaPrograma, atributos))
        presentes.insert(vb::ChaveNome(nome));
    auto existe = [&](const QString& nome) {
        return presentes.isEmpty() ? !vb::Dir(pastaPrograma + nome, atributos).isEmpty()
                                   : presentes.contains(vb::ChaveNome(nome));
    };
    int instalados = 0;
    for (const Instalado& linha : cursosInstalados) {
        const QString nome = QString::fromUtf8(linha.programa);
        QString semExtensão = nome;
        semExtensão.chop(4);
        const bool achou = existe(nome) || existe(semExtensão);
        if (achou) {
            ++instalados;
            continue;
        }
        for (auto [controle, índice] : linha.itens)
            if (QAction* a = item(QString::fromUtf8(controle), índice))
                a->setEnabled(false);
    }
    if (instalados == 0) {
        const QChar cr(13);
        vb::MsgBox(QStringLiteral("Não há nenhum curso Instalado:") + cr + cr +
                       QStringLiteral("-  Verifique se foi feito o download do módulo de curso.") +
                       cr + QStringLiteral("-  Verifique se foi instalado o módulo de curso") + cr +
                       QStringLiteral("-  Maiores informações: ") + instalação_.suporte,
                   vb::vbExclamation, QStringLiteral("ATENÇÃO"));
    }
}

void Tela1::vaichamar() {
    // The text box keeps the full path. After a start that failed, the menu stays open with it,
    // and a second start (the dialog's "Confirmar" again) must not put the folder in front twice.
    if (!Nomeprog->text().startsWith(Pastaprog))
        Nomeprog->setText(Pastaprog + Nomeprog->text());
    vb::Shell(Nomeprog->text(), vb::vbNormalFocus); // a failure goes back to the caller
    hide();
    vb::End();
}

void Tela1::Iniciar(bool ignorandoErros) {
    try {
        vaichamar();
    } catch (const vb::VbError& e) {
        if (ignorandoErros)
            return;
        const QString programa = CaminhoVisível(Nomeprog->text());
        vb::MsgBox(e.número() == vb::ArquivoNãoEncontrado
                       ? QStringLiteral("Programa ") + programa + QStringLiteral(" não encontrado")
                       : QStringLiteral("Não foi possível iniciar o programa ") + programa,
                   vb::vbExclamation);
    }
}

void Tela1::FazCópia(QString& ArquivoCópia, QString& Destino) {
    GaranteTrabalho();
    ArquivoCópia = Pastaprog + ArquivoCópia;
    Destino = QStringLiteral("C:\\QVCurso") + QLatin1Char('\\') + Destino;
    try {
        vb::FileCopy(ArquivoCópia, Destino);
    } catch (const vb::VbError& e) {
        if (e.número() == vb::ArquivoNãoEncontrado) {
            vb::MsgBox(QStringLiteral("Arquivo ") + CaminhoVisível(ArquivoCópia) +
                       QStringLiteral(" não encontrado"));
            vb::End();
        }
        // Any other failure leaves the lesson without that file.
    }
}

void Tela1::DelCópia(QString& Arquivo) {
    ArqDestino = QStringLiteral("C:\\QVCurso") + QLatin1Char('\\') + Arquivo;
    try {
        vb::Kill(ArqDestino);
    } catch (const vb::VbError&) {
    }
}

void Tela1::DelDir(const QString& DeletarDir) {
    menu::DelDir(DeletarDir);
}

void Tela1::Sair_Click() {
    vb::End();
}

void Tela1::Sobre_Click() {
    if (!sobre_)
        sobre_ = new TelaSobre(this);
    sobre_->show();
    sobre_->raise();
    sobre_->activateWindow();
}

Form3* Tela1::form3() {
    if (!form3_)
        form3_ = new Form3(*this);
    return form3_;
}

void Tela1::Item_Click(const catalogo::MenuCurso& curso, int Index) {
    if (Index < 1 || Index > int(curso.itens.size()))
        return;
    Item_Click(curso.itens[Index - 1]);
}

void Tela1::Item_Click(const catalogo::Item& item) {
    Executar(item, *this);
}

void Tela1::closeEvent(QCloseEvent* e) {
    // The close box ends the program as "Sair" does.
    e->accept();
    if (!vb::ProgramEnded())
        vb::Handler([] { vb::End(); });
}

} // namespace menu
