#pragma once
// Design-time layout is in twips: 15 twips to a pixel.

#include <QRect>
#include <QWidget>
#include <cmath>

namespace jogador {

inline constexpr int twipsPorPixel = 15;

inline int Pixels(double twips) {
    return int(std::lround(twips / twipsPorPixel));
}
inline int Twips(int pixels) {
    return pixels * twipsPorPixel;
}

inline void Colocar(QWidget* w, int left, int top, int largura, int altura) {
    w->setGeometry(Pixels(left), Pixels(top), Pixels(largura), Pixels(altura));
}

inline void MudarLeft(QWidget* w, double left) {
    w->move(Pixels(left), w->y());
}
inline void MudarTop(QWidget* w, double top) {
    w->move(w->x(), Pixels(top));
}

} // namespace jogador
