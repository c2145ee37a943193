#include "arquivos.h"

#include "caminhos.h"
#include "caminhos_internos.h"
#include "vberro.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vb {

using namespace interno;

namespace {

QByteArray Nativo(const QString& hospedeiro) {
    return QFile::encodeName(hospedeiro);
}

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

QString PastaDe(const QString& hospedeiro) {
    const qsizetype barra = hospedeiro.lastIndexOf(QLatin1Char('/'));
    if (barra <= 0)
        return QStringLiteral("/");
    return hospedeiro.left(barra);
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

struct Descritor {
    int fd = -1;
    ~Descritor() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

void FileCopy(const QString& origem, const QString& destino) {
    const Resolvido o = Resolver(origem);
    if (!o.existe)
        Falha(ArquivoNãoEncontrado, QStringLiteral("Arquivo não encontrado"), origem);
    Descritor fonte;
    fonte.fd = ::open(Nativo(o.hospedeiro).constData(), O_RDONLY | O_CLOEXEC);
    if (fonte.fd < 0) {
        if (errno == ENOENT || errno == ELOOP)
            Falha(ArquivoNãoEncontrado, QStringLiteral("Arquivo não encontrado"), origem, errno);
        Falha(errno == EACCES || errno == EPERM ? PermissãoNegada : AcessoCaminho,
              QStringLiteral("Arquivo não pode ser lido"), origem, errno);
    }
    struct stat so;
    if (::fstat(fonte.fd, &so) != 0 || !S_ISREG(so.st_mode))
        Falha(ArquivoNãoEncontrado, QStringLiteral("Arquivo não encontrado"), origem);

    const Resolvido d = Resolver(destino);
    const QString pasta = PastaDe(d.hospedeiro);
    struct stat sp;
    if (::stat(Nativo(pasta).constData(), &sp) != 0 || !S_ISDIR(sp.st_mode))
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), destino);

    const mode_t máscara = Umask();
    mode_t modo = (0666 | (so.st_mode & 0111)) & ~máscara;
    struct stat sd;
    if (::lstat(Nativo(d.hospedeiro).constData(), &sd) == 0) {
        if (S_ISDIR(sd.st_mode))
            Falha(AcessoCaminho, QStringLiteral("Destino é uma pasta"), destino);
        if (S_ISREG(sd.st_mode)) {
            // The read-only attribute: no write permission for anyone (also for root).
            if ((sd.st_mode & 0222) == 0 || ::access(Nativo(d.hospedeiro).constData(), W_OK) != 0)
                Falha(PermissãoNegada, QStringLiteral("Arquivo somente para leitura"), destino);
            if (sd.st_ino == so.st_ino && sd.st_dev == so.st_dev)
                return; // a file copied onto itself is already there
            modo = sd.st_mode & 07777;
        }
    }

    // Temporary file beside the destination, renamed over it once complete: the destination
    // holds its previous content or the whole copy, never part of it. The copy is not forced to
    // disk file by file (a journal commit each, most of the time of a lesson's staging): the
    // usual Linux file systems (ext4, XFS, Btrfs) write a file renamed over another before the
    // rename itself, and a copy that a crash loses is staged again by its lesson.
    QByteArray modelo = Nativo(Juntar(pasta, QStringLiteral(".~cópia"))) + ".XXXXXX";
    Descritor temp;
    temp.fd = ::mkostemp(modelo.data(), O_CLOEXEC);
    if (temp.fd < 0)
        Falha(NúmeroDeEscrita(errno), QStringLiteral("Não foi possível gravar"), destino, errno);
    int erro = CopiarConteúdo(fonte.fd, temp.fd);
    if (!erro && ::fchmod(temp.fd, modo) != 0)
        erro = errno;
    if (!erro) {
        const int fd = temp.fd;
        temp.fd = -1;
        if (::close(fd) != 0)
            erro = errno;
    }
    if (!erro && ::rename(modelo.constData(), Nativo(d.hospedeiro).constData()) != 0)
        erro = errno;
    if (erro) {
        ::unlink(modelo.constData());
        Falha(NúmeroDeEscrita(erro), QStringLiteral("Não foi possível gravar"), destino, erro);
    }
}

void Kill(const QString& caminho) {
    const Dividido partes = DividirÚltimo(caminho);
    const QString sóNome = SemFinais(partes.último);
    if (!TemCuringa(sóNome)) {
        const Resolvido r = Resolver(caminho);
        struct stat st;
        if (!r.existe || sóNome.isEmpty() || ::lstat(Nativo(r.hospedeiro).constData(), &st) != 0 ||
            S_ISDIR(st.st_mode))
            Falha(ArquivoNãoEncontrado, QStringLiteral("Arquivo não encontrado"), caminho);
        if (SomenteLeitura(st))
            Falha(AcessoCaminho, QStringLiteral("Arquivo somente para leitura"), caminho);
        if (::unlink(Nativo(r.hospedeiro).constData()) != 0)
            Falha(NúmeroDeEscrita(errno), QStringLiteral("Não foi possível apagar"), caminho,
                  errno);
        return;
    }

    const Resolvido p = Resolver(partes.pasta);
    const std::optional<std::vector<Entrada>> entradas =
        p.existe ? LerPasta(p.hospedeiro) : std::nullopt;
    if (!entradas)
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
    bool algum = false, somenteLeitura = false;
    int primeiroErro = 0;
    for (const Entrada& e : *entradas) {
        if (e.pasta || !CoincideCuringa(sóNome, NomeVisto(e.nome)))
            continue;
        algum = true;
        const QByteArray nativo = Nativo(Juntar(p.hospedeiro, e.nome));
        struct stat st;
        if (::lstat(nativo.constData(), &st) == 0 && SomenteLeitura(st)) {
            somenteLeitura = true; // it stays; the others still go
            continue;
        }
        if (::unlink(nativo.constData()) != 0 && !primeiroErro)
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
    const Resolvido r = Resolver(caminho);
    if (r.existe)
        Falha(AcessoCaminho, QStringLiteral("Já existe"), caminho);
    if (::mkdir(Nativo(r.hospedeiro).constData(), 0777) != 0) {
        const int erro = errno;
        Falha(erro == ENOENT || erro == ENOTDIR ? CaminhoNãoEncontrado : AcessoCaminho,
              QStringLiteral("Não foi possível criar a pasta"), caminho, erro);
    }
}

void RmDir(const QString& caminho) {
    const Resolvido r = Resolver(caminho);
    struct stat st;
    if (!r.existe || ::lstat(Nativo(r.hospedeiro).constData(), &st) != 0)
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
    if (S_ISLNK(st.st_mode)) {
        // A link to a folder is removed as a link; the folder it points to stays as it is.
        struct stat alvo;
        if (::stat(Nativo(r.hospedeiro).constData(), &alvo) != 0 || !S_ISDIR(alvo.st_mode))
            Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
        if (::unlink(Nativo(r.hospedeiro).constData()) != 0)
            Falha(AcessoCaminho, QStringLiteral("Não foi possível remover a pasta"), caminho,
                  errno);
        return;
    }
    if (!S_ISDIR(st.st_mode))
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
    if (::rmdir(Nativo(r.hospedeiro).constData()) != 0)
        Falha(AcessoCaminho, QStringLiteral("Não foi possível remover a pasta"), caminho, errno);
}

void ChDir(const QString& caminho) {
    const Resolvido r = Resolver(caminho);
    struct stat st;
    if (!r.existe || ::stat(Nativo(r.hospedeiro).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
    if (!QDir::setCurrent(r.hospedeiro))
        Falha(CaminhoNãoEncontrado, QStringLiteral("Caminho não encontrado"), caminho);
}

QString CurDir() {
    return QDir::currentPath();
}

namespace {

struct Listado {
    QString nome; // as the program sees it
    QString chave;
    bool oculto;
    bool pasta;
};

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
            const Resolvido r = Resolver(padrão);
            struct stat st;
            if (!r.existe || ::lstat(Nativo(r.hospedeiro).constData(), &st) != 0)
                return {};
            const QString nomeHost =
                r.hospedeiro.mid(r.hospedeiro.lastIndexOf(QLatin1Char('/')) + 1);
            const Listado e{NomeVisto(nomeHost), {}, r.oculto, S_ISDIR(st.st_mode)};
            if (Admite(e, atributos))
                saída << e.nome;
            return saída;
        }

        // A symbolic link is never listed through: a tree walk must not reach its target.
        const Resolvido p = Resolver(partes.pasta);
        if (!p.existe || p.ligação)
            return {};
        const std::optional<std::vector<Entrada>> entradas = LerPasta(p.hospedeiro);
        if (!entradas)
            return {};
        const QString curinga = último.isEmpty() ? QStringLiteral("*") : último;

        std::vector<Listado> lista;
        lista.reserve(entradas->size());
        for (const Entrada& e : *entradas) {
            const QString visto = NomeVisto(e.nome);
            lista.push_back({visto, ChaveNome(visto), Oculto(e.nome), e.pasta});
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
        for (size_t i = 0; i < lista.size(); ++i) {
            const Listado& e = lista[i];
            // "x" and ".x" both there: the visible one is the entry that the name denotes.
            if (e.oculto && i > 0 && !lista[i - 1].oculto && lista[i - 1].chave == e.chave)
                continue;
            if (Admite(e, atributos) && CoincideCuringa(curinga, e.nome))
                saída << e.nome;
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
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

} // namespace vb
