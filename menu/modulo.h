#pragma once
// The module-folder copy of the advanced VB lessons: the work folder is emptied of its files and
// filled with the files of the lesson's module folder.

#include <QString>

namespace menu {

class Tela1;

// pastaMódulo is relative to the menu program's own folder ("vba\m2").
void CopiaMódulo(const QString& pastaMódulo, Tela1& tela);

// The file-system object's wildcard copy: every file that the pattern matches into the folder,
// replacing files of the same name; sub-folders are not copied. Returns how many were copied.
int CopyFile(const QString& padrãoOrigem, const QString& pastaDestino);

} // namespace menu
