#pragma once
// Framed boxes in a document: the place of a picture that is not shown. A box is one character
// of its own object type, drawn by the document's layout at the picture's size; no image is kept
// for it, so a thousand boxes cost no more than one.

#include <QObject>
#include <QTextObjectInterface>

class QPainter;
class QRectF;

namespace vb::rtf {

// A grey frame of one pixel along the inside of the rectangle.
void desenhaMoldura(QPainter& p, const QRectF& r);

class Molduras : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

  public:
    using QObject::QObject;
    // The size is the format's QTextFormat::ImageWidth and ImageHeight.
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& formato) override;
    void drawObject(QPainter* p, const QRectF& r, QTextDocument*, int, const QTextFormat&) override;
};

} // namespace vb::rtf
