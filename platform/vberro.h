#pragma once
// Error numbers of the file and program calls, as the programs react to them.

#include <QString>
#include <stdexcept>

namespace vb {

enum Erro : int {
    ArquivoNãoEncontrado = 53, // file not found
    NomeInválido = 52,         // bad file name or number
    PermissãoNegada = 70,      // permission denied
    DiscoNãoPronto = 71,       // disk not ready
    AcessoCaminho = 75,        // path/file access error
    CaminhoNãoEncontrado = 76, // path not found
    DiscoCheio = 61,           // disk full
    RegistroInválido = 63,     // bad record number
};

// A failed platform call: the error number the callers test, and a detail for people. The
// detail is kept whole as text: a host path in it may hold the bytes of a name that is not UTF-8
// (caminhos.h), which what() (UTF-8) cannot carry and a message shows readably.
class VbError : public std::runtime_error {
  public:
    VbError(int número, const QString& detalhe)
        : std::runtime_error(detalhe.toStdString()), número_(número), detalhe_(detalhe) {}
    int número() const noexcept { return número_; }
    const QString& detalhe() const noexcept { return detalhe_; }

  private:
    int número_;
    QString detalhe_;
};

} // namespace vb
