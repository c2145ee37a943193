#pragma once
// What every program of the package does around its QApplication: the window system it runs
// on, and the language of Qt's own dialogs.

class QCoreApplication;

namespace vb {

// Before the application is made. On a Wayland desktop that also offers X11 (WAYLAND_DISPLAY
// and DISPLAY both set) the program runs on X11 through XWayland, so that the lesson panel's
// place, its staying on top and the focus hand-back work; a platform the user chose
// (QT_QPA_PLATFORM) is kept.
void EscolherPlataforma();

// After EscolherPlataforma, before the application is made: when the program would run on X11
// (the platform chosen, or Qt's default with DISPLAY set) and no X server answers at DISPLAY, or
// no display is set at all, says so in Portuguese on standard error and ends the program with
// status 1. Qt would abort with a message in English. Other platforms (offscreen, Wayland) are
// left to Qt.
void ExigirTela();

// After the application is made: Qt's standard dialogs in Brazilian Portuguese ("OK",
// "Cancelar"), whatever the user's locale, as the package is Portuguese. Without Qt's
// translation files the dialogs keep Qt's own texts.
void TraduzirQt(QCoreApplication& app);

} // namespace vb
