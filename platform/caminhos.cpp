#include "caminhos.h"

#include "caminhos_internos.h"
#include "registros.h"
#include "vberro.h"

#include <QDir>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vb {

// ---------------------------------------------------------------------------------------------
// Drive map

namespace {

// A lone low surrogate that stands for one byte of a name that is not UTF-8.
bool Escape(QStringView t, qsizetype i) {
    const char16_t u = t[i].unicode();
    return u >= 0xDC80 && u <= 0xDCFF && !(i > 0 && t[i - 1].isHighSurrogate());
}

// The length of the valid UTF-8 sequence at the start of `s`, or 0.
qsizetype SequênciaUtf8(const char* s, qsizetype resta) {
    const auto c = static_cast<unsigned char>(s[0]);
    const qsizetype n = c < 0x80   ? 1
                        : c < 0xC2 ? 0
                        : c < 0xE0 ? 2
                        : c < 0xF0 ? 3
                        : c < 0xF5 ? 4
                                   : 0;
    return n && n <= resta && QByteArrayView(s, n).isValidUtf8() ? n : 0;
}

// A usable home: an absolute path that is not the root folder.
bool CasaUsável(const char* p) {
    return p && p[0] == '/' && !interno::ÉARaiz(TextoDoSistema(p));
}

} // namespace

bool interno::HáEscape(QStringView t) {
    for (qsizetype i = 0; i < t.size(); ++i)
        if (Escape(t, i))
            return true;
    return false;
}

using interno::HáEscape;

QString TextoDoSistema(const QByteArray& bytes) {
    if (QByteArrayView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    QString texto;
    texto.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        if (const qsizetype n = SequênciaUtf8(bytes.constData() + i, bytes.size() - i)) {
            texto += QString::fromUtf8(bytes.constData() + i, n);
            i += n;
        } else {
            texto += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[i++])));
        }
    }
    return texto;
}

QByteArray BytesDoSistema(const QString& texto) {
    if (!HáEscape(texto))
        return texto.toUtf8();
    QByteArray bytes;
    qsizetype início = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (!Escape(texto, i))
            continue;
        bytes += QStringView(texto).mid(início, i - início).toUtf8();
        bytes += char(texto[i].unicode() - 0xDC00);
        início = i + 1;
    }
    return bytes + QStringView(texto).mid(início).toUtf8();
}

QString ParaMostrar(const QString& texto) {
    if (!HáEscape(texto))
        return texto;
    QString r;
    for (qsizetype i = 0; i < texto.size();) {
        QByteArray bytes;
        for (; i < texto.size() && Escape(texto, i); ++i)
            bytes += char(texto[i].unicode() - 0xDC00);
        if (!bytes.isEmpty())
            r += DeAnsi(bytes);
        else
            r += texto[i++];
    }
    return r;
}

std::optional<QString> PastaDoUsuário() {
    const passwd* p = ::getpwuid(::getuid());
    return interno::PastaDoUsuárioDe(std::getenv("HOME"), p ? p->pw_dir : nullptr);
}

namespace interno {

bool ÉARaiz(const QString& hospedeiro) {
    if (QDir::cleanPath(hospedeiro) == QLatin1String("/"))
        return true;
    struct stat pasta, raiz;
    return ::stat(Nativo(hospedeiro).constData(), &pasta) == 0 && ::stat("/", &raiz) == 0 &&
           pasta.st_dev == raiz.st_dev && pasta.st_ino == raiz.st_ino;
}

std::optional<QString> PastaDoUsuárioDe(const char* home, const char* cadastro) {
    for (const char* casa : {home, cadastro})
        if (CasaUsável(casa))
            return TextoDoSistema(casa);
    return std::nullopt;
}

QString PastaAtual() {
    char* p = ::getcwd(nullptr, 0);
    if (!p)
        return {};
    const QString pasta = TextoDoSistema(p);
    std::free(p);
    return pasta;
}

} // namespace interno

DriveMap& DriveMap::atual() {
    static DriveMap mapa = [] {
        DriveMap m;
        if (const auto home = PastaDoUsuário())
            m.definir(QLatin1Char('C'), *home);
        return m;
    }();
    return mapa;
}

