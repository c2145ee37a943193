#include "programa.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vb {

void EscolherPlataforma() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
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
