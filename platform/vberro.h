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

// A failed platform call: the error number the callers test, and a detail for people.
class VbError : public std::runtime_error {
  public:
    VbError(int número, const QString& detalhe)
        : std::runtime_error(detalhe.toStdString()), número_(número) {}
    int número() const noexcept { return número_; }

  private:
    int número_;
};

} // namespace vb