void DriveMap::definir(QChar letra, const QString& pastaHospedeira) {
    if (!LetraDeUnidade(letra))
        return; // only A to Z name drives
    mapa_.insert(letra.toUpper(), pastaHospedeira);
}

bool LetraDeUnidade(QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

void DriveMap::remover(QChar letra) {
    mapa_.remove(letra.toUpper());
}

void DriveMap::limpar() {
    mapa_.clear();
}

std::optional<QString> DriveMap::pasta(QChar letra) const {
    const auto it = mapa_.constFind(letra.toUpper());
    if (it == mapa_.constEnd())
        return std::nullopt;
    return *it;
}

// ---------------------------------------------------------------------------------------------
// Names

namespace interno {

bool Separador(QChar c) {
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

QString SemFinais(const QString& nome) {
    qsizetype fim = nome.size();
    while (fim > 0 && (nome[fim - 1] == QLatin1Char(' ') || nome[fim - 1] == QLatin1Char('.')))
        --fim;
    return nome.left(fim);
}

QString NomeVisto(const QString& nomeHospedeiro) {
    if (nomeHospedeiro.size() > 1 && nomeHospedeiro[0] == QLatin1Char('.'))
        return nomeHospedeiro.mid(1);
    return nomeHospedeiro;
}

bool Oculto(const QString& nomeHospedeiro) {
    return nomeHospedeiro.size() > 1 && nomeHospedeiro[0] == QLatin1Char('.');
}

QString ChaveDoPedido(const QString& nome) {
    return HáEscape(nome) ? ChaveNome(Decodificar(Nativo(nome))) : ChaveNome(nome);
}

void Escolha::Ver(const QByteArray& n, bool semPonto) {
    const QByteArrayView nome = semPonto ? QByteArrayView(n).sliced(1) : QByteArrayView(n);
    const int p = (semPonto ? 3 : 0) + (nome == QByteArrayView(pedido)    ? 0
                                        : QByteArrayView(n).isValidUtf8() ? 1
                                                                          : 2);
    if (p < posto || (p == posto && n < bytes)) {
        posto = p;
        bytes = n;
    }
}

void Fd::Fechar() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

QByteArray Nativo(const QString& hospedeiro) {
    return BytesDoSistema(hospedeiro);
}

QString Decodificar(const QByteArray& nome) {
    QString texto = QString::fromUtf8(nome);
    // A replacement character that the bytes do not hold marks bytes that are not UTF-8.
    if (texto.contains(QChar::ReplacementCharacter) && texto.toUtf8() != nome)
        return DeAnsi(nome);
    return texto;
}

// A listing of an open folder on a descriptor of its own: closedir closes it, the caller's
// stays open. nullptr when the folder cannot be listed.
DIR* Listagem(int pasta) {
    const int fd = ::openat(pasta, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    DIR* d = ::fdopendir(fd);
    if (!d)
        ::close(fd);
    return d;
}

std::optional<std::vector<Entrada>> LerPasta(int pasta) {
    DIR* d = Listagem(pasta);
    if (!d)
        return std::nullopt;
    const int fd = ::dirfd(d);
    std::vector<Entrada> entradas;
    while (const dirent* e = ::readdir(d)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        Entrada en;
        en.bytes = QByteArray(n);
        en.nome = Decodificar(en.bytes);
        if (e->d_type == DT_DIR) {
            en.pasta = true;
        } else if (e->d_type == DT_UNKNOWN) {
            struct stat st;
            en.pasta = ::fstatat(fd, n, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
        }
        entradas.push_back(std::move(en));
    }
    ::closedir(d);
    return entradas;
}

Fd AbrirSubpasta(int pasta, const QByteArray& n, bool seguir) {
    const int bandeiras = O_DIRECTORY | O_CLOEXEC | (seguir ? 0 : O_NOFOLLOW);
    int fd = ::openat(pasta, n.constData(), O_RDONLY | bandeiras);
    if (fd < 0 && errno == EACCES) // a folder that may be passed through but not listed
        fd = ::openat(pasta, n.constData(), O_PATH | bandeiras);
    return Fd(fd);
}

Fd AbrirPasta(const Local& l) {
    if (!l.pasta.válido()) {
        errno = ENOENT;
        return Fd();
    }
    if (l.nome.isEmpty())
        return Fd(::fcntl(l.pasta.get(), F_DUPFD_CLOEXEC, 0));
    return AbrirSubpasta(l.pasta.get(), l.nativo, l.seguir);
}

QString Juntar(const QString& pasta, const QString& nome) {
    if (pasta.endsWith(QLatin1Char('/')))
        return pasta + nome;
    return pasta + QLatin1Char('/') + nome;
}

Dividido DividirÚltimo(const QString& caminho) {
    for (qsizetype i = caminho.size() - 1; i >= 0; --i)
        if (Separador(caminho[i]))
            return {caminho.left(i + 1), caminho.mid(i + 1)};
    if (caminho.size() >= 2 && caminho[1] == QLatin1Char(':'))
        return {caminho.left(2), caminho.mid(2)};
    return {QString(), caminho};
}

bool TemCuringa(const QString& nome) {
    return nome.contains(QLatin1Char('*')) || nome.contains(QLatin1Char('?'));
}

} // namespace interno

using namespace interno;

QString ChaveNome(const QString& nome) {
    QString chave = SemFinais(nome);
    // Most names are plain ASCII: composing changes nothing and folding lowers A to Z.
    if (std::all_of(chave.cbegin(), chave.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
        for (QChar& c : chave)
            if (c >= u'A' && c <= u'Z')
                c = QChar(c.unicode() | 0x20);
        return chave;
    }
    return chave.normalized(QString::NormalizationForm_C).toCaseFolded();
}

namespace {

// Glob of '*' and '?' over already folded strings, with backtracking on the last '*'.
bool Glob(QStringView p, QStringView n) {
    qsizetype i = 0, j = 0, estrela = -1, marca = 0;
    while (j < n.size()) {
        // A '*' is always a wildcard, even where the host name holds a '*' of its own.
        if (i < p.size() && p[i] == QLatin1Char('*')) {
            estrela = i++;
            marca = j;
        } else if (i < p.size() && (p[i] == QLatin1Char('?') || p[i] == n[j])) {
            ++i;
            ++j;
        } else if (estrela >= 0) {
            i = estrela + 1;
            j = ++marca;
        } else {
            return false;
        }
    }
    while (i < p.size() && p[i] == QLatin1Char('*'))
        ++i;
    return i == p.size();
}

} // namespace

bool CoincideCuringa(const QString& padrão, const QString& nome) {
    const QString p = ChaveNome(padrão);
    const QString n = ChaveNome(nome);
    if (Glob(p, n))
        return true;
    // DOS: "name.*" also matches the bare "name".
    if (p.endsWith(QLatin1String(".*")) && !n.contains(QLatin1Char('.')))
        return Glob(QStringView(p).chopped(2), n);
    return false;
}

// ---------------------------------------------------------------------------------------------
// Resolution

namespace {

struct Raiz {
    QString pasta;        // host folder that ".." never climbs above
    QStringList iniciais; // host names already resolved below it (relative paths)
    QStringView resto;    // the names still to resolve
    bool unidade = false; // a drive's folder
};

Raiz Separar(const QString& caminho) {
    // The system calls stop at a NUL: "c:\..<NUL>" would reach the folder above the drive.
    if (caminho.contains(QChar(u'\0')))
        throw VbError(NomeInválido, QStringLiteral("Nome de arquivo inválido"));
    Raiz r;
    if (caminho.size() >= 2 && caminho[1] == QLatin1Char(':')) {
        // Only A to Z are drives: "1:\..\x" or "\:\..\x" taken as a host path would climb
        // out of every mapped folder.
        if (!LetraDeUnidade(caminho[0]))
            throw VbError(NomeInválido, QStringLiteral("Nome de arquivo inválido"));
        const QChar letra = caminho[0].toUpper();
        const std::optional<QString> pasta = DriveMap::atual().pasta(letra);
        if (!pasta || pasta->isEmpty()) {
            const bool disquete = letra == QLatin1Char('A') || letra == QLatin1Char('B');
            throw VbError(disquete ? DiscoNãoPronto : CaminhoNãoEncontrado,
                          QStringLiteral("Unidade %1: não disponível").arg(letra));
        }
        r.pasta = QDir::cleanPath(
            pasta->startsWith(QLatin1Char('/')) ? *pasta : Juntar(PastaAtual(), *pasta));
        r.unidade = true;
        r.resto = QStringView(caminho).mid(2);
        return r;
    }
    r.pasta = QStringLiteral("/");
    r.resto = caminho;
    if (caminho.isEmpty() || !Separador(caminho[0])) {
        // Relative host path: the current folder's names are already resolved.
        r.iniciais = PastaAtual().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    }
    return r;
}

// Finds the host entry that a program name denotes inside one folder.
// Order: visible exact, visible folded, hidden exact, hidden folded.
struct Achado {
    QByteArray bytes;
    bool oculto = false;
};

std::optional<Achado> Resultado(const Escolha& e) {
    if (!e.achou())
        return std::nullopt;
    return Achado{e.bytes, e.posto >= 3};
}

// The index of one folder: its names on disk in the order listed, with the positions of each
// folded name. A name gone is left empty in place.
struct Índice {
    std::vector<QByteArray> nomes;
    QHash<QString, std::vector<int>> chaves;  // folded whole name
    QHash<QString, std::vector<int>> ocultos; // hidden names, folded without their dot

    void Pôr(const QByteArray& n, const QString& nome) {
        const int posição = int(nomes.size());
        nomes.push_back(n);
        chaves[ChaveNome(nome)].push_back(posição);
        if (Oculto(nome))
            ocultos[ChaveNome(nome.mid(1))].push_back(posição);
    }
    void Tirar(const QByteArray& n) {
        const QString nome = Decodificar(n);
        for (int posição : chaves.value(ChaveNome(nome)))
            if (nomes[std::size_t(posição)] == n)
                nomes[std::size_t(posição)].clear();
    }
    // The entry that a name denotes, as Procurar's scan below finds it.
    std::optional<Achado> Achar(const QString& nome) const {
        const QString chave = ChaveDoPedido(nome);
        Escolha escolha(Nativo(nome));
        for (int posição : chaves.value(chave))
            if (const QByteArray& n = nomes[std::size_t(posição)]; !n.isEmpty())
                escolha.Ver(n, false);
        if (escolha.posto < 3)
            return Resultado(escolha);
        for (int posição : ocultos.value(chave))
            if (const QByteArray& n = nomes[std::size_t(posição)]; !n.isEmpty())
                escolha.Ver(n, true);
        return Resultado(escolha);
    }
};

// The indexes of this thread's current LeituraÚnica, by folder (device and inode, so that every
// descriptor of one folder shares its index).
struct Índices {
    int escopos = 0;
    std::map<std::pair<dev_t, ino_t>, Índice> pastas;
};
thread_local Índices índices;

// The index of an open folder, read now when it has none (or when `deNovo`); nullptr outside a
// LeituraÚnica or when the folder cannot be listed.
Índice* ÍndiceDe(int pasta, bool deNovo = false) {
    struct stat sp;
    if (índices.escopos == 0 || ::fstat(pasta, &sp) != 0)
        return nullptr;
    const std::pair<dev_t, ino_t> chave{sp.st_dev, sp.st_ino};
    if (!deNovo)
        if (const auto it = índices.pastas.find(chave); it != índices.pastas.end())
            return &it->second;
    índices.pastas.erase(chave);
    const std::optional<std::vector<Entrada>> entradas = LerPasta(pasta);
    if (!entradas)
        return nullptr;
    Índice í;
    for (const Entrada& e : *entradas)
        í.Pôr(e.bytes, e.nome);
    return &(índices.pastas[chave] = std::move(í));
}

// The index of an open folder when it already has one.
Índice* ÍndiceFeito(int pasta) {
    struct stat sp;
    if (índices.pastas.empty() || ::fstat(pasta, &sp) != 0)
        return nullptr;
    const auto it = índices.pastas.find({sp.st_dev, sp.st_ino});
    return it == índices.pastas.end() ? nullptr : &it->second;
}

std::optional<Achado> Procurar(int pasta, const QString& nome) {
    // An exact visible entry wins over everything: one fstatat, no scan.
    struct stat st;
    const QByteArray nativo = Nativo(nome);
    if (::fstatat(pasta, nativo.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return Achado{nativo, false};
    if (Índice* í = ÍndiceDe(pasta)) {
        std::optional<Achado> a = í->Achar(nome);
        // The entry is no longer there: the folder changed under the index, which is read again.
        if (a && ::fstatat(pasta, a->bytes.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            í = ÍndiceDe(pasta, true);
            a = í ? í->Achar(nome) : std::nullopt;
        }
        if (í)
            return a;
    }
    DIR* d = Listagem(pasta);
    if (!d)
        return std::nullopt;
    const std::unique_ptr<DIR, int (*)(DIR*)> fechar(d, ::closedir);
    const bool pedeOculto = nome.startsWith(QLatin1Char('.'));
    std::optional<QString> chave; // the folded name, made when a non-ASCII entry needs it
    auto mesmoNomeQt = [&](QStringView n) {
        while (!n.isEmpty() && (n.back() == u' ' || n.back() == u'.'))
            n.chop(1);
        if (std::all_of(n.begin(), n.end(), [](QChar ch) { return ch.unicode() < 0x80; }))
            return n.compare(QStringView(nome), Qt::CaseInsensitive) == 0;
        if (!chave)
            chave = ChaveDoPedido(nome);
        return ChaveNome(n.toString()) == *chave;
    };
    // The scan runs once per name that is not there as written (a folder of hundreds of
    // entries, looked up for dozens of names): a plain ASCII entry is compared on its bytes,
    // with no conversion; only an entry with other bytes is decoded and folded.
    auto mesmoNomeBytes = [&](const char* n, std::size_t tamanho) {
        while (tamanho > 0 && (n[tamanho - 1] == ' ' || n[tamanho - 1] == '.'))
            --tamanho;
        if (std::all_of(n, n + tamanho,
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            return qsizetype(tamanho) == nome.size() &&
                   QStringView(nome).compare(QLatin1StringView(n, qsizetype(tamanho)),
                                             Qt::CaseInsensitive) == 0;
        return mesmoNomeQt(Decodificar(QByteArray(n, qsizetype(tamanho))));
    };
    // Every entry is seen: which one answers must not hang on the order of the listing.
    Escolha escolha(nativo);
    while (const dirent* e = ::readdir(d)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        const std::size_t tamanho = std::strlen(n);
        if (!(tamanho > 1 && n[0] == '.')) { // a visible entry
            if (mesmoNomeBytes(n, tamanho))
                escolha.Ver(QByteArray(n, qsizetype(tamanho)), false);
            continue;
        }
        const QString oculto = Decodificar(QByteArray(n));
        if (pedeOculto && mesmoNomeQt(oculto))
            escolha.Ver(QByteArray(n), false);
        else if (mesmoNomeQt(QStringView(oculto).mid(1)))
            escolha.Ver(QByteArray(n), true);
    }
    return Resultado(escolha);
}

} // namespace

LeituraÚnica::LeituraÚnica() {
    ++índices.escopos;
}

LeituraÚnica::~LeituraÚnica() {
    if (--índices.escopos == 0)
        índices.pastas.clear();
}

namespace interno {

void EntradaCriada(int pasta, const QByteArray& nome) {
    if (Índice* í = ÍndiceFeito(pasta))
        í->Pôr(nome, Decodificar(nome));
}

void EntradaApagada(int pasta, const QByteArray& nome) {
    if (Índice* í = ÍndiceFeito(pasta))
        í->Tirar(nome);
}

void PastasMudaram() {
    índices.pastas.clear();
}

Local Localizar(const QString& caminho) {
    const Raiz r = Separar(caminho);
    struct Nível {
        QString nome;
        QByteArray bytes;
        bool achado;
        bool oculto;
        bool tentado = false; // its folder was opened (or could not be)
        Fd fd;
    };
    std::vector<Nível> níveis;
    níveis.reserve(r.iniciais.size() + 8);
    for (const QString& n : r.iniciais)
        níveis.push_back({n, Nativo(n), true, false, false, Fd()});
    Fd raiz;
    bool raizTentada = false;

    // Links are followed at the root and in a drive's first level; see caminhos_internos.h.
    auto seguir = [&](std::size_t profundidade) { return !r.unidade || profundidade <= 1; };
    // The folder at depth k (0: the root), opened from its parent on first use.
    auto abrir = [&](std::size_t k) {
        if (!raizTentada) {
            raizTentada = true;
            raiz = Fd(::open(Nativo(r.pasta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        }
        int fd = raiz.get();
        for (std::size_t i = 0; i < k && fd >= 0; ++i) {
            Nível& n = níveis[i];
            if (!n.tentado) {
                n.tentado = true;
                if (n.achado)
                    n.fd = AbrirSubpasta(fd, n.bytes, seguir(i + 1));
            }
            fd = n.fd.get();
        }
        return fd;
    };
    auto atual = [&] {
        QString p = r.pasta;
        for (const Nível& n : níveis)
            p = Juntar(p, n.nome);
        return p;
    };
    auto tudoAchado = [&] {
        return std::all_of(níveis.begin(), níveis.end(), [](const Nível& n) { return n.achado; });
    };

    qsizetype início = 0;
    const QStringView resto = r.resto;
    for (qsizetype i = 0; i <= resto.size(); ++i) {
        if (i < resto.size() && !Separador(resto[i]))
            continue;
        const QStringView bruto = resto.mid(início, i - início);
        início = i + 1;
        if (bruto == u".")
            continue;
        if (bruto == u"..") {
            // Never above the root of the drive (or "/").
            if (!níveis.empty())
                níveis.pop_back();
            continue;
        }
        const QString nome = SemFinais(bruto.toString());
        if (nome.isEmpty())
            continue;
        if (tudoAchado()) {
            const int pasta = abrir(níveis.size());
            if (pasta >= 0) {
                if (std::optional<Achado> a = Procurar(pasta, nome)) {
                    níveis.push_back(
                        {TextoDoSistema(a->bytes), a->bytes, true, a->oculto, false, Fd()});
                    continue;
                }
            }
        }
        níveis.push_back({nome, Nativo(nome), false, false, false, Fd()});
    }

    Local l;
    l.hospedeiro = atual();
    l.naUnidade = r.unidade && !níveis.empty();
    l.seguir = seguir(níveis.size());
    if (níveis.empty()) {
        abrir(0);
        l.existe = raiz.válido();
        l.pasta = std::move(raiz);
        return l;
    }
    const std::size_t último = níveis.size() - 1;
    const int pasta =
        std::all_of(níveis.begin(), níveis.end() - 1, [](const Nível& n) { return n.achado; })
            ? abrir(último)
            : -1;
    l.nome = níveis.back().nome;
    l.nativo = níveis.back().bytes;
    if (pasta >= 0) {
        l.pasta = último == 0 ? std::move(raiz) : std::move(níveis[último - 1].fd);
        struct stat st;
        l.existe = níveis.back().achado &&
                   ::fstatat(l.pasta.get(), l.nativo.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
        l.oculto = l.existe && níveis.back().oculto;
        l.ligação =
            l.existe && níveis.size() > std::size_t(r.iniciais.size()) && S_ISLNK(st.st_mode);
    }
    return l;
}

} // namespace interno

Resolvido Resolver(const QString& caminho) {
    const Local l = Localizar(caminho);
    return {l.hospedeiro, l.existe, l.oculto, l.ligação};
}

QString Hospedeiro(const QString& caminho) {
    return Resolver(caminho).hospedeiro;
}

} // namespace vb
