#include "processo.h"

#include "caminhos.h"
#include "caminhos_internos.h"
#include "vberro.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <sys/stat.h>

namespace vb {

using namespace interno;

namespace {

Iniciador iniciador;

bool ArquivoComum(const QString& hospedeiro) {
    struct stat st;
    return ::stat(QFile::encodeName(hospedeiro).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

QString ProgramaDe(const QString& linhaDeComando) {
    const Dividido partes = DividirÚltimo(linhaDeComando);
    const QString nome = SemFinais(partes.último);
    if (nome.isEmpty())
        return {};
    // "NAME.exe" is also the executable "NAME"; "NAME" is also "NAME.exe".
    QStringList candidatos{nome};
    if (nome.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        candidatos << nome.chopped(4);
    else
        candidatos << nome + QStringLiteral(".exe");
    try {
        for (const QString& c : candidatos) {
            if (c.isEmpty())
                continue;
            const Resolvido r = Resolver(partes.pasta + c);
            if (r.existe && ArquivoComum(r.hospedeiro))
                return r.hospedeiro;
        }
    } catch (const VbError&) {
        // An unmapped drive holds no program.
    }
    return {};
}

void Shell(const QString& linhaDeComando, int estilo) {
    (void)estilo; // a started program shows its own windows as it chooses
    const QString programa = ProgramaDe(linhaDeComando);
    if (programa.isEmpty())
        throw VbError(ArquivoNãoEncontrado,
                      QStringLiteral("Programa não encontrado: ") + linhaDeComando);
    const QString pasta = QDir::currentPath();
    const bool iniciado =
        iniciador ? iniciador(programa, pasta) : QProcess::startDetached(programa, {}, pasta);
    if (!iniciado)
        throw VbError(AcessoCaminho, QStringLiteral("Não foi possível iniciar: ") + linhaDeComando);
}

void instalarIniciador(Iniciador i) {
    iniciador = std::move(i);
}

} // namespace vb
