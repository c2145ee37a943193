#pragma once
// Windows of the desktop (X11 through xcb): the window under a point, its title, activation,
// and the topmost side panel. Without an X11 connection nothing is found.

#include <QString>
#include <cstdint>

class QWidget;

namespace vb {

using Hwnd = std::uint32_t; // X window id; 0 = none

// The client window under screen point (x, y), topmost first; 0 when none.
Hwnd WindowFromPoint(int x, int y);

// Length of the window's title in single-byte characters (Windows-1252); 0 when none.
int GetWindowTextLengthA(Hwnd janela);

// Copies at most máximo - 1 characters of the title and a NUL into buffer; returns the number
// of characters copied (0 when none or máximo < 1).
int GetWindowTextA(Hwnd janela, char* buffer, int máximo);

// Activates the window (gives it the keyboard focus and raises it). False when it cannot.
bool AtivarJanela(Hwnd janela);

// Activates the window whose title is titulo (exact first, then one beginning with it, without
// regard to case, topmost first). False when none is found.
bool AppActivate(const QString& título);

// The id of a shown Qt window; 0 without X11.
Hwnd JanelaDe(const QWidget* janela);

// Gives a shown top-level window the keyboard focus once it is mapped, when no window manager
// runs (none would hand it out, and keys would go nowhere until a click). With a window manager
// or without X11 it does nothing.
void FocarSemGerenciador(QWidget* janela);

// Makes the window an always-on-top panel whose outer rectangle (frame included) is at x, y,
// largura x altura pixels, shown without being activated. Call before the first show. A window
// of fixed size keeps a fixed size, that of its new client area.
void PosicionarNoTopo(QWidget* janela, int x, int y, int largura, int altura);

} // namespace vb
