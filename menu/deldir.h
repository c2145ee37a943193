#pragma once
// Deletes a folder tree of up to four levels below a folder, then the folder itself.

#include <QString>

namespace menu {

inline constexpr int EntradasDelDir = 1000;

// DeletarDir is a full path ending in "\". Entries are listed level by level into a list of
// 1000 slots; an entry is a file when the 4th or 5th character from its end is "."; files go
// first, deepest level first, then the folders, then DeletarDir. Nothing that cannot be deleted
// stops it. Symbolic links are never followed: a link is removed as a link.
void DelDir(const QString& DeletarDir);

} // namespace menu
