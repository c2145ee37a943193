#include "form1.h"

#include "aparencia.h"
#include "arquivos.h"
#include "caminhos.h"
#include "dialogos.h"
#include "fim.h"
#include "padroes.h"
#include "paginas.h"
#include "processo.h"
#include "twips.h"
#include "vberro.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPixmap>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace jogador {

namespace {

// The panel's outer size in twips, as the window is placed.
constexpr int larguraJanela = Form1::panelLargura * twipsPorPixel;
constexpr int alturaJanela = Form1::panelAltura * twipsPorPixel;

const QColor quaseBranco(255, 251, 255);
const QColor branco(255, 255, 255);

QAction* NovoItem(QObject* pai, const char* nome, const QString& legenda) {
    auto* a = new QAction(legenda, pai);
    a->setObjectName(QString::fromUtf8(nome));
    return a;
}

void PintarFundoDe(QWidget* w, const QColor& cor) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, cor);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A folder-relative path as the student reads it on this machine.
QString Visível(const QString& caminhoWindows) {
    try {
        return QDir::toNativeSeparators(vb::Hospedeiro(caminhoWindows));
    } catch (const vb::VbError&) {
        return caminhoWindows;
    }
}

// Where the text's marker of a page stands: its first occurrence that no digit follows, so that
// the marker of page 1 is never taken from that of page 10 when the text leaves out a marker or
// puts them out of order. -1 when the text does not hold it.
int PosiçãoDaMarca(const QTextDocument* documento, const QString& marca) {
    if (marca.isEmpty())
        return -1;
    for (QTextCursor c = documento->find(marca); !c.isNull();
         c = documento->find(marca, c.selectionStart() + 1)) {
        const char16_t depois = documento->characterAt(c.selectionEnd()).unicode();
        if (depois < u'0' || depois > u'9')
            return c.selectionStart();
    }
    return -1;
}

QString FalhaAoIniciar(const QString& programa) {
    return QStringLiteral("Não foi possível iniciar o programa ") + programa + QLatin1Char('.');
}

} // namespace

