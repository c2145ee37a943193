#pragma once
// Fixed-length random-access records and the single-byte (Windows-1252) text of the files.

#include <QByteArray>
#include <QString>

namespace vb {

// Reads a whole file, of at most `máximo` bytes: every file that the programs read (settings,
// records, pictures, copies) is opened this one way, without blocking and only when it is an
// ordinary file. 53: missing; 70: access refused; 75: a folder, a named pipe, a device, a link
// below a drive's root, a larger file, a read error.
QByteArray LerArquivo(const QString& caminho, qint64 máximo);

// Reads record n (from 1) of length tamanho. Bytes beyond the end of the file read as blanks;
// the file's size goes to tamanhoDoArquivo when asked. Opened as LerArquivo opens (arquivos.h).
// 53: file missing; 70/75: not an ordinary, readable file.
QByteArray LerRegistro(const QString& caminho, int tamanho, int n = 1,
                       qint64* tamanhoDoArquivo = nullptr);

QString DeAnsi(const QByteArray& bytes);   // Windows-1252 to text
QByteArray ParaAnsi(const QString& texto); // text to Windows-1252 ('?' where none)

} // namespace vb
