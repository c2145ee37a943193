#include "fim.h"

#include "dialogos.h"
#include "vberro.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace vb {

namespace {

bool terminou = false;
int profundidade = 0; // handlers running, one inside another

// Receiver of the pending quit, so that a reset can take it back.
QObject* Receptor() {
    static QObject* receptor = new QObject;
    return receptor;
}

// Hides every top-level window without sending close events (no handler runs again) and
// leaves the event loop. The quit is posted: it ends the loop that is running, or the one
// that starts later when the end came before it (a quit with no loop running would be lost).
void FecharTudo() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QList<QPointer<QWidget>> janelas;
        for (QWidget* w : QApplication::topLevelWidgets())
            janelas << w;
        for (const QPointer<QWidget>& w : janelas)
            if (w)
                w->hide();
    }
    if (QCoreApplication::instance())
        QMetaObject::invokeMethod(
            Receptor(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

struct Nível {
    Nível() { ++profundidade; }
    ~Nível() { --profundidade; }
};

} // namespace

void End() {
    terminou = true;
    throw ProgramEnd{};
}

bool Handler(const std::function<void()>& handler) {
    if (terminou)
        return false; // events still queued when the program ended do nothing
    try {
        Nível nível;
        handler();
        return true;
    } catch (const ProgramEnd&) {
        // A handler raised inside another one: the outer one must not go on either.
        if (profundidade > 0)
            throw;
        FecharTudo();
        return false;
    } catch (const VbError& e) {
        if (profundidade > 0)
            throw;
        MsgBox(e.detalhe(), vbCritical);
        return true;
    }
}

bool ProgramEnded() {
    return terminou;
}

void ResetProgramEnd() {
    terminou = false;
    if (QCoreApplication::instance())
        QCoreApplication::removePostedEvents(Receptor(), QEvent::MetaCall);
}

} // namespace vb
