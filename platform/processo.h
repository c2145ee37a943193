#pragma once
// Starting another program: "folder\NAME" starts the executable NAME or NAME.exe of that
// folder (matched without regard to case), detached, from the current folder.

#include <QString>
#include <functional>

namespace vb {

enum EstiloJanela : int { vbHide = 0, vbNormalFocus = 1 };

// Starts the program; throws VbError 53 when there is no such program, 75 when it cannot run.
void Shell(const QString& linhaDeComando, int estilo = vbNormalFocus);

// Finds the executable a command line names, or "" (NAME or NAME.exe, any case).
QString ProgramaDe(const QString& linhaDeComando);

// Tests replace the start of the found executable with a recorder. Returns false when the
// program could not be started.
using Iniciador = std::function<bool(const QString& executável, const QString& pasta)>;
void instalarIniciador(Iniciador i); // empty: back to the real start

} // namespace vb
