#pragma once
// The lesson window: a narrow always-on-top panel that shows a cover, then the lesson text one
// page at a time under a page selector, with the page's figure inside the panel or in the
// figure window, three looks, and the ways back to the course menu and out.

#include "areatrabalho.h"
#include "caixartf.h"
#include "form2.h"
#include "licao.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QScrollBar>
#include <array>
#include <memory>
#include <vector>

namespace jogador {

enum class Look;

class Form1 : public QMainWindow {
  public:
    // The caption is in place once the window is built, the lesson text once the cover has been
    // painted or the lesson is entered; the rest of the lesson data is taken by valoresiniciais.
    // The desktop defaults to the real one.
    explicit Form1(const DadosLição& dados, ÁreaDeTrabalho* desktop = nullptr);
    ~Form1() override;

    // The panel's outer rectangle on the screen, in pixels.
    static constexpr int panelX = 510, panelY = 95, panelLargura = 290, panelAltura = 480;

    // Controls.
    std::array<vb::CaixaRTF*, 2> RTF{};
    QLabel* Faixa = nullptr;
    QLabel* logo = nullptr;
    QLabel* imgcapa = nullptr;
    QLabel* Patrocínio = nullptr;
    QLineEdit* Cobertura = nullptr;
    QScrollBar* Barra = nullptr;
    QLineEdit* Ponteiro = nullptr;
    QLabel* Pag = nullptr;
    QLabel* FiguraInterna = nullptr;

    QMenu* MENUPELE = nullptr;
    QAction* opçãopadrão = nullptr;
    QAction* opçãocaderno = nullptr;
    QAction* opçãobranco = nullptr;
    QAction* Entrar = nullptr;
    QAction* Copiar = nullptr;
    QAction* QVMenu = nullptr;
    QAction* sair = nullptr;

    Form2& figura() { return *form2_; }

    // Module-level state.
    QString caminho;
    qint16 licaoatual = 0;
    qint16 numlicoes = 0;
    std::array<QString, 101> marcapagina;
    std::array<qint16, 21> paginaslicao{};
    // (lesson, page), 0 to 100 each
    std::vector<std::vector<QString>> figuras =
        std::vector<std::vector<QString>>(101, std::vector<QString>(101));
    qint16 numpaginas = 0;
    qint16 entrou = 0;
    qint16 deslocamento = 0;
    bool teclanavegacao = false;
    QString figuraatual;
    QString arqcapa, arqfaixa, arqlogo;
    QString fundoR, fundoG, fundoB;
    QString letraR, letraG, letraB;
    qint16 posbarra = 0, posponteiro = 0, pospag = 0, poscobertura = 0, postexto = 0, poslogo = 0;

    // Event procedures.
    void Form_Load();
    void valoresiniciais();
    void Entrar_Click();
    void Form_KeyPress(int keyAscii);
    void Ajustalição();
    void Barra_Change();
    void Barra_KeyDown(int keyCode);
    void Barra_Scroll(int valor);
    void Copiar_Click();
    void opçãopadrão_Click();
    void opçãocaderno_Click();
    void opçãobranco_Click();
    void QVMenu_Click();
    void sair_Click();
    void Form_Unload();

    // The background colour of the window's client area.
    QColor fundoDaJanela() const;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

  private:
    void carregarTexto();
    bool textoCarregado_ = false, cargaPedida_ = false;
    void criarControles();
    void criarMenus();
    void primeiraEntrada();
    void mudarPágina();
    void mostrarMarca(int p);
    void devolverFoco();
    void ativarLição();
    void aplicarAparência(Look look);
    void pintarFundo(const QColor& cor);
    void pintarPag(const QColor& fundo, const QColor& letra);
    void moverColunaDeTexto();
    QString marca(int i) const;
    // Loads caminho-relative picture file into a picture box; an empty box when it cannot.
    bool carregarImagem(QLabel* caixa, const QString& arquivo, bool ajustar);

    DadosLição dados_;
    ÁreaDeTrabalho* desktop_;
    QWidget* fundo_ = nullptr;
    std::unique_ptr<Form2> form2_;
};

// VB key code of a Qt key (the navigation keys 33 to 40, letters and digits); 0 for others.
int CódigoDeTecla(int teclaQt);

} // namespace jogador
