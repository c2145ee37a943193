// libFuzzer target: the path resolver against a small fixed tree, and the name folding and
// wildcard match it stands on.
//
// Input: byte 0 picks the drive; the rest is UTF-8 text "path|pattern|name" (missing parts
// are taken from the path). The tree is made once at start-up in a fresh temporary folder and
// removed at exit; nothing here writes anywhere else, and the resolver only reads.

#include "caminhos.h"
#include "vberro.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString raiz; // the temporary tree

struct Unidade {
    char letra;
    QString mapa;  // as given to the drive map ("" when unmapped)
    QString pasta; // the folder the drive's paths must stay inside
    int erro = 0;  // the error of an unmapped drive
};
std::vector<Unidade> unidades;

void Remover() {
    if (!raiz.isEmpty())
        QDir(raiz).removeRecursively();
}

// The abort skips the exit handlers: the tree goes first.
void Falha(const char* porquê, const QString& a, const QString& b = QString()) {
    std::fprintf(stderr, "fuzz_caminhos: %s\n  [%s]\n  [%s]\n", porquê, a.toUtf8().constData(),
                 b.toUtf8().constData());
    Remover();
    std::abort();
}

void CriarArquivo(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write("x") != 1)
        Falha("cannot make the tree", caminho);
}

void CriarÁrvore() {
    char modelo[] = "/tmp/fuzz_caminhos.XXXXXX";
    if (!::mkdtemp(modelo))
        Falha("mkdtemp failed", QString());
    raiz = QFile::decodeName(modelo);
    std::atexit(Remover);
    const QDir r(raiz);
    for (const char* p : {"c/QVCURSO/figuras", "c/Aula Um", "d/CURSOS", "d/vazio"})
        if (!r.mkpath(QString::fromUtf8(p)))
            Falha("cannot make the tree", raiz);
    for (const char* p :
         {"c/aluno.dat", "c/.escondido", "c/QVCURSO/Aula01.RTF", "c/QVCURSO/.oculto.txt",
          "c/QVCURSO/Ação.doc", "c/QVCURSO/figuras/fig 1.bmp", "c/Aula Um/amigos",
          "d/CURSOS/qvtelaini.jpg", "d/CURSOS/capa.jpg"})
        CriarArquivo(raiz + QLatin1Char('/') + QString::fromUtf8(p));
    // A link to a folder of the same drive, and a dangling one.
    if (::symlink("QVCURSO", QFile::encodeName(raiz + QStringLiteral("/c/ligação")).constData()) ||
        ::symlink("nada", QFile::encodeName(raiz + QStringLiteral("/c/quebrado")).constData()))
        Falha("cannot make the links", raiz);

    // C: plain; D: written with a trailing separator and a "."; E: a folder inside C:'s tree.
    unidades = {
        {'C', raiz + QStringLiteral("/c"), raiz + QStringLiteral("/c")},
        {'d', raiz + QStringLiteral("/d/./"), raiz + QStringLiteral("/d")},
        {'E', raiz + QStringLiteral("/c/QVCURSO"), raiz + QStringLiteral("/c/QVCURSO")},
        {'A', QString(), QString(), vb::DiscoNãoPronto},
        {'b', QString(), QString(), vb::DiscoNãoPronto},
        {'Z', QString(), QString(), vb::CaminhoNãoEncontrado},
    };
    vb::DriveMap& m = vb::DriveMap::atual();
    m.limpar();
    for (const Unidade& u : unidades)
        if (!u.mapa.isEmpty())
            m.definir(QLatin1Char(u.letra), u.mapa);
}

// The host path as the system calls see it: they stop at the first NUL.
QString VistoPeloSistema(const QString& hospedeiro) {
    const QByteArray b = vb::BytesDoSistema(hospedeiro);
    return vb::TextoDoSistema(QByteArray(b.constData()));
}

