#include "modulo.h"

#include "arquivos.h"
#include "dialogos.h"
#include "tela1.h"
#include "vberro.h"

namespace menu {

int CopyFile(const QString& padrãoOrigem, const QString& pastaDestino) {
    const qsizetype barra = padrãoOrigem.lastIndexOf(QLatin1Char('\\'));
    const QString pasta = padrãoOrigem.left(barra + 1);
    int copiados = 0;
    for (const QString& nome : vb::DirLista(padrãoOrigem, vb::vbNormal | vb::vbHidden)) {
        try {
            vb::FileCopy(pasta + nome, pastaDestino + QLatin1Char('\\') + nome);
            ++copiados;
        } catch (const vb::VbError&) {
            // A file that cannot be copied is left out; the others still come.
        }
    }
    return copiados;
}

void CopiaMódulo(const QString& pastaMódulo, Tela1&) {
    const QString trabalho = QStringLiteral("c:\\qvcurso");
    if (vb::Dir(trabalho, vb::vbDirectory) != QLatin1String("qvcurso")) {
        vb::MsgBox(QStringLiteral("Diretório C:\\qvcurso inexistente!"));
    } else if (!vb::Dir(trabalho + QStringLiteral("\\*.*"), vb::vbHidden).isEmpty()) {
        try {
            vb::Kill(trabalho + QStringLiteral("\\*.*"));
        } catch (const vb::VbError&) {
            // A file in use stays; the lesson still gets its module files.
        }
    }
    CopyFile(vb::PastaDoPrograma() + QLatin1Char('\\') + pastaMódulo + QStringLiteral("\\*.*"),
             trabalho);
}

} // namespace menu
