#pragma once
// The main menu window: background, student header, the course menus, the work-folder
// operations the lesson items use, and the start of a lesson.

#include "form3.h"
#include "instalacao.h"
#include "passos.h"
#include "telasobre.h"

#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QString>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace menu {

class Tela1 : public QMainWindow {
  public:
    explicit Tela1(const Instalação& instalação, QWidget* pai = nullptr);
    ~Tela1() override;

    // The load step: picture, work folder, installed-course detection and its warning.
    void Form_Load();

    // Public operations used by the lesson items and the Access-version dialog.
    void vaichamar();
    // vaichamar for a click: when the program cannot be started, a message names it (unless
    // errors are ignored) and the menu stays open.
    void Iniciar(bool ignorandoErros = false);
    void FazCópia(QString& ArquivoCópia, QString& Destino);
    void DelCópia(QString& Arquivo);
    void DelDir(const QString& DeletarDir);

    // The student header's name and registration number, each fitted to its box.
    void MostrarAluno(const QString& nome, const QString& matrícula);

    void Sair_Click();
    void Sobre_Click();

    // A click of a lesson item; for a control array, Index selects the item (outside the
    // array's range nothing happens).
    void Item_Click(const catalogo::MenuCurso& curso, int Index);
    void Item_Click(const catalogo::Item& item);

    // The menu item of a single control ("CWin01") or of an array element ("cAutoCad", 3).
    QAction* item(const QString& controle, int índice = 0) const;
    QMenu* menuCurso(const QString& controle) const;

    Form3* form3(); // the Access-version dialog, loaded on first use
    TelaSobre* telaSobre() const { return sobre_; }

    QString Pastaprog;
    QString ArqOrigem, ArqDestino;
    bool Fso = false; // the wildcard copier is available (Scripting object stand-in)

    QLabel* Picture1 = nullptr;
    QLineEdit* Nomeprog = nullptr;
    QLineEdit* Codprog = nullptr;
    QLabel* cab = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* cabaluno = nullptr;
    QLabel* cabmatr = nullptr;
    QLabel* cabalunonome = nullptr;
    QLabel* cabalunomatrícula = nullptr;
    QMenu* Cursos = nullptr;
    QAction* Sobre = nullptr;
    QAction* Sair = nullptr;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void montarMenus();
    void montarTela();

    Instalação instalação_;
    QHash<QString, QAction*> itens_;
    QHash<QString, QMenu*> menus_;
    QPointer<TelaSobre> sobre_;
    QPointer<Form3> form3_;
};

// A path as the student would type it on this machine: host paths with "/" only.
QString CaminhoVisível(const QString& caminho);

// Twips of the form designer to pixels.
constexpr int Px(int twips) {
    return twips / 15;
}

} // namespace menu
