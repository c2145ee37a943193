#pragma once
// Settings of an installation, in "qvmenu.ini" beside the programs: where the student file is
// looked for, the host folder of each drive letter, and the support address of the warning.

#include <QString>
#include <optional>
#include <vector>

namespace menu {

enum class FonteAluno { Nenhum, DriveA, DriveB, Perguntar };

struct Instalação {
    FonteAluno fonte = FonteAluno::Nenhum;
    QString suporte = QStringLiteral("procure o responsável pelo curso");
};

// One "key=value" of an INI file: its section and key in lower case (names are matched without
// regard to case), its value, and the line it stands on (from 1).
struct EntradaIni {
    QString seção;
    QString chave;
    QString valor;
    int linha = 0;
};
using Ini = std::vector<EntradaIni>;

// Parses the bytes of an INI file (UTF-8), lines ending at LF, CRLF or a lone CR: each line is
// blank, a comment (";" or "#" first), a "[section]" or a "key=value" under a section. A value is
// taken as written, blanks around it dropped; one wholly in double quotes means what it holds;
// "\n" in it is a line break and "\\" a "\". A comment never follows a value: an unquoted value
// that holds a blank followed by ";" or "#" is refused, as is a quote that is not closed. None
// when the bytes are not UTF-8 text or a line is none of these; `erro` then says why, with the
// line's number.
std::optional<Ini> LerIni(const QByteArray& bytes, QString* erro = nullptr);

// Reads "qvmenu.ini" of the folder (when present) and puts its drive map in force. Without the
// file: no student file, C: is the user's home folder. A file that is there but cannot be used
// (a link to nothing, not an ordinary readable file, over 1 MiB, not an INI file), a key of
// [aluno], [unidades] or [suporte] that the menu does not know or that is set twice, a value it
// cannot take, or no C: where there is no home folder, is told in a message that names the file
// and the line, and ends the program (End()); so is a key in any other section (a misspelt
// "[alunos]").
Instalação LerInstalação(const QString& pasta);

} // namespace menu