int CódigoDeTecla(int teclaQt) {
    switch (teclaQt) {
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    if ((teclaQt >= Qt::Key_0 && teclaQt <= Qt::Key_9) ||
        (teclaQt >= Qt::Key_A && teclaQt <= Qt::Key_Z))
        return teclaQt; // the same codes as the letters and digits
    return 0;
}

Form1::Form1(const DadosLição& dados, ÁreaDeTrabalho* desktop)
    : dados_(dados), desktop_(desktop ? desktop : &ÁreaDeTrabalho::real()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(dados_.legenda);
    // A panel of fixed size, without a maximize button: maximized it would cover the CAD window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(panelLargura, panelAltura);
    criarControles();
    criarMenus();
}

Form1::~Form1() = default;

void Form1::criarControles() {
    fundo_ = new QWidget(this);
    fundo_->setObjectName(QStringLiteral("fundo"));
    QFont letra = fundo_->font();
    letra.setPixelSize(11);
    fundo_->setFont(letra);
    setCentralWidget(fundo_);

    for (int i = 0; i < int(RTF.size()); ++i) {
        auto* caixa = new vb::CaixaRTF(fundo_);
        caixa->setObjectName(QStringLiteral("RTF%1").arg(i));
        Colocar(caixa, 405, 490, 3735, 5880);
        // The selector pages the text; the wheel still scrolls it, so a long page can be read
        // to its end, and the next page change brings its marker back to the top line.
        caixa->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        caixa->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        caixa->setFocusPolicy(Qt::NoFocus);
        caixa->hide();
        RTF[i] = caixa;
    }
    // The lesson text is laid out once the cover has been painted (or at entry, if that comes
    // first): the cover shows without waiting for it.
    fundo_->installEventFilter(this);

    Faixa = new QLabel(fundo_);
    Faixa->setTextFormat(Qt::PlainText);
    Faixa->setObjectName(QStringLiteral("Faixa"));
    Faixa->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Colocar(Faixa, 0, 490, 440, 5875);
    Faixa->hide();

    logo = new QLabel(fundo_);
    logo->setTextFormat(Qt::PlainText);
    logo->setObjectName(QStringLiteral("logo"));
    Colocar(logo, 0, 0, 615, 615);
    logo->hide();

    imgcapa = new QLabel(fundo_);
    imgcapa->setTextFormat(Qt::PlainText);
    imgcapa->setObjectName(QStringLiteral("imgcapa"));
    imgcapa->setGeometry(0, 0, 0, 0);

    Patrocínio = new QLabel(QStringLiteral("Apoio Cultural"), fundo_);
    Patrocínio->setTextFormat(Qt::PlainText);
    Patrocínio->setObjectName(QStringLiteral("Patrocínio"));
    Colocar(Patrocínio, 1080, 120, 1980, 330);

    Cobertura = new QLineEdit(fundo_);
    Cobertura->setObjectName(QStringLiteral("Cobertura"));
    Cobertura->setFrame(false);
    Cobertura->setEnabled(false);
    Colocar(Cobertura, 3240, 490, 900, 290);

    Barra = new QScrollBar(Qt::Horizontal, fundo_);
    Barra->setObjectName(QStringLiteral("Barra"));
    Colocar(Barra, 2670, 120, 1455, 255);
    Barra->setRange(0, 32767);
    Barra->setValue(0);
    Barra->setSingleStep(1);
    Barra->setPageStep(1);
    Barra->setTracking(false); // the value changes when a drag ends; the drag moves Ponteiro
    Barra->setFocusPolicy(Qt::StrongFocus);
    Barra->hide();
    Barra->installEventFilter(this);
    QObject::connect(Barra, &QScrollBar::valueChanged, this,
                     [this] { vb::Handler([this] { Barra_Change(); }); });
    QObject::connect(Barra, &QScrollBar::sliderMoved, this,
                     [this](int v) { vb::Handler([this, v] { Barra_Scroll(v); }); });

    Ponteiro = new QLineEdit(QStringLiteral("1"), fundo_);
    Ponteiro->setObjectName(QStringLiteral("Ponteiro"));
    Ponteiro->setTextMargins(0, 0, 0, 0);
    // The box is 15 pixels wide: a frameless box with a small font shows two digits whole.
    Ponteiro->setFrame(false);
    QFont pequena = Ponteiro->font();
    pequena.setPixelSize(10);
    Ponteiro->setFont(pequena);
    Colocar(Ponteiro, 3320, 150, 230, 200);
    Ponteiro->hide();

    Pag = new QLabel(QStringLiteral("Pag."), fundo_);
    Pag->setTextFormat(Qt::PlainText);
    Pag->setObjectName(QStringLiteral("Pag"));
    Colocar(Pag, 2280, 150, 330, 195);
    Pag->hide();

    FiguraInterna = new QLabel(fundo_);
    FiguraInterna->setTextFormat(Qt::PlainText);
    FiguraInterna->setObjectName(QStringLiteral("FiguraInterna"));
    Colocar(FiguraInterna, 2760, 5760, 1335, 495);
    FiguraInterna->hide();

    Cobertura->raise();
}

void Form1::criarMenus() {
    QMenuBar* barra = menuBar();

    MENUPELE = new QMenu(QStringLiteral("&Aparência"), barra);
    MENUPELE->setObjectName(QStringLiteral("MENUPELE"));
    MENUPELE->menuAction()->setObjectName(QStringLiteral("MENUPELE"));
    opçãopadrão = NovoItem(MENUPELE, "opçãopadrão", QStringLiteral("1 - Padrão"));
    opçãocaderno = NovoItem(MENUPELE, "opçãocaderno", QStringLiteral("2 - Caderno"));
    opçãobranco = NovoItem(MENUPELE, "opçãobranco", QStringLiteral("3 - Branco"));
    for (QAction* a : {opçãopadrão, opçãocaderno, opçãobranco}) {
        a->setCheckable(true);
        MENUPELE->addAction(a);
    }
    opçãopadrão->setChecked(true);
    barra->addMenu(MENUPELE);
    MENUPELE->menuAction()->setVisible(false);

    Entrar = NovoItem(barra, "Entrar", QStringLiteral("&Entrar"));
    Copiar = NovoItem(barra, "Copiar", QStringLiteral("&Copiar"));
    QVMenu = NovoItem(barra, "QVMenu", QStringLiteral("&QVMenu"));
    sair = NovoItem(barra, "sair", QStringLiteral("&Sair"));
    for (QAction* a : {Entrar, Copiar, QVMenu, sair})
        barra->addAction(a);
    Copiar->setVisible(false);

    auto ligar = [this](QAction* a, void (Form1::*f)()) {
        QObject::connect(a, &QAction::triggered, this,
                         [this, f] { vb::Handler([this, f] { (this->*f)(); }); });
    };
    ligar(opçãopadrão, &Form1::opçãopadrão_Click);
    ligar(opçãocaderno, &Form1::opçãocaderno_Click);
    ligar(opçãobranco, &Form1::opçãobranco_Click);
    ligar(Entrar, &Form1::Entrar_Click);
    ligar(Copiar, &Form1::Copiar_Click);
    ligar(QVMenu, &Form1::QVMenu_Click);
    ligar(sair, &Form1::sair_Click);
}

QString Form1::marca(int i) const {
    return i >= 0 && i < int(marcapagina.size()) ? marcapagina[i] : QString();
}

QColor Form1::fundoDaJanela() const {
    return fundo_->palette().color(QPalette::Window);
}

void Form1::pintarFundo(const QColor& cor) {
    PintarFundoDe(fundo_, cor);
}

void Form1::pintarPag(const QColor& fundo, const QColor& letra) {
    QPalette p = Pag->palette();
    p.setColor(QPalette::Window, fundo);
    p.setColor(QPalette::WindowText, letra);
    Pag->setPalette(p);
    Pag->setAutoFillBackground(true);
}

bool Form1::carregarImagem(QLabel* caixa, const QString& arquivo, bool ajustar) {
    QPixmap imagem;
    try {
        imagem = vb::LerImagem(arquivo);
    } catch (const vb::VbError&) {
        // missing, unreadable or no ordinary file: no picture
    }
    if (imagem.isNull()) {
        caixa->clear();
        if (ajustar)
            caixa->resize(0, 0);
        return false;
    }
    caixa->setPixmap(imagem);
    if (ajustar)
        caixa->resize(imagem.size());
    return true;
}

// Start-up of the lesson window.
void Form1::Form_Load() {
    form2_ = std::make_unique<Form2>();
    form2_->setWindowTitle(windowTitle() + QStringLiteral(" Figura"));

    licaoatual = 1;
    caminho = vb::PastaInicial() + QLatin1Char('\\');

    // Read-only: a missing file is never created, and missing or bad fields take the standard
    // look's values.
    const RegistroPadrões r = LerPadrões(caminho);
    arqcapa = r.arqcapa;
    arqfaixa = r.arqfaixa;
    arqlogo = r.arqlogo;
    fundoR = r.fundoR;
    fundoG = r.fundoG;
    fundoB = r.fundoB;
    letraR = r.letraR;
    letraG = r.letraG;
    letraB = r.letraB;

    pintarFundo(CorDe(fundoR, fundoG, fundoB));
    carregarImagem(Faixa, caminho + NomeDaImagem(arqfaixa), false);
    carregarImagem(imgcapa, caminho + NomeDaImagem(arqcapa), true);
    pintarPag(CorDe(fundoR, fundoG, fundoB), CorDe(letraR, letraG, letraB));

    desktop_->PosicionarNoTopo(this, panelX, panelY, panelLargura, panelAltura);

    for (int i = 1; i < int(marcapagina.size()); ++i)
        marcapagina[i] = MarcaPágina(i);

    valoresiniciais();
}

void Form1::valoresiniciais() {
    // This program's lesson.
    paginaslicao[1] = qint16(std::clamp(dados_.páginas, 0, máximoPáginas));
    for (const LinhaFigura& linha : dados_.figuras)
        if (linha.página >= 0 && linha.página <= máximoPáginas)
            figuras[1][linha.página] = MontarEntrada(linha, caminho);

    numlicoes = 1;

    imgcapa->show();
    MudarTop(imgcapa, (alturaJanela - Twips(imgcapa->height())) / 2.0 - 500);
    MudarLeft(imgcapa, (larguraJanela - Twips(imgcapa->width())) / 2.0);

    pintarFundo(quaseBranco);
    PintarFundoDe(Patrocínio, quaseBranco);
    QPalette p = Cobertura->palette();
    for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(grupo, QPalette::Base, branco);
        p.setColor(grupo, QPalette::Window, branco);
    }
    Cobertura->setPalette(p);
    Cobertura->setAutoFillBackground(true);

    RTF[licaoatual]->hide();
    deslocamento = 0;
    entrou = 0;
    ativarLição();

    posbarra = 2670;
    posponteiro = 3320;
    pospag = 2280;
    poscobertura = 3240;
    postexto = 405;
    poslogo = 0;
}

