#pragma once
// The student file "aluno.dat" (record 1 of 112 single-byte characters) and the fixed order of
// the 28 courses whose flags it carries.

#include "passos.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <span>

namespace menu {

inline constexpr int TamanhoRegistroAluno = 112;

struct StudentRecord {
    QString matrícula;   // characters 1 to 5, as stored
    QString nome;        // characters 6 to 37, as stored (trailing blanks kept)
    QString CourseFlags; // characters 38 to 65: "1" opens the course at that position

    // Decodes record 1 (Windows-1252). Bytes missing at the end read as blanks.
    static StudentRecord DeBytes(const QByteArray& registro);
};

// Every course open: the flags used when the installation has no student file.
QString TodosAbertos();

inline bool Aberto(const QString& flags, int posição) {
    return posição >= 1 && posição <= flags.size() && flags[posição - 1] == QLatin1Char('1');
}

struct Curso {
    const char* nome;                                // the name listed in List1
    std::array<const catalogo::MenuCurso*, 2> menus; // course menus it opens (or null)
};

// The 28 courses, position 1 first.
std::span<const Curso> CourseOrder();

// Ask mode: the folder typed by the student gives the student file's path, or nothing when the
// answer must be asked again (its second and third characters are not ":\").
std::optional<QString> CaminhoDaResposta(const QString& resposta);

} // namespace menu
