#pragma once
// A small drawing language for the lessons' pictures, one command a line (coordinates in
// pixels):
//   fundo R G B                     fills the whole picture
//   caneta R G B [largura]          pen colour and width
//   tracejado sim|nao               dashed lines
//   pincel R G B | pincel nenhum    fill of closed shapes
//   fonte TAMANHO [negrito]         pixel size of the text
//   linha X1 Y1 X2 Y2               seta X1 Y1 X2 Y2 (arrowhead at the end)
//   retangulo X Y L A               elipse X Y L A
//   elipserot CX CY RX RY GRAUS     an ellipse turned about its centre
//   arco X Y L A INICIO EXTENSAO    an arc of the ellipse in the box, angles in degrees
//   poligono X1 Y1 X2 Y2 ...        polilinha X1 Y1 X2 Y2 ...
//   texto X Y palavras...           text with its baseline at Y
// Lines starting with "%%" are comments. Unknown commands are reported in `erros`.

#include <QImage>
#include <QString>
#include <QStringList>

namespace desenho {

QImage Desenhar(int largura, int altura, const QStringList& comandos, QStringList* erros = nullptr);

} // namespace desenho

namespace desenho {

// A lesson's figure file: "@figura NOME L A", its drawing commands, "@fim"; repeated.
struct Figura {
    QString nome;
    int largura = 0, altura = 0;
    QStringList comandos;
};
QList<Figura> LerFiguras(const QString& arquivo, QStringList* erros = nullptr);

} // namespace desenho