bool Ascii(const QString& s) {
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

struct Resultado {
    bool lançou = false;
    int erro = 0;
    vb::Resolvido r;
};

Resultado Resolver(const QString& caminho) {
    Resultado x;
    try {
        x.r = vb::Resolver(caminho);
    } catch (const vb::VbError& e) {
        x.lançou = true;
        x.erro = e.número();
    }
    return x;
}

bool Iguais(const Resultado& a, const Resultado& b) {
    return a.lançou == b.lançou && a.erro == b.erro && a.r.hospedeiro == b.r.hospedeiro &&
           a.r.existe == b.r.existe && a.r.oculto == b.r.oculto && a.r.ligação == b.r.ligação;
}

void VerificarCaminho(const Unidade& u, const QString& resto) {
    const QString caminho = QString(QLatin1Char(u.letra)) + QLatin1Char(':') + resto;
    const Resultado x = Resolver(caminho);
    // A NUL would cut the path short in the system calls: always a bad name.
    if (resto.contains(QChar(u'\0'))) {
        if (!x.lançou || x.erro != vb::NomeInválido)
            Falha("path holding a NUL not refused as a bad name", caminho);
        return;
    }
    if (u.mapa.isEmpty()) {
        if (!x.lançou || x.erro != u.erro)
            Falha("unmapped drive without its error", caminho);
        return;
    }
    if (x.lançou)
        Falha("mapped drive threw", caminho);
    const vb::Resolvido& r = x.r;

    // Inside the drive's folder, with no "." or ".." or empty name below it, as the system
    // calls will see the path.
    const QString visto = VistoPeloSistema(r.hospedeiro);
    if (visto != u.pasta) {
        if (!visto.startsWith(u.pasta + QLatin1Char('/')))
            Falha("host path outside the drive's folder", caminho, r.hospedeiro);
        const QStringList nomes = visto.mid(u.pasta.size() + 1).split(QLatin1Char('/'));
        for (const QString& n : nomes)
            if (n.isEmpty() || n == u"." || n == u"..")
                Falha("host path with an empty, \".\" or \"..\" name", caminho, r.hospedeiro);
    }

    struct stat st;
    const bool há = ::lstat(vb::BytesDoSistema(r.hospedeiro).constData(), &st) == 0;
    if (r.existe && !há)
        Falha("found but not there", caminho, r.hospedeiro);
    if (r.ligação && !(r.existe && S_ISLNK(st.st_mode)))
        Falha("link flag on something that is not a link", caminho, r.hospedeiro);
    if (r.oculto && !(r.existe && r.hospedeiro.mid(r.hospedeiro.lastIndexOf(QLatin1Char('/')) + 1)
                                      .startsWith(QLatin1Char('.'))))
        Falha("hidden flag on a name without the dot", caminho, r.hospedeiro);

    // Either separator, and a trailing name of blanks and dots, change nothing.
    QString invertido = resto;
    for (QChar& c : invertido)
        if (c == u'\\')
            c = u'/';
        else if (c == u'/')
            c = u'\\';
    if (!Iguais(x, Resolver(QString(QLatin1Char(u.letra)) + QLatin1Char(':') + invertido)))
        Falha("result depends on the separator", caminho);
    if (!Iguais(x, Resolver(caminho + QStringLiteral("\\ . "))))
        Falha("a trailing name of blanks and dots changed the result", caminho);

    // ASCII names are found whatever their case (the tree has no names differing only so).
    if (Ascii(resto)) {
        const Resultado maiúsculas = Resolver(caminho.toUpper());
        const Resultado minúsculas = Resolver(caminho.toLower());
        // Missing names keep the case they were written in; found ones are the host's own.
        const bool mesmoHospedeiro =
            r.existe
                ? maiúsculas.r.hospedeiro == r.hospedeiro && minúsculas.r.hospedeiro == r.hospedeiro
                : maiúsculas.r.hospedeiro.compare(minúsculas.r.hospedeiro, Qt::CaseInsensitive) ==
                      0;
        if (maiúsculas.lançou || minúsculas.lançou || maiúsculas.r.existe != r.existe ||
            minúsculas.r.existe != r.existe || maiúsculas.r.oculto != r.oculto ||
            minúsculas.r.oculto != r.oculto || maiúsculas.r.ligação != r.ligação ||
            minúsculas.r.ligação != r.ligação || !mesmoHospedeiro)
            Falha("result depends on the case", caminho);
    }
}

// A path that begins with "X:" where X is no letter from A to Z is a bad name: taken as a host
// path, its ".." would climb out of every drive.
void VerificarSemLetra(const QString& caminho) {
    if (caminho.size() < 2 || caminho[1] != u':')
        return;
    const QChar x = caminho[0];
    if ((x >= u'A' && x <= u'Z') || (x >= u'a' && x <= u'z'))
        return;
    const Resultado r = Resolver(caminho);
    if (!r.lançou || r.erro != vb::NomeInválido)
        Falha("\"X:\" with no drive letter not refused as a bad name", caminho, r.r.hospedeiro);
}

// Reference wildcard match over folded names, by table: '*' any run, '?' one character.
bool GlobReferência(const QString& p, const QString& n) {
    std::vector<char> linha(n.size() + 1, 0), próxima(n.size() + 1);
    linha[0] = 1;
    for (qsizetype i = 0; i < p.size(); ++i) {
        próxima.assign(n.size() + 1, 0);
        for (qsizetype j = 0; j <= n.size(); ++j) {
            if (p[i] == u'*')
                próxima[j] = linha[j] || (j > 0 && próxima[j - 1]);
            else if (j > 0)
                próxima[j] = linha[j - 1] && (p[i] == u'?' || p[i] == n[j - 1]);
        }
        linha.swap(próxima);
    }
    return linha[n.size()];
}

bool CuringaReferência(const QString& padrão, const QString& nome) {
    const QString p = vb::ChaveNome(padrão);
    const QString n = vb::ChaveNome(nome);
    if (GlobReferência(p, n))
        return true;
    return p.endsWith(QLatin1String(".*")) && !n.contains(QLatin1Char('.')) &&
           GlobReferência(p.chopped(2), n);
}

void VerificarNomes(const QString& padrão, const QString& nome) {
    const QString chave = vb::ChaveNome(nome);
    if (chave.endsWith(QLatin1Char(' ')) || chave.endsWith(QLatin1Char('.')))
        Falha("folded name ends in a blank or dot", nome, chave);
    if (vb::ChaveNome(nome + QStringLiteral(" .. ")) != chave)
        Falha("trailing blanks and dots not dropped", nome);

    if (!vb::CoincideCuringa(QStringLiteral("*.*"), nome) ||
        !vb::CoincideCuringa(QStringLiteral("*"), nome))
        Falha("\"*.*\" or \"*\" refused a name", nome);
    if (!vb::CoincideCuringa(nome, nome))
        Falha("a name does not match itself", nome);
    if (vb::CoincideCuringa(padrão, nome) != CuringaReferência(padrão, nome))
        Falha("wildcard match differs from the reference", padrão, nome);

    // Latin-1 names (the files' own) match whatever their case, letter for letter as the
    // system's names do ("ß" is not "SS").
    auto latino = [](const QString& s) {
        for (QChar c : s)
            if (c.unicode() > 0xFF)
                return false;
        return true;
    };
    auto maiúsculas = [](QString s) {
        for (QChar& c : s)
            c = c.toUpper();
        return s;
    };
    auto minúsculas = [](QString s) {
        for (QChar& c : s)
            c = c.toLower();
        return s;
    };
    if (latino(nome)) {
        if (vb::ChaveNome(maiúsculas(nome)) != chave || vb::ChaveNome(minúsculas(nome)) != chave)
            Falha("folded name depends on the case", nome);
        if (latino(padrão) && vb::CoincideCuringa(minúsculas(padrão), maiúsculas(nome)) !=
                                  vb::CoincideCuringa(padrão, nome))
            Falha("wildcard match depends on the case", padrão, nome);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    CriarÁrvore();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho < 1 || tamanho > 512)
        return -1;
    const Unidade& u = unidades[dados[0] % unidades.size()];
    const QString texto =
        QString::fromUtf8(reinterpret_cast<const char*>(dados + 1), qsizetype(tamanho - 1));
    const QStringList partes = texto.split(QLatin1Char('|'));
    const QString& caminho = partes[0];
    const QString& padrão = partes.size() > 1 ? partes[1] : partes[0];
    const QString& nome = partes.size() > 2 ? partes[2] : partes[0];

    VerificarCaminho(u, caminho);
    VerificarSemLetra(caminho);
    VerificarNomes(padrão, nome);
    return 0;
}