void Form1::Entrar_Click() {
    licaoatual = 1;
    Ajustalição();
    Entrar->setVisible(false);
}

void Form1::Form_KeyPress(int) {
    Entrar_Click();
}

void Form1::Ajustalição() {
    carregarTexto();
    for (int i = 1; i <= numlicoes && i < int(RTF.size()); ++i)
        RTF[i]->hide();
    RTF[licaoatual]->show();
    numpaginas = paginaslicao[licaoatual];
    // A lesson always offers page 1, even one whose text holds too few markers.
    Barra->setMaximum(std::max(numpaginas - 1, 1));
    Barra->setValue(1); // raises Barra_Change at once: the first entry runs inside this call
    Barra->setMinimum(1);
    Ponteiro->show();
    Barra->setFocus();
}

void Form1::Barra_Change() {
    ativarLição();
    Pag->show();
    if (entrou == 0) {
        primeiraEntrada();
        return;
    }
    mudarPágina();
}

void Form1::primeiraEntrada() {
    Barra->show();
    Faixa->show();
    MENUPELE->menuAction()->setVisible(true);
    pintarFundo(CorDe(fundoR, fundoG, fundoB));
    entrou = 1;
    imgcapa->hide();
    RTF[licaoatual]->show();
    RTF[licaoatual]->lower();
    Cobertura->raise();
    Patrocínio->hide();
    Barra->setValue(1);
    // Page 1 stands at the top as every page does after a change: its marker under the patch.
    mostrarMarca(1);
    if (!SemLogo(arqlogo)) {
        carregarImagem(logo, caminho + NomeDaImagem(arqlogo), true);
        logo->show();
    }
}

