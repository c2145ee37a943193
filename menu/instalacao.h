#pragma once
// Settings of an installation, in "qvmenu.ini" beside the programs: where the student file is
// looked for, the host folder of each drive letter, and the support address of the warning.

#include <QString>

namespace menu {

enum class FonteAluno { Nenhum, DriveA, DriveB, Perguntar };

struct Instalação {
    FonteAluno fonte = FonteAluno::Nenhum;
    QString suporte = QStringLiteral("procure o responsável pelo curso");
};

// Reads "qvmenu.ini" of the folder (when present) and puts its drive map in force. Without the
// file: no student file, C: is the user's home folder.
Instalação LerInstalação(const QString& pasta);

} // namespace menu
