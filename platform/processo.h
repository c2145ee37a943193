#pragma once
// Starting another program: "folder\NAME" starts the executable NAME or NAME.exe of that
// folder (matched without regard to case), detached, from the current folder.

#include <QString>
#include <QStringList>
#include <functional>

namespace vb {

enum EstiloJanela : int { vbHide = 0, vbNormalFocus = 1 };

// Starts the program; throws VbError 53 when there is no such program, 75 when it cannot run.
void Shell(const QString& linhaDeComando, int estilo = vbNormalFocus);

// Starts an executable (a host path) with its arguments, detached, from the folder: all given
// to the system by their bytes (BytesDoSistema, caminhos.h), so a folder whose name is not UTF-8
// serves as any other. False when it could not be started.
bool IniciarSeparado(const QString& programa, const QStringList& argumentos, const QString& pasta);

// Finds the executable a command line names, or "" (NAME or NAME.exe, any case).
QString ProgramaDe(const QString& linhaDeComando);

// Tests replace the start of the found executable with a recorder. Returns false when the
// program could not be started.
using Iniciador = std::function<bool(const QString& executável, const QString& pasta)>;
void instalarIniciador(Iniciador i); // empty: back to the real start

} // namespace vb