void Form1::mudarPágina() {
    Ponteiro->setText(QString::number(Barra->value()));
    const int p = PáginaMostrada(Barra->value(), numpaginas);

    mostrarMarca(p);

    const int k = PáginaDaFigura(Barra->value());
    FiguraInterna->hide();
    Copiar->setVisible(false);
    form2_->hide();

    if (const std::optional<Figura> e = LerEntrada(figuras[licaoatual][k])) {
        figuraatual = e->arquivo;
        if (e->tipo == u'1') {
            // A picture that cannot be loaded shows no figure.
            if (carregarImagem(FiguraInterna, figuraatual, true)) {
                MudarLeft(FiguraInterna, (larguraJanela - Twips(FiguraInterna->width())) / 2.0 +
                                             100 - deslocamento);
                MudarTop(FiguraInterna, e->topo);
                FiguraInterna->show();
                FiguraInterna->raise();
                Cobertura->raise();
            }
        } else if (e->tipo == u'2') {
            if (carregarImagem(form2_->FiguraExterna, figuraatual, true))
                form2_->show();
        } else {
            Copiar->setVisible(true);
        }
    }

    Barra->setFocus();
    Ponteiro->show();
    devolverFoco();
}

// Finding the next page's marker and then this page's leaves this page's marker on the top line,
// under the patch. When this page's marker is missing the view stays where it was.
void Form1::mostrarMarca(int p) {
    vb::CaixaRTF* texto = RTF[licaoatual];
    const int antes = texto->verticalScrollBar()->value();
    if (const int próxima = PosiçãoDaMarca(texto->document(), marca(p + 1)); próxima >= 0)
        texto->Find(marca(p + 1), próxima);
    const int esta = PosiçãoDaMarca(texto->document(), marca(p));
    if (esta < 0 || texto->Find(marca(p), esta) < 0)
        texto->verticalScrollBar()->setValue(antes);
}

