#include "form3.h"

#include "fim.h"
#include "tela1.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace menu {

std::span<const LinhaAmostra> TabelaAmostras() {
    static constexpr LinhaAmostra tabela[] = {
        {"0402",
         nullptr,
         {},
         {{{"agenda971.mdb", "agenda.mdb"}}},
         {{{"agenda2k1.mdb", "agenda.mdb"}}}},
        {"0403",
         nullptr,
         {},
         {{{"agenda972.mdb", "agenda.mdb"}}},
         {{{"agenda2k2.mdb", "agenda.mdb"}}}},
        {"0404",
         nullptr,
         {},
         {{{"agenda973.mdb", "agenda.mdb"}}},
         {{{"agenda2k3.mdb", "agenda.mdb"}}}},
        {"0405",
         nullptr,
         {},
         {{{"agenda974.mdb", "agenda.mdb"}}},
         {{{"agenda2k4.mdb", "agenda.mdb"}}}},
        {"0406",
         nullptr,
         {},
         {{{"agenda975.mdb", "agenda.mdb"}}},
         {{{"agenda2k5.mdb", "agenda.mdb"}}}},
        {"0407",
         nullptr,
         {},
         {{{"agenda976.mdb", "agenda.mdb"}}},
         {{{"agenda2k6.mdb", "agenda.mdb"}}}},
        {"0408",
         nullptr,
         {},
         {{{"agenda977.mdb", "agenda.mdb"}}},
         {{{"agenda2k7.mdb", "agenda.mdb"}}}},
        {"0409",
         nullptr,
         {},
         {{{"agenda978.mdb", "agenda.mdb"}}},
         {{{"agenda2k8.mdb", "agenda.mdb"}}}},
        {"0410",
         nullptr,
         {},
         {{{"agenda979.mdb", "agenda.mdb"}}},
         {{{"agenda2k9.mdb", "agenda.mdb"}}}},
        {"0901",
         "0902",
         {},
         {{{"biblio97.mdb", "biblio.mdb"}}},
         {{{"biblio2k.mdb", "biblio.mdb"}}}},
        {"0903",
         nullptr,
         {},
         {{{"biblio972.mdb", "biblio.mdb"}}},
         {{{"biblio2k2.mdb", "biblio.mdb"}}}},
        {"0904",
         nullptr,
         {},
         {{{"biblio973.mdb", "biblio.mdb"}}},
         {{{"biblio2k3.mdb", "biblio.mdb"}}}},
        {"0905",
         nullptr,
         {},
         {{{"biblio974.mdb", "biblio.mdb"}}},
         {{{"biblio2k4.mdb", "biblio.mdb"}}}},
        {"0906",
         nullptr,
         {},
         {{{"biblio975.mdb", "biblio.mdb"}}},
         {{{"biblio2k5.mdb", "biblio.mdb"}}}},
        {"0907",
         nullptr,
         {},
         {{{"bibli976.mdb", "biblio.mdb"}}},
         {{{"biblio2k6.mdb", "biblio.mdb"}}}},
        {"0908",
         nullptr,
         {},
         {{{"biblio977.mdb", "biblio.mdb"}}},
         {{{"biblio2k7.mdb", "biblio.mdb"}}}},
        {"0909",
         nullptr,
         {},
         {{{"biblio978.mdb", "biblio.mdb"}}},
         {{{"biblio2k8.mdb", "biblio.mdb"}}}},
        {"0910",
         nullptr,
         {},
         {{{"biblio979.mdb", "biblio.mdb"}}},
         {{{"biblio2k9.mdb", "biblio.mdb"}}}},
        {"0913",
         nullptr,
         {},
         {{{"produtos9712.mdb", "Produtos.mdb"}}},
         {{{"Produtos2k12.mdb", "Produtos.mdb"}}}},
        {"0914",
         nullptr,
         {},
         {{{"produtos9713.mdb", "Produtos.mdb"}}},
         {{{"Produtos2k13.mdb", "Produtos.mdb"}}}},
        {"0915",
         nullptr,
         {},
         {{{"produtos9714.mdb", "Produtos.mdb"}}},
         {{{"Produtos2k14.mdb", "Produtos.mdb"}}}},
        {"0916",
         nullptr,
         {},
         {{{"produtos9715.mdb", "Produtos.mdb"}}},
         {{{"Produtos2k15.mdb", "Produtos.mdb"}}}},
        {"0917",
         nullptr,
         {},
         {{{"produtos9716.mdb", "Produtos.mdb"}}},
         {{{"Produtos2k16.mdb", "Produtos.mdb"}}}},
        {"0918",
         nullptr,
         {},
         {{{"produtos9717.mdb", "Produtos.mdb"}}},
         {{{"Produtos2k17.mdb", "Produtos.mdb"}}}},
        {"1609",
         nullptr,
         {{{"cadpro.xls", "cadpro.xls"}}},
         {{{"cadpro97.mdb", "cadpro.mdb"}}},
         {{{"cadpro2000.mdb", "cadpro.mdb"}}}},
        {"1610",
         nullptr,
         {},
         {{{"cadpro97.mdb", "cadpro.mdb"}, {"clientes97.mdb", "clientes.mdb"}}},
         {{{"cadpro2000.mdb", "cadpro.mdb"}, {"clientes2000.mdb", "clientes.mdb"}}}},
        {"1611",
         nullptr,
         {},
         {{{"cadpro97.mdb", "cadpro.mdb"}, {"cadpro297.mdb", "cadpro2.mdb"}}},
         {{{"cadpro2000.mdb", "cadpro.mdb"}, {"cadpro22000.mdb", "cadpro2.mdb"}}}},
    };
    return tabela;
}

