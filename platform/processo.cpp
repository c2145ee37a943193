#include "processo.h"

#include "arquivos.h"
#include "caminhos.h"
#include "caminhos_internos.h"
#include "vberro.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vb {

using namespace interno;

namespace {

Iniciador iniciador;

bool ArquivoComum(const QString& hospedeiro) {
    struct stat st;
    return ::stat(Nativo(hospedeiro).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

bool IniciarSeparado(const QString& programa, const QStringList& argumentos, const QString& pasta) {
    const QByteArray exe = Nativo(programa), dir = Nativo(pasta);
    std::vector<QByteArray> bytes{exe};
    for (const QString& a : argumentos)
        bytes.push_back(Nativo(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    // A grandchild in a session of its own, as QProcess::startDetached starts one; not that
    // call itself, which would encode a folder name that is not UTF-8 into other bytes.
    int canal[2];
    if (::pipe2(canal, O_CLOEXEC) != 0)
        return false;
    // Between fork and exec only calls that are safe in a child of a threaded program.
    const pid_t filho = ::fork();
    if (filho == 0) {
        ::close(canal[0]);
        ::setsid();
        const pid_t neto = ::fork();
        if (neto == 0) {
            sigset_t nenhum;
            ::sigemptyset(&nenhum);
            ::sigprocmask(SIG_SETMASK, &nenhum, nullptr);
            ::signal(SIGPIPE, SIG_DFL);
            if (dir.isEmpty() || ::chdir(dir.constData()) == 0)
                ::execv(exe.constData(), argv.data());
        }
        if (neto > 0)
            ::_exit(0);
        const int erro = errno; // the exec or the fork failed: the parent reads why
        [[maybe_unused]] const ssize_t n = ::write(canal[1], &erro, sizeof erro);
        ::_exit(127);
    }
    ::close(canal[1]);
    if (filho < 0) {
        ::close(canal[0]);
        return false;
    }
    while (::waitpid(filho, nullptr, 0) < 0 && errno == EINTR) {
    }
    int erro = 0;
    ssize_t lidos;
    while ((lidos = ::read(canal[0], &erro, sizeof erro)) < 0 && errno == EINTR) {
    }
    ::close(canal[0]);
    return lidos == 0; // the pipe closed by the exec, with nothing written
}

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
    const QString pasta = CurDir();
    const bool iniciado =
        iniciador ? iniciador(programa, pasta) : IniciarSeparado(programa, {}, pasta);
    if (!iniciado)
        throw VbError(AcessoCaminho, QStringLiteral("Não foi possível iniciar: ") + linhaDeComando);
}

void instalarIniciador(Iniciador i) {
    iniciador = std::move(i);
}

} // namespace vb