// Gives the focus back to the CAD window under screen point (10, 10), unless the page was
// changed from the keyboard; otherwise the lesson window keeps it.
void Form1::devolverFoco() {
    const vb::Hwnd janela = desktop_->WindowFromPoint(10, 10);
    bool achou = false;
    // The figure window that this page change has just shown may not be on the screen yet when
    // the point is asked about; once there, it is the window under the point when it covers it.
    const bool figuraNoPonto =
        form2_->isVisible() && form2_->frameGeometry().contains(QPoint(10, 10));
    if (janela != 0 && !figuraNoPonto) {
        const int n = desktop_->GetWindowTextLengthA(janela);
        if (n > 0) {
            QByteArray buffer(n + 1, ' ');
            const int c = desktop_->GetWindowTextA(janela, buffer.data(), n + 1);
            achou = TítuloDoCAD(buffer.left(std::clamp(c, 0, n)));
        }
    }
    if (!achou || teclanavegacao || !desktop_->AtivarJanela(janela))
        ativarLição();
    teclanavegacao = false;
}

void Form1::ativarLição() {
    const vb::Hwnd eu = desktop_->JanelaDe(this);
    if (eu == 0 || !desktop_->AtivarJanela(eu))
        activateWindow();
}

void Form1::Barra_KeyDown(int keyCode) {
    if (TeclaDeNavegação(keyCode))
        teclanavegacao = true;
}

void Form1::Barra_Scroll(int valor) {
    Ponteiro->show();
    Ponteiro->setText(QString::number(valor == numpaginas ? numpaginas - 1 : valor));
}

// Starts the outside utility with the current figure's file as its argument. The entry's
// path already holds the program's folder, so the argument is that path as it stands.
void Form1::Copiar_Click() {
    const QString programa = caminho + QStringLiteral("RUzozi");
    vb::MsgBox(Visível(programa) + QLatin1Char(' ') + Visível(figuraatual), vb::vbOKOnly);
    const QString executável = vb::ProgramaDe(programa);
    QString argumento = figuraatual;
    try {
        argumento = vb::Hospedeiro(figuraatual);
    } catch (const vb::VbError&) {
    }
    if (executável.isEmpty() || !vb::IniciarSeparado(executável, {argumento}, vb::CurDir()))
        vb::MsgBox(FalhaAoIniciar(Visível(programa)), vb::vbExclamation);
}

void Form1::opçãopadrão_Click() {
    aplicarAparência(Look::Padrão);
}
void Form1::opçãocaderno_Click() {
    aplicarAparência(Look::Caderno);
}
void Form1::opçãobranco_Click() {
    aplicarAparência(Look::Branco);
}

void Form1::aplicarAparência(Look look) {
    const Aparência& a = AparênciaDe(look);
    const QColor fundo = a.fundo.value_or(CorDe(fundoR, fundoG, fundoB));
    const QColor letra = a.letra.value_or(CorDe(letraR, letraG, letraB));

    pintarFundo(fundo);
    Faixa->setVisible(a.faixaVisível);
    opçãopadrão->setChecked(look == Look::Padrão);
    opçãocaderno->setChecked(look == Look::Caderno);
    opçãobranco->setChecked(look == Look::Branco);
    pintarPag(fundo, letra);
    switch (a.faixa) {
    case FaixaDaAparência::DoArquivo:
        carregarImagem(Faixa, caminho + NomeDaImagem(arqfaixa), false);
        break;
    case FaixaDaAparência::Caderno:
        carregarImagem(Faixa, caminho + QString::fromLatin1(arquivoCaderno), false);
        break;
    case FaixaDaAparência::Mantém:
        break;
    }
    if (a.carregaLogo && !SemLogo(arqlogo)) {
        carregarImagem(logo, caminho + NomeDaImagem(arqlogo), true);
        logo->show();
    }
    deslocamento = qint16(a.deslocamento);
    moverColunaDeTexto();
    if (a.logoNaBase)
        MudarLeft(logo, poslogo);
}

