#pragma once
// Helpers shared by the path and file calls of this folder; not for the programs.

#include <QString>
#include <optional>
#include <vector>

namespace vb::interno {

bool Separador(QChar c); // "\" or "/"

// The name without its trailing blanks and dots.
QString SemFinais(const QString& nome);

// A host name as the programs see it: a hidden ".name" is "name".
QString NomeVisto(const QString& nomeHospedeiro);
bool Oculto(const QString& nomeHospedeiro);

struct Entrada {
    QString nome;       // host name
    bool pasta = false; // a real folder (a symbolic link never counts as one)
};

// One scan of a host folder, without "." and ".."; nullopt when it cannot be read.
std::optional<std::vector<Entrada>> LerPasta(const QString& pasta);

QString Juntar(const QString& pasta, const QString& nome);

// The entry exists (a symbolic link counts, even a dangling one).
bool ExisteSemSeguir(const QString& hospedeiro);

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
