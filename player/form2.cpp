#include "form2.h"

#include "twips.h"

namespace jogador {

Form2::Form2(QWidget* pai) : QWidget(pai, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    resize(Pixels(11880), Pixels(8490));
    // The page change that shows it ends by handing the focus on (to the CAD window or the
    // lesson): the figure window must not take it back when the window manager maps it later.
    setAttribute(Qt::WA_ShowWithoutActivating);
    FiguraExterna = new QLabel(this);
    FiguraExterna->setTextFormat(Qt::PlainText);
    FiguraExterna->setObjectName(QStringLiteral("FiguraExterna"));
    FiguraExterna->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FiguraExterna->setToolTip(QStringLiteral("Este é um desenho parcial"));
    FiguraExterna->setGeometry(0, 0, 0, 0);
}

} // namespace jogador
