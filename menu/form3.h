#pragma once
// "Versão do Access": which Access version the student uses; "Confirmar" copies that
// version's sample databases for the chosen lesson and starts it.

#include <QDialog>
#include <array>
#include <span>

class QLabel;
class QPushButton;
class QRadioButton;

namespace menu {

class Tela1;

struct CópiaAmostra {
    const char* origem;
    const char* destino;
};

struct LinhaAmostra {
    const char* código;
    const char* outroCódigo; // a second code sharing the row, or null
    // Copies of each column in order; unused places have a null source.
    std::array<CópiaAmostra, 1> sempre;
    std::array<CópiaAmostra, 2> access97, access2000;
};

// The Access sample table, in the order its rows are tested.
std::span<const LinhaAmostra> TabelaAmostras();

class Form3 : public QDialog {
  public:
    explicit Form3(Tela1& tela);

    void Form_Load();
    void Confirmar_Click();
    // Shows the dialog modeless; the first showing loads it.
    void Mostrar();

    QLabel* Label1 = nullptr;
    QRadioButton* Access97 = nullptr;
    QRadioButton* Access2000 = nullptr;
    QPushButton* Confirmar = nullptr;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    Tela1& tela_;
    bool carregado_ = false;
};

} // namespace menu
