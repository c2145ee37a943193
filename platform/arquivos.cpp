#include "arquivos.h"

#include "caminhos.h"
#include "caminhos_internos.h"
#include "dialogos.h"
#include "fim.h"
#include "imagens.h"
#include "registros.h"
#include "vberro.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <set>
#include <utility>

#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vb {

using namespace interno;

namespace {

QString Sistema(int erro) {
    return QString::fromLocal8Bit(std::strerror(erro));
}

[[noreturn]] void Falha(int número, const QString& quê, const QString& caminho, int erro = 0) {
    QString detalhe = quê + QStringLiteral(": ") + caminho;
    if (erro)
        detalhe += QStringLiteral(" (") + Sistema(erro) + QLatin1Char(')');
    throw VbError(número, detalhe);
}

// VB's number for a failed write.
int NúmeroDeEscrita(int erro) {
    switch (erro) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DiscoCheio;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return PermissãoNegada;
    case ENOENT:
    case ENOTDIR:
        return CaminhoNãoEncontrado;
    default:
        return AcessoCaminho;
    }
}

mode_t Umask() {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
}

// Writes every byte of the source into the open temporary file; returns 0 or an errno.
int CopiarConteúdo(int origem, int destino) {
    bool simples = false;
    for (;;) {
        if (!simples) {
            const ssize_t n = ::copy_file_range(origem, nullptr, destino, nullptr, 1 << 30, 0);
            if (n > 0)
                continue;
            if (n == 0)
                return 0;
            if (errno == EINTR)
                continue;
            if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP)
                return errno;
            simples = true; // filesystems that refuse the fast path
        }
        char buffer[1 << 16];
        const ssize_t lidos = ::read(origem, buffer, sizeof buffer);
        if (lidos == 0)
            return 0;
        if (lidos < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        for (ssize_t feito = 0; feito < lidos;) {
            const ssize_t n = ::write(destino, buffer + feito, size_t(lidos - feito));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            feito += n;
        }
    }
}

// The read-only attribute: a file that no one may write to. It is neither replaced by a copy
// nor deleted, also for the administrator.
bool SomenteLeitura(const struct stat& st) {
    return S_ISREG(st.st_mode) && (st.st_mode & 0222) == 0;
}

