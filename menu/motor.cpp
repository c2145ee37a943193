#include "motor.h"

#include "arquivos.h"
#include "caminhos.h"
#include "dialogos.h"
#include "fim.h"
#include "form3.h"
#include "modulo.h"
#include "processo.h"
#include "tela1.h"
#include "vberro.h"

#include <QLineEdit>

#include <algorithm>
#include <optional>

namespace menu {

namespace {

QString Texto(const char* s) {
    return s ? QString::fromUtf8(s) : QString();
}

// Outcome of one step.
enum class Fim { Segue, Para };

Fim Rodar(catalogo::Passo passo, const QString& a, const QString& b, const catalogo::Item& item,
          Tela1& t, bool ignorando) {
    using catalogo::Passo;
    switch (passo) {
    case Passo::Nome:
        t.Nomeprog->setText(Texto(item.programa));
        break;
    case Passo::Código:
        t.Codprog->setText(Texto(item.código));
        break;
    case Passo::Apaga:
        // A folder on the way that is a link below the drive's first level is not gone
        // through (vb::Kill): the kill then finds nothing, as a listing does.
        try {
            vb::Kill(a);
        } catch (const vb::VbError&) {
            // Leftovers that are gone already, or cannot go, are no reason to stop.
        }
        break;
    case Passo::Copia:
        t.ArqOrigem = a;
        t.ArqDestino = b.isNull() ? a : b;
        t.FazCópia(t.ArqOrigem, t.ArqDestino);
        break;
    case Passo::CópiaDireta: {
        const QString origem = t.Pastaprog + a;
        try {
            vb::FileCopy(origem, b);
        } catch (const vb::VbError& e) {
            if (ignorando)
                break;
            // A missing exercise source ends the menu as the work-folder copy does; any other
            // failure leaves the lesson without that file.
            if (e.número() == vb::ArquivoNãoEncontrado) {
                vb::MsgBox(QStringLiteral("Arquivo ") + CaminhoVisível(origem) +
                           QStringLiteral(" não encontrado"));
                vb::End();
            }
        }
        break;
    }
    case Passo::LimpaPasta:
        t.DelDir(a);
        break;
    case Passo::CriaPasta:
        try {
            vb::MkDir(a);
        } catch (const vb::VbError&) {
        }
        break;
    case Passo::RemovePasta:
        try {
            vb::RmDir(a);
        } catch (const vb::VbError&) {
        }
        break;
    case Passo::ApagaNaPasta: {
        QString nome = a;
        t.DelCópia(nome);
        break;
    }
    case Passo::Diálogo:
        t.form3()->Mostrar();
        return Fim::Para;
    case Passo::Inicia:
        t.Iniciar(ignorando);
        return Fim::Para;
    case Passo::CopiaMódulo:
        CopiaMódulo(a, t);
        break;
    case Passo::IgnoraErros:
    case Passo::FimIgnoraErros:
        break;
    }
    return Fim::Segue;
}

} // namespace

void Executar(const catalogo::Item& item, Tela1& t) {
    using catalogo::Passo;
    bool ignorando = false;
    // The item's files are looked up in folders read once for all its steps (the work folder may
    // hold thousands of other files), up to its dialog or the start of its lesson.
    std::optional<vb::LeituraÚnica> leitura(std::in_place);
    for (const catalogo::Etapa& e : item.etapas) {
        if (e.passo == Passo::IgnoraErros) {
            ignorando = true;
            continue;
        }
        if (e.passo == Passo::FimIgnoraErros) {
            ignorando = false;
            continue;
        }
        if (e.passo == Passo::Diálogo || e.passo == Passo::Inicia)
            leitura.reset(); // the dialog's and the lesson's own work read afresh
        const QString a = Texto(e.a), b = Texto(e.b);
        Fim fim = Fim::Segue;
        if (!e.lista) {
            fim = Rodar(e.passo, a, b, item, t, ignorando);
        } else {
            for (const char* nome : *e.lista) {
                const QString n = Texto(nome);
                fim = Rodar(e.passo, a + n, b.isNull() ? QString() : b + n, item, t, ignorando);
            }
        }
        if (fim == Fim::Para)
            return;
    }
}

} // namespace menu
