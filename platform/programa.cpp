#include "programa.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

namespace vb {

void EscolherPlataforma() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

void ExigirTela() {
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    // "xcb:option=value" carries options after the platform's name; "offscreen" has none (and
    // left(-1) would be empty, as if no platform were chosen). Qt takes the name in any case
    // ("XCB" is X11 too).
    const qsizetype opções = plataforma.indexOf(':');
    const QByteArray nome = opções < 0 ? plataforma : plataforma.left(opções);
    const QByteArray display = qgetenv("DISPLAY");
    if (!nome.isEmpty() && nome.compare("xcb", Qt::CaseInsensitive) != 0)
        return;
    if (nome.isEmpty() && display.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    if (display.isEmpty()) {
        std::fputs("Nenhuma tela gráfica disponível: a variável DISPLAY não está definida.\n",
                   stderr);
        std::exit(1);
    }
    xcb_connection_t* conexão = xcb_connect(nullptr, nullptr);
    const bool falhou = xcb_connection_has_error(conexão) != 0;
    xcb_disconnect(conexão);
    if (falhou) {
        std::fprintf(stderr, "Nenhuma tela gráfica disponível: nenhum servidor X responde em %s.\n",
                     display.constData());
        std::exit(1);
    }
}

void TraduzirQt(QCoreApplication& app) {
    auto* tradução = new QTranslator(&app);
    if (tradução->load(QStringLiteral("qtbase_pt_BR"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(tradução);
    else
        delete tradução;
}

} // namespace vb
