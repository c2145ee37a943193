#pragma once
// The figure window: one picture box that shows a figure too large for the panel.

#include <QLabel>
#include <QWidget>

namespace jogador {

class Form2 : public QWidget {
  public:
    explicit Form2(QWidget* pai = nullptr);

    QLabel* FiguraExterna;
};

} // namespace jogador