QByteArray NomeAleatório() {
    static const char letras[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray n(6, 'x');
    for (char& c : n)
        c = letras[QRandomGenerator::global()->bounded(int(sizeof letras - 1))];
    return n;
}

// The named temporaries of a copy: where the file system has no unnamed files, and for the
// instant between naming a finished copy and renaming it over the destination.
constexpr char prefixoTemporário[] = ".~cópia.";

std::mutex trava;
std::set<std::pair<dev_t, ino_t>> limpas; // the folders already cleaned

// A copy holds a lock on its temporary file for as long as it runs; one that nobody holds is
// left by a copy that was killed.
void LimparTemporários(int pasta) {
    // Once per folder and run: the menu ends when it starts a lesson, so once per staging.
    struct stat sp;
    if (::fstat(pasta, &sp) != 0)
        return;
    {
        const std::lock_guard<std::mutex> g(trava);
        if (!limpas.insert({sp.st_dev, sp.st_ino}).second)
            return;
    }
    const std::optional<std::vector<Entrada>> entradas = LerPasta(pasta);
    if (!entradas)
        return;
    const QString prefixo = QString::fromUtf8(prefixoTemporário);
    for (const Entrada& e : *entradas) {
        if (e.pasta || !e.nome.startsWith(prefixo))
            continue;
        const QByteArray& n = e.bytes;
        const Fd fd(::openat(pasta, n.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st;
        if (fd.válido() && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 && ::unlinkat(pasta, n.constData(), 0) == 0)
            EntradaApagada(pasta, n);
    }
}

std::atomic<bool> semAnônimo{false};

// A new file in the folder, without a name (O_TMPFILE) where the file system allows it, so that
// a copy killed halfway leaves nothing; else a named temporary. Sets `nomeTemporário` in the
// second case. Returns the descriptor, or -1 with errno.
int CriarTemporário(int pasta, QByteArray& nomeTemporário) {
    nomeTemporário.clear();
    if (!semAnônimo) {
        const int fd = ::openat(pasta, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
            return fd;
    }
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        const QByteArray nome = QByteArray(prefixoTemporário) + NomeAleatório();
        const int fd = ::openat(pasta, nome.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            nomeTemporário = nome;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

// Gives the finished copy in `fd` the name `nome` in `pasta`, replacing what is there: an
// unnamed file gets a fresh name (linkat) that is then renamed over the destination (or the
// destination's own name, when there is none yet). Returns 0 or an errno.
int Nomear(int fd, QByteArray& nomeTemporário, int pasta, const QByteArray& nome, bool existe) {
    auto ligar = [&](const char* novo) {
        const QByteArray proc = "/proc/self/fd/" + QByteArray::number(fd);
        if (::linkat(AT_FDCWD, proc.constData(), pasta, novo, AT_SYMLINK_FOLLOW) == 0)
            return 0;
        if (errno != ENOENT) // no /proc: by the descriptor itself (needs the capability)
            return errno;
        return ::linkat(fd, "", pasta, novo, AT_EMPTY_PATH) == 0 ? 0 : errno;
    };
    if (nomeTemporário.isEmpty()) {
        if (!existe) {
            const int erro = ligar(nome.constData());
            if (erro != EEXIST)
                return erro;
        }
        for (int tentativa = 0;; ++tentativa) {
            const QByteArray t = QByteArray(prefixoTemporário) + NomeAleatório();
            const int erro = ligar(t.constData());
            if (!erro) {
                nomeTemporário = t;
                break;
            }
            if (erro != EEXIST || tentativa == 100)
                return erro;
        }
    }
    if (::renameat(pasta, nomeTemporário.constData(), pasta, nome.constData()) != 0)
        return errno;
    nomeTemporário.clear();
    return 0;
}

} // namespace

namespace interno {

void SemArquivoAnônimo(bool sem) {
    semAnônimo = sem;
    const std::lock_guard<std::mutex> g(trava);
    limpas.clear();
}

} // namespace interno

QPixmap LerImagem(const QString& caminho) {
    return QPixmap::fromImage(DecodificarImagem(LerArquivo(caminho, qint64(64) << 20)));
}

void FileCopy(const QString& origem, const QString& destino) {
    struct stat so;
    const Fd fonte = AbrirParaLer(Localizar(origem), origem, so);

    const Local d = Localizar(destino);
    if (!d.pasta.válido() || d.nome.isEmpty())
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), destino);
    const int pasta = d.pasta.get();
    const QByteArray& nome = d.nativo;

    const mode_t máscara = Umask();
    mode_t modo = (0666 | (so.st_mode & 0111)) & ~máscara;
    struct stat sd;
    const bool existe = ::fstatat(pasta, nome.constData(), &sd, AT_SYMLINK_NOFOLLOW) == 0;
    if (existe) {
        if (S_ISDIR(sd.st_mode))
            Falha(AcessoCaminho, QStringLiteral("Destino é uma pasta"), destino);
        if (S_ISREG(sd.st_mode)) {
            // The read-only attribute: no write permission for anyone (also for root).
            if ((sd.st_mode & 0222) == 0 || ::faccessat(pasta, nome.constData(), W_OK, 0) != 0)
                Falha(PermissãoNegada, QStringLiteral("Arquivo somente para leitura"), destino);
            if (sd.st_ino == so.st_ino && sd.st_dev == so.st_dev)
                return; // a file copied onto itself is already there
            modo = sd.st_mode & 07777;
        }
    }

    LimparTemporários(pasta);
    // The copy is written to a file without a name and named only once complete: the
    // destination holds its previous content or the whole copy, never part of it, and a copy
    // killed halfway leaves nothing. It is not forced to disk file by file (a journal commit
    // each, most of the time of a lesson's staging): the usual Linux file systems (ext4, XFS,
    // Btrfs) write a file renamed over another before the rename itself, and a copy that a
    // crash loses is staged again by its lesson.
    QByteArray temporário;
    const Fd temp(CriarTemporário(pasta, temporário));
    if (!temp.válido())
        Falha(NúmeroDeEscrita(errno), QStringLiteral("Não foi possível gravar"), destino, errno);
    ::flock(temp.get(), LOCK_EX); // held until the copy is named or abandoned
    int erro = CopiarConteúdo(fonte.get(), temp.get());
    if (!erro && ::fchmod(temp.get(), modo) != 0)
        erro = errno;
    if (!erro)
        erro = Nomear(temp.get(), temporário, pasta, nome, existe);
    if (erro) {
        if (!temporário.isEmpty())
            ::unlinkat(pasta, temporário.constData(), 0);
        Falha(NúmeroDeEscrita(erro), QStringLiteral("Não foi possível gravar"), destino, erro);
    }
    if (!existe)
        EntradaCriada(pasta, nome);
}

void Kill(const QString& caminho) {
    const Dividido partes = DividirÚltimo(caminho);
    const QString sóNome = SemFinais(partes.último);
    if (!TemCuringa(sóNome)) {
        const Local r = Localizar(caminho);
        struct stat st;
        if (!r.existe || sóNome.isEmpty() || !r.pasta.válido() ||
            ::fstatat(r.pasta.get(), r.nativo.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            S_ISDIR(st.st_mode))
            Falha(ArquivoNãoEncontrado, QStringLiteral("Arquivo não encontrado"), caminho);
        if (SomenteLeitura(st))
            Falha(AcessoCaminho, QStringLiteral("Arquivo somente para leitura"), caminho);
        if (::unlinkat(r.pasta.get(), r.nativo.constData(), 0) != 0)
            Falha(NúmeroDeEscrita(errno), QStringLiteral("Não foi possível apagar"), caminho,
                  errno);
        EntradaApagada(r.pasta.get(), r.nativo);
        return;
    }

    // The folder is held open: every entry is examined and deleted in it, whatever becomes of
    // its path meanwhile.
    const Fd pasta = AbrirPasta(Localizar(partes.pasta));
    const std::optional<std::vector<Entrada>> entradas =
        pasta.válido() ? LerPasta(pasta.get()) : std::nullopt;
    if (!entradas)
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
    bool algum = false, somenteLeitura = false;
    int primeiroErro = 0;
    for (const Entrada& e : *entradas) {
        if (e.pasta || !CoincideCuringa(sóNome, NomeVisto(e.nome)))
            continue;
        const QByteArray& nativo = e.bytes;
        struct stat st;
        if (::fstatat(pasta.get(), nativo.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            S_ISDIR(st.st_mode))
            continue;
        algum = true;
        if (SomenteLeitura(st)) {
            somenteLeitura = true; // it stays; the others still go
            continue;
        }
        if (::unlinkat(pasta.get(), nativo.constData(), 0) == 0)
            EntradaApagada(pasta.get(), nativo);
        else if (!primeiroErro)
            primeiroErro = errno;
    }
    if (!algum)
        Falha(ArquivoNãoEncontrado, QStringLiteral("Arquivo não encontrado"), caminho);
    if (primeiroErro)
        Falha(NúmeroDeEscrita(primeiroErro), QStringLiteral("Não foi possível apagar"), caminho,
              primeiroErro);
    if (somenteLeitura)
        Falha(AcessoCaminho, QStringLiteral("Arquivo somente para leitura"), caminho);
}

void MkDir(const QString& caminho) {
    const Local r = Localizar(caminho);
    if (r.existe)
        Falha(AcessoCaminho, QStringLiteral("Já existe"), caminho);
    if (!r.pasta.válido() || r.nome.isEmpty())
        Falha(CaminhoNãoEncontrado, QStringLiteral("Não foi possível criar a pasta"), caminho);
    // The new folder may reuse the inode of one whose index is still kept.
    PastasMudaram();
    if (::mkdirat(r.pasta.get(), r.nativo.constData(), 0777) != 0) {
        const int erro = errno;
        Falha(erro == ENOENT || erro == ENOTDIR ? CaminhoNãoEncontrado : AcessoCaminho,
              QStringLiteral("Não foi possível criar a pasta"), caminho, erro);
    }
}

void RmDir(const QString& caminho) {
    const Local r = Localizar(caminho);
    const QByteArray& nome = r.nativo;
    PastasMudaram();
    struct stat st;
    if (!r.existe || r.nome.isEmpty() || !r.pasta.válido() ||
        ::fstatat(r.pasta.get(), nome.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
    if (S_ISLNK(st.st_mode)) {
        // A link to a folder is removed as a link; the folder it points to stays as it is.
        struct stat alvo;
        if (::fstatat(r.pasta.get(), nome.constData(), &alvo, 0) != 0 || !S_ISDIR(alvo.st_mode))
            Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
        if (::unlinkat(r.pasta.get(), nome.constData(), 0) != 0)
            Falha(AcessoCaminho, QStringLiteral("Não foi possível remover a pasta"), caminho,
                  errno);
        return;
    }
    if (!S_ISDIR(st.st_mode))
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
    // Refused (ENOTDIR) should the folder have been swapped for a link meanwhile.
    if (::unlinkat(r.pasta.get(), nome.constData(), AT_REMOVEDIR) != 0)
        Falha(AcessoCaminho, QStringLiteral("Não foi possível remover a pasta"), caminho, errno);
}

void ChDir(const QString& caminho) {
    const Local r = Localizar(caminho);
    const Fd pasta = r.existe ? AbrirPasta(r) : Fd();
    if (!pasta.válido() || ::fchdir(pasta.get()) != 0)
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
}

QString CurDir() {
    return PastaAtual();
}

QString PastaInicial() {
    const QString pasta = PastaAtual(); // empty when getcwd fails
    if (pasta.isEmpty()) {
        MsgBox(QStringLiteral("Não foi possível determinar a pasta atual: ela pode ter sido "
                              "apagada. Inicie o programa a partir de uma pasta existente."),
               vbCritical);
        End();
    }
    return pasta;
}

namespace {

struct Listado {
    QString nome; // as the program sees it
    QString chave;
    bool oculto;
    bool pasta;
    QByteArray bytes; // the name on disk
};

// Whether the name `nome`, asked for in the folder, reaches the entry `alvo` among the entries
// [início, fim) of a sorted listing that share its folded name (the only ones it can match).
bool Alcança(const std::vector<Listado>& lista, size_t início, size_t fim, const QString& nome,
             size_t alvo) {
    Escolha escolha(Nativo(nome));
    for (size_t k = início; k < fim; ++k)
        escolha.Ver(lista[k].bytes, lista[k].oculto);
    return escolha.bytes == lista[alvo].bytes;
}

bool Admite(const Listado& e, int atributos) {
    if (e.oculto && !(atributos & vbHidden))
        return false;
    if (e.pasta && !(atributos & vbDirectory))
        return false;
    return true;
}

} // namespace

QStringList DirLista(const QString& padrão, int atributos) {
    try {
        const Dividido partes = DividirÚltimo(padrão);
        const QString último = SemFinais(partes.último);
        QStringList saída;

        if (!último.isEmpty() && !TemCuringa(último)) {
            // One name: the entry itself, folders included (as stored on disk).
            const Local r = Localizar(padrão);
            struct stat st;
            if (!r.existe || r.nome.isEmpty() ||
                ::fstatat(r.pasta.get(), r.nativo.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
                return {};
            // The name found, decoded; held whole when it was asked for by its bytes.
            const QString nomeHost =
                HáEscape(último) ? TextoDoSistema(r.nativo) : Decodificar(r.nativo);
            const Listado e{NomeVisto(nomeHost), {}, r.oculto, S_ISDIR(st.st_mode), r.nativo};
            if (Admite(e, atributos))
                saída << e.nome;
            return saída;
        }

        // A symbolic link below a drive's first level is never listed through: a tree walk
        // must not reach its target.
        const Local p = Localizar(partes.pasta);
        const Fd pasta = p.existe ? AbrirPasta(p) : Fd();
        if (!pasta.válido())
            return {};
        const std::optional<std::vector<Entrada>> entradas = LerPasta(pasta.get());
        if (!entradas)
            return {};
        const QString curinga = último.isEmpty() ? QStringLiteral("*") : último;

        std::vector<Listado> lista;
        lista.reserve(entradas->size());
        for (const Entrada& e : *entradas) {
            const QString visto = NomeVisto(e.nome);
            lista.push_back({visto, ChaveNome(visto), Oculto(e.nome), e.pasta, e.bytes});
        }
        // Sorted as the programs expect a listing: by name, without regard to case.
        std::sort(lista.begin(), lista.end(), [](const Listado& a, const Listado& b) {
            if (a.chave != b.chave)
                return a.chave < b.chave;
            if (a.oculto != b.oculto)
                return !a.oculto;
            return a.nome < b.nome;
        });

        if ((atributos & vbDirectory) &&
            (curinga == QLatin1String("*") || curinga == QLatin1String("*.*")))
            saída << QStringLiteral(".") << QStringLiteral("..");
        for (size_t início = 0, fim = 0; início < lista.size(); início = fim) {
            while (++fim < lista.size() && lista[fim].chave == lista[início].chave) {
            }
            for (size_t i = início; i < fim; ++i) {
                const Listado& e = lista[i];
                if (!Admite(e, atributos) || !CoincideCuringa(curinga, e.nome))
                    continue;
                // Several entries under one folded name ("x" and ".x", "caf\xe9.htm" and the
                // UTF-8 "café.htm"): each is listed once, under a name that reaches it again;
                // one that no name reaches (a hidden "x" behind a visible one) is not listed.
                if (fim - início == 1 || Alcança(lista, início, fim, e.nome, i)) {
                    saída << e.nome;
                    continue;
                }
                const QString inteiro = NomeVisto(TextoDoSistema(e.bytes));
                if (!QByteArrayView(e.bytes).isValidUtf8() &&
                    Alcança(lista, início, fim, inteiro, i))
                    saída << inteiro;
            }
        }
        return saída;
    } catch (const VbError&) {
        return {};
    }
}

QString Dir(const QString& padrão, int atributos) {
    const QStringList lista = DirLista(padrão, atributos);
    return lista.isEmpty() ? QString() : lista.first();
}

namespace {
QString& PastaDoProgramaDefinida() {
    static QString pasta;
    return pasta;
}
} // namespace

void DefinirPastaDoPrograma(const QString& pasta) {
    PastaDoProgramaDefinida() = pasta;
}

QString PastaDoPrograma() {
    if (!PastaDoProgramaDefinida().isEmpty())
        return PastaDoProgramaDefinida();
    if (!QCoreApplication::instance())
        return PastaAtual();
    // The executable's own path, as the kernel gives it, kept whole: Qt's would decode a folder
    // name that is not UTF-8 into replacement characters. Read once: the program does not move.
    static const QString pasta = [] {
        char caminho[PATH_MAX];
        const ssize_t n = ::readlink("/proc/self/exe", caminho, sizeof caminho);
        if (n <= 0 || n >= ssize_t(sizeof caminho) || caminho[0] != '/')
            return QCoreApplication::applicationDirPath();
        const QByteArray bytes(caminho, n);
        return TextoDoSistema(bytes.left(std::max<qsizetype>(bytes.lastIndexOf('/'), 1)));
    }();
    return pasta;
}

bool Contém(const QString& pasta, const QString& outra) {
    try {
        const Local p = Localizar(pasta);
        const Fd dentro = p.existe ? AbrirPasta(p) : Fd();
        const Local o = Localizar(outra);
        Fd atual = o.existe ? AbrirPasta(o) : Fd();
        struct stat sp, so;
        if (!dentro.válido() || !atual.válido() || ::fstat(dentro.get(), &sp) != 0)
            return false;
        // From the other folder up to the root, each folder on the way by its device and inode.
        while (::fstat(atual.get(), &so) == 0) {
            if (so.st_dev == sp.st_dev && so.st_ino == sp.st_ino)
                return true;
            Fd acima(::openat(atual.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
            struct stat sa;
            if (!acima.válido() || ::fstat(acima.get(), &sa) != 0 ||
                (sa.st_dev == so.st_dev && sa.st_ino == so.st_ino))
                return false; // the root
            atual = std::move(acima);
        }
    } catch (const VbError&) {
    }
    return false;
}

} // namespace vb
