#pragma once
// The desktop calls of the lesson window, behind an interface so that tests can stand in for
// the other windows of the desktop.

#include "janelas.h"

namespace jogador {

class ÁreaDeTrabalho {
  public:
    virtual ~ÁreaDeTrabalho() = default;
    virtual vb::Hwnd WindowFromPoint(int x, int y) { return vb::WindowFromPoint(x, y); }
    virtual int GetWindowTextLengthA(vb::Hwnd j) { return vb::GetWindowTextLengthA(j); }
    virtual int GetWindowTextA(vb::Hwnd j, char* buffer, int máximo) {
        return vb::GetWindowTextA(j, buffer, máximo);
    }
    virtual bool AtivarJanela(vb::Hwnd j) { return vb::AtivarJanela(j); }
    virtual vb::Hwnd JanelaDe(const QWidget* janela) { return vb::JanelaDe(janela); }
    virtual void PosicionarNoTopo(QWidget* janela, int x, int y, int largura, int altura) {
        vb::PosicionarNoTopo(janela, x, y, largura, altura);
    }

    // The real desktop.
    static ÁreaDeTrabalho& real();
};

} // namespace jogador
