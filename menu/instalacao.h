#pragma once
// Settings of an installation, in "qvmenu.ini" beside the programs: where the student file is
// looked for, the host folder of each drive letter, and the support address of the warning.

#include <QHash>
#include <QString>
#include <optional>

namespace menu {

enum class FonteAluno { Nenhum, DriveA, DriveB, Perguntar };

struct Instalação {
    FonteAluno fonte = FonteAluno::Nenhum;
    QString suporte = QStringLiteral("procure o responsável pelo curso");
};

// The values of a small INI file, by "section/key" in lower case (names are matched without
// regard to case); the last of a repeated key counts.
using Ini = QHash<QString, QString>;

// Parses the bytes of an INI file (UTF-8): each line is blank, a comment (";" or "#"), a
// "[section]" or a "key=value". A value is taken as written, blanks around it dropped; one
// wholly in double quotes means what it holds; "\n" in it is a line break and "\\" a "\". None
// when the bytes are not UTF-8 text or a line is none of these; `erro` then says why.
std::optional<Ini> LerIni(const QByteArray& bytes, QString* erro = nullptr);

// Reads "qvmenu.ini" of the folder (when present) and puts its drive map in force. Without the
// file: no student file, C: is the user's home folder. A file that is there but cannot be used
// (not an ordinary readable file, over 1 MiB, not an INI file), or no C: where there is no home
// folder, is told in a message and ends the program (End()).
Instalação LerInstalação(const QString& pasta);

} // namespace menu