Form3::Form3(Tela1& tela) : QDialog(nullptr), tela_(tela) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Versão do Access"));
    setModal(false);
    setFixedSize(Px(4680), Px(2250));
    Label1 = new QLabel(QStringLiteral("Que versão do Access você está usando? "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setGeometry(Px(120), Px(360), Px(4455), Px(240));
    QFont negrito(QStringLiteral("Sans Serif"));
    negrito.setPointSizeF(9.75);
    negrito.setBold(true);
    Label1->setFont(negrito);
    // The two options are the form's only ones, so they form one group.
    Access97 = new QRadioButton(QStringLiteral("Access 97"), this);
    Access97->setObjectName(QStringLiteral("Access97"));
    Access97->setGeometry(Px(1320), Px(840), Px(1935), Px(255));
    Access2000 = new QRadioButton(QStringLiteral("Access 2000"), this);
    Access2000->setObjectName(QStringLiteral("Access2000"));
    Access2000->setGeometry(Px(1320), Px(1200), Px(1935), Px(375));
    Confirmar = new QPushButton(QStringLiteral("Confirmar"), this);
    Confirmar->setObjectName(QStringLiteral("Confirmar"));
    Confirmar->setGeometry(Px(3120), Px(1680), Px(1335), Px(375));
    // The form has no default button: Enter confirms only when the button has the focus (see
    // keyPressEvent; a dialog would make its push button the default by itself).
    Confirmar->setAutoDefault(false);
    connect(Confirmar, &QPushButton::clicked, this,
            [this] { vb::Handler([this] { Confirmar_Click(); }); });
    // Escape dismisses the dialog as the close box does: it is unloaded, and the next showing
    // loads it with both options cleared.
    connect(this, &QDialog::rejected, this, [this] { carregado_ = false; });
}

void Form3::Form_Load() {
    // Auto-exclusive buttons cannot all be cleared one by one; clear them as a group.
    Access97->setAutoExclusive(false);
    Access2000->setAutoExclusive(false);
    Access97->setChecked(false);
    Access2000->setChecked(false);
    Access97->setAutoExclusive(true);
    Access2000->setAutoExclusive(true);
}

void Form3::Mostrar() {
    if (!carregado_) {
        carregado_ = true;
        Form_Load();
    }
    show();
    raise();
    activateWindow();
}

void Form3::Confirmar_Click() {
    QString origem, destino;
    auto copiar = [&](const auto& cópias) {
        for (const CópiaAmostra& c : cópias) {
            if (!c.origem)
                continue;
            origem = QString::fromUtf8(c.origem);
            destino = QString::fromUtf8(c.destino);
            tela_.FazCópia(origem, destino);
        }
    };
    for (const LinhaAmostra& linha : TabelaAmostras()) {
        const QString código = tela_.Codprog->text();
        if (código != QLatin1String(linha.código) &&
            !(linha.outroCódigo && código == QLatin1String(linha.outroCódigo)))
            continue;
        copiar(linha.sempre);
        if (Access97->isChecked())
            copiar(linha.access97);
        if (Access2000->isChecked())
            copiar(linha.access2000);
    }
    tela_.Iniciar();
}

void Form3::keyPressEvent(QKeyEvent* e) {
    // Enter presses the command button that has the focus, as Space does; on an option button
    // it does nothing.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        auto* botão = qobject_cast<QPushButton*>(focusWidget());
        if (botão && botão->isEnabled() && botão->isVisible())
            botão->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Form3::closeEvent(QCloseEvent* e) {
    // The close box unloads the dialog: the next showing loads it with both options cleared.
    carregado_ = false;
    QDialog::closeEvent(e);
}

} // namespace menu
