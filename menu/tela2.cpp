#include "tela2.h"

#include "aluno.h"
#include "arquivos.h"
#include "dialogos.h"
#include "fim.h"
#include "janelas.h"
#include "registros.h"
#include "tela1.h"
#include "vberro.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>

namespace menu {

namespace {

QLabel* Rótulo(QWidget* pai, const char* nome, const QString& texto, bool visível) {
    auto* r = new QLabel(texto, pai);
    r->setTextFormat(Qt::PlainText);
    r->setObjectName(QString::fromUtf8(nome));
    r->setVisible(visível);
    return r;
}

void Fundo(QWidget* w, const QColor& cor) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, cor);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

Tela2::Tela2(const Instalação& instalação) : instalação_(instalação) {
    setObjectName(QStringLiteral("Tela2"));
    setWindowTitle(QStringLiteral("Aulavix - Menu de Cursos"));
    Label1 = Rótulo(this, "Label1", QStringLiteral("Escolha o Curso:"), true);
    Label2 = Rótulo(this, "Label2", QStringLiteral("Escolha o módulo"), false);
    Label3 = Rótulo(this, "Label3", QStringLiteral("Aulavix - Cursos       de Informática"), true);
    Label4 = Rótulo(this, "Label4", QStringLiteral("Aluno.........."), false);
    Label5 = Rótulo(this, "Label5", QStringLiteral("Matrícula"), false);
    alunonome = Rótulo(this, "alunonome", QStringLiteral("nome do aluno"), false);
    alunomatrícula = Rótulo(this, "alunomatrícula", QStringLiteral("n. matrícula"), false);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
}

Tela2::~Tela2() = default;

void Tela2::Form_Load() {
    tela1_ = std::make_unique<Tela1>(instalação_);
    tela1_->Form_Load();

    // The window's own area takes the colour; its menu bar keeps the desktop's.
    Fundo(tela1_->centralWidget(), CorInicial);
    for (QLabel* r : {Label1, Label2, Label3, Label4, Label5, alunonome, alunomatrícula})
        Fundo(r, CorInicial);

    const QString flags = instalação_.fonte == FonteAluno::Nenhum ? TodosAbertos() : LerAluno();

    const auto ordem = CourseOrder();
    for (int posição = 1; posição <= int(ordem.size()); ++posição)
        if (Aberto(flags, posição))
            List1->addItem(QString::fromUtf8(ordem[posição - 1].nome));

    // Only ever enables: a closed course keeps what the window's design and load step gave it.
    for (int posição = 1; posição <= int(ordem.size()); ++posição) {
        if (!Aberto(flags, posição))
            continue;
        for (const catalogo::MenuCurso* curso : ordem[posição - 1].menus) {
            if (!curso)
                continue;
            for (const catalogo::Item& it : curso->itens)
                if (QAction* a = tela1_->item(QString::fromUtf8(it.controle), it.índice))
                    a->setEnabled(true);
        }
    }

    tela1_->show();
    vb::FocarSemGerenciador(tela1_.get());
    setVisible(false);
}

QString Tela2::LerAluno() {
    QString caminho;
    switch (instalação_.fonte) {
    case FonteAluno::DriveA:
        caminho = QStringLiteral("a:\\aluno.dat");
        break;
    case FonteAluno::DriveB:
        caminho = QStringLiteral("b:\\aluno.dat");
        break;
    default:
        for (;;) {
            const auto resposta =
                CaminhoDaResposta(vb::InputBox(QStringLiteral("Informe o drive\\path para os "
                                                              "arquivos de trabalho "),
                                               QStringLiteral("Obtém drive\\path dos arquivos de "
                                                              "trabalho"),
                                               QStringLiteral("0")));
            if (resposta) {
                caminho = *resposta;
                break;
            }
        }
        break;
    }

    StudentRecord aluno;
    try {
        // Only an ordinary file counts: a hidden one, a folder or a missing drive do not.
        if (vb::Dir(caminho, vb::vbNormal).isEmpty())
            throw vb::VbError(vb::ArquivoNãoEncontrado, caminho);
        aluno = StudentRecord::DeBytes(vb::LerRegistro(caminho, TamanhoRegistroAluno, 1));
    } catch (const vb::VbError&) {
        vb::MsgBox(QStringLiteral("Arquivo de aluno não encontrado ou disquete não está no drive"));
        vb::End();
    }

    alunonome->setText(aluno.nome);
    alunomatrícula->setText(aluno.matrícula);
    tela1_->MostrarAluno(aluno.nome, aluno.matrícula);
    for (QLabel* r : {tela1_->cabaluno, tela1_->cabmatr, tela1_->cabalunonome,
                      tela1_->cabalunomatrícula, Label4, Label5, alunonome, alunomatrícula})
        r->setVisible(true);
    return aluno.CourseFlags;
}

int ExecutarMenu() {
    Instalação instalação;
    vb::Handler([&] { instalação = LerInstalação(vb::PastaDoPrograma()); });
    if (vb::ProgramEnded())
        return 1;
    Tela2 tela2(instalação);
    vb::Handler([&] { tela2.Form_Load(); });
    if (vb::ProgramEnded())
        return 1;
    return QApplication::exec();
}

} // namespace menu
