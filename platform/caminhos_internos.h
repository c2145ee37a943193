#pragma once
// Helpers shared by the path and file calls of this folder and by the menu's tree work
// (DelDir); not for the rest of the programs.

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <sys/types.h>

namespace vb::interno {

// An open file descriptor, closed by its owner.
class Fd {
  public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd&& o) noexcept : fd_(std::exchange(o.fd_, -1)) {}
    Fd& operator=(Fd&& o) noexcept {
        if (this != &o) {
            Fechar();
            fd_ = std::exchange(o.fd_, -1);
        }
        return *this;
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { Fechar(); }
    int get() const { return fd_; }
    bool válido() const { return fd_ >= 0; }

  private:
    void Fechar();
    int fd_ = -1;
};

bool Separador(QChar c); // "\" or "/"

// The name without its trailing blanks and dots.
QString SemFinais(const QString& nome);

// A host name as the programs see it: a hidden ".name" is "name".
QString NomeVisto(const QString& nomeHospedeiro);
bool Oculto(const QString& nomeHospedeiro);

// Names on disk are bytes. A name is kept as the bytes it came with and acted on by them; it is
// decoded only to compare and to show: as UTF-8 when it is valid UTF-8, else as Windows-1252
// (the system's own text). Two names with different bytes may decode alike ("caf\xe9.htm" and
// the UTF-8 "café.htm"); a name asked for then reaches one of them by a fixed order, never by
// the order of the folder's listing: the entry with exactly the bytes asked for, then one that
// is valid UTF-8, then the others; between two of one kind, the smaller bytes. A listing gives
// each entry once, under a name that reaches it again: its decoded name where that does, else
// its bytes held whole (TextoDoSistema, caminhos.h).
QString Decodificar(const QByteArray& nome);

// The text holds bytes of a host name that are not UTF-8 (TextoDoSistema, caminhos.h).
bool HáEscape(QStringView texto);

// The folded form of a name asked for (ChaveNome); one that holds bytes that are not UTF-8 (a
// host path's) is folded as those bytes decode, as the names listed are.
QString ChaveDoPedido(const QString& nome);

// Of the entries that a name asked for matches, the one that it reaches, whatever the order of
// the listing: by the whole name, first the exact bytes, then a name that is valid UTF-8, then
// any other; then a hidden entry by its name without the dot, in the same order; between two of
// one rank, the smaller bytes.
struct Escolha {
    explicit Escolha(QByteArray p) : pedido(std::move(p)) {}
    QByteArray pedido; // the bytes asked for
    int posto = 6;     // the rank of the best seen (0 to 5); 6: none
    QByteArray bytes;  // its name on disk

    void Ver(const QByteArray& nome, bool semPonto); // semPonto: hidden, matched without its dot
    bool achou() const { return posto < 6; }
};

// The host folder is the root folder, by its text ("/", "//", "/tmp/..") or by what it is (a
// link to "/"). Drive C: is never the root: the lessons write into C:'s root and empty folders
// of it.
bool ÉARaiz(const QString& hospedeiro);

// The home folder from the two sources, in order (nullptr: the source gives none).
std::optional<QString> PastaDoUsuárioDe(const char* home, const char* cadastro);

// The current folder as a host path (TextoDoSistema); "" when it cannot be determined.
QString PastaAtual();

struct Entrada {
    QString nome;       // host name, decoded
    QByteArray bytes;   // the name on disk
    bool pasta = false; // a real folder (a symbolic link never counts as one)
};

// One scan of an open folder, without "." and ".."; nullopt when it cannot be read.
std::optional<std::vector<Entrada>> LerPasta(int pasta);

QString Juntar(const QString& pasta, const QString& nome);

// Links. The folders of the drive map and the folders directly in a drive's root (the work
// folder "c:\qvcurso", the practice tree "c:\00Documentos") may be symbolic links, put there by
// whoever installed the package or by the student, and are followed. Below them a link is never
// followed: every folder is opened relative to its parent's descriptor with O_NOFOLLOW, so a
// folder swapped for a link halfway through a call makes that call fail instead of reaching
// outside. A link is removed as a link. Host paths (the installation and program folders) are
// the installer's and are followed.
//
// A path resolved down to the folder that holds its last entry, that folder held open.
struct Local {
    Fd pasta;          // the folder of the last entry; invalid when a folder on the way is missing,
                       // is not a folder or is a link that is not followed. For a drive's root (or
                       // "/"), the root itself.
    QString nome;      // host name of the last entry (as found, or as written); "" for a root
    QByteArray nativo; // the same name on disk: the bytes found, or the written name's
    QString hospedeiro;
    bool existe = false;
    bool oculto = false;
    bool ligação = false;
    bool seguir = false;    // the entry, a link to a folder, may be followed (see above)
    bool naUnidade = false; // below a drive's root: a file there is never read through a link
};
// Throws as Resolver does.
Local Localizar(const QString& caminho);

// The folder that a located path names, opened (O_NOFOLLOW unless the entry may be followed);
// invalid, with errno set, when it is not there or not a folder.
Fd AbrirPasta(const Local& l);
Fd AbrirSubpasta(int pasta, const QByteArray& nome, bool seguir);

// Opens the last entry of a located path for reading, without blocking (O_NONBLOCK: a named
// pipe never keeps the caller waiting), through no link below a drive's root (O_NOFOLLOW), and
// only when it is an ordinary file (fstat, into `st`). Throws 53 when it is missing, 70 when
// access is refused, 75 for anything else (a folder, a pipe, a device, a link).
Fd AbrirParaLer(const Local& l, const QString& caminho, struct stat& st);

// Tests: copies as on a file system without unnamed files (O_TMPFILE); either way the folders
// already cleaned of stale temporaries are forgotten (as by a new run).
void SemArquivoAnônimo(bool sem);

// The host name in the system's bytes (BytesDoSistema).
QByteArray Nativo(const QString& hospedeiro);

// Changes that the file calls make to a folder, so that its index (caminhos.h, LeituraÚnica)
// stays true: an entry named, an entry gone, or anything else (the index is read again).
void EntradaCriada(int pasta, const QByteArray& nome);
void EntradaApagada(int pasta, const QByteArray& nome);
void PastasMudaram();

} // namespace vb::interno

namespace vb::interno {

// A Windows-style path cut before its last name: "c:\x\*.doc" gives "c:\x\" and "*.doc";
// "c:nome" gives "c:" and "nome"; "nome" gives "" (the current folder) and "nome".
struct Dividido {
    QString pasta;
    QString último;
};
Dividido DividirÚltimo(const QString& caminho);

bool TemCuringa(const QString& nome);

} // namespace vb::interno
