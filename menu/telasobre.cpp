#include "telasobre.h"

#include "fim.h"
#include "tela1.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>

namespace menu {

QPixmap ImagemSobre() {
    QPixmap p(216, 153);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fundo(0, 0, 0, 153);
    fundo.setColorAt(0, QColor(0, 51, 128));
    fundo.setColorAt(1, QColor(0, 102, 170));
    g.fillRect(p.rect(), fundo);
    // An open book under the name of the course package.
    g.setPen(QPen(QColor(255, 255, 225), 2));
    g.setBrush(QColor(255, 255, 225));
    QPolygonF esquerda{{QPointF(40, 100), QPointF(106, 110), QPointF(106, 140), QPointF(40, 130)}};
    QPolygonF direita{{QPointF(110, 110), QPointF(176, 100), QPointF(176, 130), QPointF(110, 140)}};
    g.drawPolygon(esquerda);
    g.drawPolygon(direita);
    g.setPen(QPen(QColor(0, 51, 128), 1));
    for (int i = 0; i < 3; ++i) {
        g.drawLine(QPointF(50, 110 + 7 * i), QPointF(98, 117 + 7 * i));
        g.drawLine(QPointF(118, 117 + 7 * i), QPointF(166, 110 + 7 * i));
    }
    QFont f(QStringLiteral("Sans Serif"));
    f.setBold(true);
    f.setPixelSize(30);
    g.setFont(f);
    g.setPen(QColor(255, 255, 0));
    g.drawText(QRect(0, 18, 216, 40), Qt::AlignCenter, QStringLiteral("Aulavix"));
    f.setPixelSize(12);
    f.setBold(false);
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(QRect(0, 60, 216, 20), Qt::AlignCenter, QStringLiteral("Cursos de Informática"));
    return p;
}

TelaSobre::TelaSobre(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("TelaSobre"));
    setWindowTitle(QStringLiteral("Sobre Cursos Aulavix"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Px(7290), Px(5985));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(ImagemSobre());
    Image2->setGeometry((width() - 216) / 2, Px(600), 216, 153);
    auto* texto = new QLabel(QStringLiteral("Sistema de Ensino Aulavix\nVersão Março/2003"), this);
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