void Form1::moverColunaDeTexto() {
    MudarLeft(Barra, posbarra - deslocamento);
    MudarLeft(Ponteiro, posponteiro - deslocamento);
    MudarLeft(Pag, pospag - deslocamento);
    MudarLeft(Cobertura, poscobertura - deslocamento);
    MudarLeft(RTF[1], postexto - deslocamento);
}

// Back to the course menu; when the menu program cannot be started the lesson stays open. The
// program is named as it is looked for here, without an extension (the start also takes
// "QVMenu.exe").
void Form1::QVMenu_Click() {
    const QString programa = caminho + QStringLiteral("QVMenu");
    try {
        vb::Shell(programa, vb::vbNormalFocus);
    } catch (const vb::VbError&) {
        vb::MsgBox(FalhaAoIniciar(Visível(programa)), vb::vbExclamation);
        return;
    }
    vb::End();
}

void Form1::sair_Click() {
    vb::End();
}

void Form1::Form_Unload() {
    vb::End();
}

void Form1::keyPressEvent(QKeyEvent* e) {
    // Only a key that reaches the window itself: one that a control let pass is not the
    // window's own key press.
    QWidget* foco = focusWidget();
    const bool daJanela = foco == nullptr || foco == this || foco == fundo_;
    if (daJanela && !e->text().isEmpty()) {
        const int tecla = e->text().at(0).unicode();
        vb::Handler([this, tecla] { Form_KeyPress(tecla); });
        e->accept();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void Form1::closeEvent(QCloseEvent* e) {
    if (!vb::ProgramEnded())
        vb::Handler([this] { Form_Unload(); });
    e->accept();
}

void Form1::carregarTexto() {
    if (textoCarregado_)
        return;
    textoCarregado_ = true;
    RTF[1]->carregar(dados_.texto);
}

bool Form1::eventFilter(QObject* objeto, QEvent* e) {
    if (objeto == fundo_ && e->type() == QEvent::Paint && !textoCarregado_ && !cargaPedida_) {
        cargaPedida_ = true;
        QTimer::singleShot(0, this, [this] { carregarTexto(); });
    }
    if (objeto == Barra && e->type() == QEvent::KeyPress) {
        const int código = CódigoDeTecla(static_cast<QKeyEvent*>(e)->key());
        vb::Handler([this, código] { Barra_KeyDown(código); });
        // The selector's own keys: left and up one page back, right and down one page on,
        // page up and page down likewise, home and end to the first and last page. (Qt's
        // horizontal scroll bar would turn the left and right arrows the other way.)
        std::optional<QAbstractSlider::SliderAction> ação;
        switch (código) {
        case 37:
        case 38:
            ação = QAbstractSlider::SliderSingleStepSub;
            break;
        case 39:
        case 40:
            ação = QAbstractSlider::SliderSingleStepAdd;
            break;
        case 33:
            ação = QAbstractSlider::SliderPageStepSub;
            break;
        case 34:
            ação = QAbstractSlider::SliderPageStepAdd;
            break;
        case 36:
            ação = QAbstractSlider::SliderToMinimum;
            break;
        case 35:
            ação = QAbstractSlider::SliderToMaximum;
            break;
        default:
            break;
        }
        if (ação && !vb::ProgramEnded()) {
            Barra->triggerAction(*ação);
            return true;
        }
    }
    return QMainWindow::eventFilter(objeto, e);
}

} // namespace jogador
