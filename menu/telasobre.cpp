#include "telasobre.h"

#include "fim.h"
#include "imagens.h"
#include "tela1.h"

#include <QLabel>
#include <QPushButton>

namespace menu {

extern const unsigned char imagemSobre[];
extern const std::size_t tamanhoImagemSobre;

QPixmap ImagemSobre() {
    return QPixmap::fromImage(
        vb::DecodificarImagem(QByteArrayView(imagemSobre, qsizetype(tamanhoImagemSobre)), "png"));
}

TelaSobre::TelaSobre(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("TelaSobre"));
    setWindowTitle(QStringLiteral("Sobre Cursos Aulavix"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Px(7290), Px(5985));
    Image2 = new QLabel(this);
    Image2->setTextFormat(Qt::PlainText);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(ImagemSobre());
    Image2->setGeometry((width() - 216) / 2, Px(600), 216, 153);
    auto* texto = new QLabel(QStringLiteral("Sistema de Ensino Aulavix\nVersão Março/2003"), this);
    texto->setTextFormat(Qt::PlainText);
    texto->setAlignment(Qt::AlignCenter);
    texto->setGeometry(0, Px(600) + 170, width(), 60);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Px(6120), Px(5520), Px(855), Px(375));
    connect(Command1, &QPushButton::clicked, this,
            [this] { vb::Handler([this] { Command1_Click(); }); });
}

void TelaSobre::Command1_Click() {
    close();
}

} // namespace menu
