#include "registros.h"

#include "caminhos_internos.h"
#include "paginas_codigo.h"
#include "vberro.h"

#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vb {

namespace {

QString DeAnsiPorTabela(const QByteArray& bytes) {
    return QString::fromStdU16String(
        decodifica1252(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}

} // namespace

namespace interno {

Fd AbrirParaLer(const Local& l, const QString& caminho, struct stat& st) {
    if (!l.existe || l.nome.isEmpty() || !l.pasta.válido())
        throw VbError(ArquivoNãoEncontrado, QStringLiteral("Arquivo não encontrado: ") + caminho);
    // Without blocking: a named pipe would keep the reader waiting for a writer. Below a
    // drive's root a link is never read through.
    const int bandeiras = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (l.naUnidade ? O_NOFOLLOW : 0);
    Fd fd(::openat(l.pasta.get(), l.nativo.constData(), bandeiras));
    if (!fd.válido()) {
        const int erro = errno;
        if (erro == ENOENT)
            throw VbError(ArquivoNãoEncontrado,
                          QStringLiteral("Arquivo não encontrado: ") + caminho);
        throw VbError(erro == EACCES || erro == EPERM ? PermissãoNegada : AcessoCaminho,
                      QStringLiteral("Arquivo não pode ser lido: ") + caminho);
    }
    // Only an ordinary file: a folder has no bytes, a device would never end.
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw VbError(AcessoCaminho, QStringLiteral("Não é um arquivo comum: ") + caminho);
    return fd;
}

} // namespace interno

QByteArray LerArquivo(const QString& caminho, qint64 máximo) {
    struct stat st;
    const interno::Fd fd = interno::AbrirParaLer(interno::Localizar(caminho), caminho, st);
    if (st.st_size > máximo)
        throw VbError(AcessoCaminho, QStringLiteral("Arquivo grande demais: ") + caminho);
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype lidos = 0;
    while (lidos < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + lidos, size_t(bytes.size() - lidos));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw VbError(AcessoCaminho, QStringLiteral("Erro de leitura: ") + caminho);
        if (n == 0)
            break; // shortened meanwhile
        lidos += n;
    }
    bytes.truncate(lidos);
    return bytes;
}

QByteArray LerRegistro(const QString& caminho, int tamanho, int n, qint64* tamanhoDoArquivo) {
    if (tamanho <= 0)
        return {};
    if (n < 1)
        throw VbError(RegistroInválido, QStringLiteral("Número de registro inválido: %1").arg(n));
    // Only an ordinary file holds records: a folder has none, and a named pipe or a device
    // would keep the reader waiting or reading for ever.
    struct stat st;
    const interno::Fd fd = interno::AbrirParaLer(interno::Localizar(caminho), caminho, st);
    if (tamanhoDoArquivo)
        *tamanhoDoArquivo = st.st_size;

    QByteArray registro(tamanho, ' ');
    const off_t início = off_t(n - 1) * tamanho;
    qint64 lidos = 0;
    while (início < st.st_size && lidos < tamanho) {
        const ssize_t parte =
            ::pread(fd.get(), registro.data() + lidos, size_t(tamanho - lidos), início + lidos);
        if (parte < 0 && errno == EINTR)
            continue;
        if (parte < 0)
            throw VbError(AcessoCaminho, QStringLiteral("Erro de leitura: ") + caminho);
        if (parte == 0)
            break; // the rest of the record lies beyond the end: blanks
        lidos += parte;
    }
    return registro;
}

QString DeAnsi(const QByteArray& bytes) {
    QStringDecoder decodificador("windows-1252");
    if (decodificador.isValid()) {
        QString texto = decodificador.decode(bytes);
        if (!decodificador.hasError())
            return texto;
    }
    return DeAnsiPorTabela(bytes);
}

QByteArray ParaAnsi(const QString& texto) {
    // By table, so that a character without a byte is '?' whatever the converter would use.
    QByteArray bytes;
    bytes.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const char16_t u = texto[i].unicode();
        char b = '?';
        if (QChar::isHighSurrogate(u) && i + 1 < texto.size() && texto[i + 1].isLowSurrogate())
            ++i; // one character, one '?'
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = char(u);
        } else {
            for (int k = 0; k < 32; ++k)
                if (altos1252[k] == u) {
                    b = char(0x80 + k);
                    break;
                }
        }
        bytes.append(b);
    }
    return bytes;
}

} // namespace vb
