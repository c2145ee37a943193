#include "molduras.h"

#include <QPainter>
#include <QTextFormat>

namespace vb::rtf {

void desenhaMoldura(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::gray, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(r.x() + 0.5, r.y() + 0.5, r.width() - 1, r.height() - 1));
    p.restore();
}

QSizeF Molduras::intrinsicSize(QTextDocument*, int, const QTextFormat& formato) {
    return {formato.doubleProperty(QTextFormat::ImageWidth),
            formato.doubleProperty(QTextFormat::ImageHeight)};
}

void Molduras::drawObject(QPainter* p, const QRectF& r, QTextDocument*, int, const QTextFormat&) {
    desenhaMoldura(*p, r);
}

} // namespace vb::rtf
