#pragma once
// The start-up form: brings up the main window, reads the student file where the installation
// uses one, enables the lessons of the open courses, shows the main window and hides itself.

#include "instalacao.h"

#include <QWidget>
#include <memory>

class QLabel;
class QListWidget;

namespace menu {

class Tela1;

inline const QColor CorInicial{255, 255, 225};

class Tela2 : public QWidget {
  public:
    explicit Tela2(const Instalação& instalação);
    ~Tela2() override;

    void Form_Load();

    Tela1* tela1() const { return tela1_.get(); }

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* alunonome = nullptr;
    QLabel* alunomatrícula = nullptr;
    QListWidget* List1 = nullptr;

  private:
    QString LerAluno(); // the course flags of the student file; ends the program when missing

    Instalação instalação_;
    std::unique_ptr<Tela1> tela1_;
};

// The menu program once its application is made: the installation settings beside the program
// (wherever it was started from: a launcher with another working folder must not bypass them),
// the start-up form's load step, then the event loop. 1 when the start-up refused (its message
// said why), so that a launcher can tell; else the loop's status (0 after "Sair" or a lesson
// start).
int ExecutarMenu();

} // namespace menu
