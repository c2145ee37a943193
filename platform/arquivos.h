#pragma once
// File calls with the errors the programs react to (VbError numbers).

#include <QPixmap>
#include <QString>
#include <QStringList>

namespace vb {

enum Atributo : int {
    vbNormal = 0,
    vbHidden = 2,
    vbSystem = 4,
    vbDirectory = 16,
};

// A picture file (the menu's background, the lesson pictures), read as LerArquivo
// (registros.h) reads, up to 64 MiB, and decoded from its bytes by DecodificarImagem
// (imagens.h); a null picture when the bytes are no picture or one refused there.
QPixmap LerImagem(const QString& caminho);

// Copies a file, replacing the destination. Writes an unnamed file in the destination folder
// and names it over the destination once complete, so a failed or killed copy never leaves a
// truncated file, a temporary or a destroyed previous file. 53: source missing; 75/70: source
// not an ordinary readable file (a pipe, a device, a folder); 76: destination folder missing;
// 75/70: not writable.
void FileCopy(const QString& origem, const QString& destino);

// Deletes the file(s) named, the last name may hold DOS wildcards. 53 when nothing matches.
// Folders are never deleted; a symbolic link is removed as a link. The folder is reached by
// the same rule as DirLista's and held open while its entries are deleted. A read-only file (no
// write permission for anyone) stays: 75, after the other files matched are deleted.
void Kill(const QString& caminho);

void MkDir(const QString& caminho); // 75 when it exists, 76 when the parent is missing
// 75 when not empty, 76 when missing. A symbolic link to a folder is removed as a link.
void RmDir(const QString& caminho);
void ChDir(const QString& caminho); // 76 when missing
QString CurDir();                   // the current folder, as a host path

// The folder a program was started in, where it takes its files from. When it cannot be
// determined (the folder was deleted, or is out of reach) the program says so and ends
// (End()), rather than taking "/" for it.
QString PastaInicial();

// Lists the names that a pattern matches, as VB's Dir does: the last name of the pattern may
// hold wildcards; a pattern ending in "\" lists every entry of that folder. Normal files are
// always listed; hidden ones with vbHidden; folders (and "." and "..", when listing a folder's
// contents) with vbDirectory. A missing folder or unmapped drive lists nothing. A symbolic
// link is listed as a file; a folder reached through one lists nothing, so that a tree walk
// never leaves the tree, except a drive's own folder and a folder directly in a drive's root
// (the work folder), which may be links and are followed (caminhos_internos.h has the rule).
QStringList DirLista(const QString& padrão, int atributos = vbNormal);

// The first name of DirLista, or "" when there is none.
QString Dir(const QString& padrão, int atributos = vbNormal);

// The folder of the running executable (App.Path).
QString PastaDoPrograma();

// Whether the folder `outra` is the folder `pasta` or lies below it, at any depth, compared by
// device and inode (links on the way followed as paths resolve). False when either is missing.
bool Contém(const QString& pasta, const QString& outra);
// Tests stand another folder in for it; an empty one restores the real folder.
void DefinirPastaDoPrograma(const QString& pasta);

} // namespace vb
