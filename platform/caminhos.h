#pragma once
// Windows-style paths ("c:\qvcurso\x.doc", "D:\CURSOS\\qvtelaini.jpg") resolved onto host
// folders: a drive letter goes through the drive map; names are matched without regard to
// case (accented letters included); trailing blanks and dots of a name are dropped; repeated
// separators collapse; "." and ".." never climb above a drive's root.
//
// A host entry whose name begins with "." is the hidden entry of the name without the dot:
// ".aluno.dat" is the file "aluno.dat" with the hidden attribute.

#include <QChar>
#include <QHash>
#include <QString>
#include <optional>

namespace vb {

// A drive letter: A to Z, either case.
bool LetraDeUnidade(QChar c);

// Host paths that the system gives (the current folder, the program's folder, the home folder,
// the names found on disk) are kept whole as text: UTF-8 is decoded, and each byte that is not
// part of valid UTF-8 is held as the code point U+DC00 + byte (U+DC80 to U+DCFF, a lone
// surrogate, which no decoded text holds) and given back as that byte. A folder whose name is
// not UTF-8 (a Latin-1 "jo\xe3o" left by an old archive) is thus reached again by its own bytes.
QString TextoDoSistema(const QByteArray& bytes);
QByteArray BytesDoSistema(const QString& texto);
// The same text for showing: the bytes held that way read as Windows-1252 ("joão").
QString ParaMostrar(const QString& texto);

// The user's home folder: HOME when it holds an absolute path, else the password database's
// entry of the user. A home that is the root folder ("/", "//", "/tmp/..", or a link to it)
// counts as none, from either source. None with neither: C: is never "/".
std::optional<QString> PastaDoUsuário();

class DriveMap {
  public:
    // The drive map in force for this process. By default C: is the user's home folder (left
    // unmapped when there is none).
    static DriveMap& atual();

    void definir(QChar letra, const QString& pastaHospedeira); // ignored for a non-letter
    void remover(QChar letra);
    void limpar();
    std::optional<QString> pasta(QChar letra) const;

  private:
    QHash<QChar, QString> mapa_;
};

struct Resolvido {
    QString hospedeiro;   // host path (existing parts matched, missing parts as written), whole
                          // as TextoDoSistema keeps it
    bool existe = false;  // the whole path names an existing entry
    bool oculto = false;  // the last entry is hidden (host name begins with ".")
    bool ligação = false; // the last entry is a symbolic link (never so for a drive's root)
};

// While one lives (the steps of one lesson item), each folder is read once, at the first name that
// is not there as written, into an index of its folded names; the names after it are looked up
// in the index. The file calls of this thread keep the index true as they create and delete
// entries; an entry of the index that is gone makes the folder be read again. What other
// programs create meanwhile may be missed, as by a listing taken before. Nests; per thread.
class LeituraÚnica {
  public:
    LeituraÚnica();
    ~LeituraÚnica();
    LeituraÚnica(const LeituraÚnica&) = delete;
    LeituraÚnica& operator=(const LeituraÚnica&) = delete;
};

// Resolves a path. Throws VbError 76 (or 71 for an unmapped A: or B:) when the drive is
// unmapped, 52 when the path holds a NUL character or begins with "X:" where X is no letter
// from A to Z; a link below a drive's first level is not gone through (see
// caminhos_internos.h); a missing intermediate folder is not an
// error here (the caller's call fails).
Resolvido Resolver(const QString& caminho);

// Host path of a Windows-style path; shorthand for Resolver(caminho).hospedeiro.
QString Hospedeiro(const QString& caminho);

// Folds a name for comparison: case and the trailing blanks and dots dropped.
QString ChaveNome(const QString& nome);

// DOS wildcard match of one name ("*.*" matches every name, "amigos.*" also "amigos").
bool CoincideCuringa(const QString& padrão, const QString& nome);

} // namespace vb
