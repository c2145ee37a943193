#include "caminhos.h"

#include "caminhos_internos.h"
#include "vberro.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>

namespace vb {

// ---------------------------------------------------------------------------------------------
// Drive map

DriveMap& DriveMap::atual() {
    static DriveMap mapa = [] {
        DriveMap m;
        m.definir(QLatin1Char('C'), QDir::homePath());
        return m;
    }();
    return mapa;
}

void DriveMap::definir(QChar letra, const QString& pastaHospedeira) {
    mapa_.insert(letra.toUpper(), pastaHospedeira);
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

std::optional<std::vector<Entrada>> LerPasta(const QString& pasta) {
    DIR* d = ::opendir(QFile::encodeName(pasta).constData());
    if (!d)
        return std::nullopt;
    std::vector<Entrada> entradas;
    while (const dirent* e = ::readdir(d)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        Entrada en;
        en.nome = QFile::decodeName(n);
        if (e->d_type == DT_DIR) {
            en.pasta = true;
        } else if (e->d_type == DT_UNKNOWN) {
            struct stat st;
            const QByteArray completo = QFile::encodeName(pasta + QLatin1Char('/') + en.nome);
            en.pasta = ::lstat(completo.constData(), &st) == 0 && S_ISDIR(st.st_mode);
        }
        entradas.push_back(std::move(en));
    }
    ::closedir(d);
    return entradas;
}

QString Juntar(const QString& pasta, const QString& nome) {
    if (pasta.endsWith(QLatin1Char('/')))
        return pasta + nome;
    return pasta + QLatin1Char('/') + nome;
}

bool ExisteSemSeguir(const QString& hospedeiro) {
    struct stat st;
    return ::lstat(QFile::encodeName(hospedeiro).constData(), &st) == 0;
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
    return SemFinais(nome).normalized(QString::NormalizationForm_C).toCaseFolded();
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
};

Raiz Separar(const QString& caminho) {
    // The system calls stop at a NUL: "c:\..<NUL>" would reach the folder above the drive.
    if (caminho.contains(QChar(u'\0')))
        throw VbError(NomeInválido, QStringLiteral("Nome de arquivo inválido"));
    Raiz r;
    if (caminho.size() >= 2 && caminho[1] == QLatin1Char(':') && caminho[0].unicode() < 0x80 &&
        caminho[0].isLetter()) {
        const QChar letra = caminho[0].toUpper();
        const std::optional<QString> pasta = DriveMap::atual().pasta(letra);
        if (!pasta || pasta->isEmpty()) {
            const bool disquete = letra == QLatin1Char('A') || letra == QLatin1Char('B');
            throw VbError(disquete ? DiscoNãoPronto : CaminhoNãoEncontrado,
                          QStringLiteral("Unidade %1: não disponível").arg(letra));
        }
        r.pasta = QDir::cleanPath(QDir(*pasta).absolutePath());
        r.resto = QStringView(caminho).mid(2);
        return r;
    }
    r.pasta = QStringLiteral("/");
    r.resto = caminho;
    if (caminho.isEmpty() || !Separador(caminho[0])) {
        // Relative host path: the current folder's names are already resolved.
        r.iniciais = QDir::currentPath().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    }
    return r;
}

// Finds the host entry that a program name denotes inside one folder.
// Order: visible exact, visible folded, hidden exact, hidden folded.
struct Achado {
    QString nome;
    bool oculto = false;
};

std::optional<Achado> Procurar(const QString& pasta, const QString& nome) {
    // An exact visible entry wins over everything: one lstat, no scan.
    if (ExisteSemSeguir(Juntar(pasta, nome)))
        return Achado{nome, false};
    DIR* d = ::opendir(QFile::encodeName(pasta).constData());
    if (!d)
        return std::nullopt;
    const std::unique_ptr<DIR, int (*)(DIR*)> fechar(d, ::closedir);
    const QString nomeOculto = QLatin1Char('.') + nome;
    const bool pedeOculto = nome.startsWith(QLatin1Char('.'));
    std::optional<QString> chave; // the folded name, made when a non-ASCII entry needs it
    auto mesmoNomeQt = [&](QStringView n) {
        while (!n.isEmpty() && (n.back() == u' ' || n.back() == u'.'))
            n.chop(1);
        if (std::all_of(n.begin(), n.end(), [](QChar ch) { return ch.unicode() < 0x80; }))
            return n.compare(QStringView(nome), Qt::CaseInsensitive) == 0;
        if (!chave)
            chave = ChaveNome(nome);
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
        return mesmoNomeQt(QFile::decodeName(QByteArray(n, qsizetype(tamanho))));
    };
    std::optional<Achado> candidato[3]; // visible folded, hidden exact, hidden folded
    while (const dirent* e = ::readdir(d)) {
        const char* n = e->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        const std::size_t tamanho = std::strlen(n);
        if (!(tamanho > 1 && n[0] == '.')) { // a visible entry
            if (mesmoNomeBytes(n, tamanho))
                return Achado{QFile::decodeName(n), false};
            continue;
        }
        const QString oculto = QFile::decodeName(n);
        if (pedeOculto && mesmoNomeQt(oculto))
            return Achado{oculto, false};
        if (oculto == nomeOculto)
            candidato[1] = Achado{oculto, true};
        else if (!candidato[2] && mesmoNomeQt(QStringView(oculto).mid(1)))
            candidato[2] = Achado{oculto, true};
    }
    for (const std::optional<Achado>& c : candidato)
        if (c)
            return c;
    return std::nullopt;
}

} // namespace

Resolvido Resolver(const QString& caminho) {
    const Raiz r = Separar(caminho);
    struct Nível {
        QString nome;
        bool achado;
        bool oculto;
    };
    std::vector<Nível> níveis;
    for (const QString& n : r.iniciais)
        níveis.push_back({n, true, false});

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
            if (std::optional<Achado> a = Procurar(atual(), nome)) {
                níveis.push_back({a->nome, true, a->oculto});
                continue;
            }
        }
        níveis.push_back({nome, false, false});
    }

    Resolvido res;
    res.hospedeiro = atual();
    res.existe = tudoAchado() && ExisteSemSeguir(res.hospedeiro);
    res.oculto = res.existe && !níveis.empty() && níveis.back().oculto;
    if (res.existe && qsizetype(níveis.size()) > r.iniciais.size()) {
        struct stat st;
        res.ligação =
            ::lstat(QFile::encodeName(res.hospedeiro).constData(), &st) == 0 && S_ISLNK(st.st_mode);
    }
    return res;
}

QString Hospedeiro(const QString& caminho) {
    return Resolver(caminho).hospedeiro;
}

} // namespace vb
