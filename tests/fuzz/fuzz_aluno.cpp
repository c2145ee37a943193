// libFuzzer target: the ask-mode answer and the student record it leads to.
//
// Input: the answer typed by the student (UTF-8) up to the first line break, then the bytes of
// the student file; without a line break the whole input is both.

#include "aluno.h"
#include "caminhos_internos.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Falha(const char* porquê, const QString& a = QString(), const QString& b = QString()) {
    std::fprintf(stderr, "fuzz_aluno: %s\n  [%s]\n  [%s]\n", porquê, a.toUtf8().constData(),
                 b.toUtf8().constData());
    std::abort();
}

// Windows-1252, byte by byte; the five bytes without a character keep their C1 code.
QChar Caractere(std::uint8_t b) {
    static constexpr char16_t de80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    return (b >= 0x80 && b < 0xA0) ? QChar(de80[b - 0x80]) : QChar(b);
}

void VerificarResposta(const QString& resposta) {
    const std::optional<QString> caminho = menu::CaminhoDaResposta(resposta);
    const bool temDrive = resposta.size() >= 3 && resposta[1] == u':' && resposta[2] == u'\\';
    if (caminho.has_value() != temDrive)
        Falha("answer accepted or refused against its \":\\\"", resposta);
    if (!caminho)
        return;

    // The answer, one separator, then the file's name: nothing of the answer lost or changed.
    const QString arquivo = QStringLiteral("aluno.dat");
    if (!caminho->startsWith(resposta) || !caminho->endsWith(arquivo))
        Falha("student file path not the answer followed by \"aluno.dat\"", resposta, *caminho);
    const QString pasta = caminho->chopped(arquivo.size());
    if (!pasta.endsWith(u'\\') || pasta.size() < resposta.size() ||
        pasta.size() > resposta.size() + 1 ||
        (pasta.size() == resposta.size() + 1 && resposta.endsWith(u'\\')))
        Falha("separator before \"aluno.dat\" missing or doubled", resposta, *caminho);
    const vb::interno::Dividido d = vb::interno::DividirÚltimo(*caminho);
    if (d.último != arquivo || d.pasta != pasta)
        Falha("the path's last name is not \"aluno.dat\"", resposta, *caminho);
}

void VerificarRegistro(const QByteArray& bytes) {
    const menu::StudentRecord a = menu::StudentRecord::DeBytes(bytes);
    if (a.matrícula.size() != 5 || a.nome.size() != 32 || a.CourseFlags.size() != 28)
        Falha("record fields not 5, 32 and 28 characters", a.matrícula + a.nome + a.CourseFlags);

    // Each character is its byte in Windows-1252; missing bytes are blanks.
    const QString campos = a.matrícula + a.nome + a.CourseFlags;
    for (qsizetype i = 0; i < campos.size(); ++i) {
        const std::uint8_t b = i < bytes.size() ? std::uint8_t(bytes[i]) : std::uint8_t(' ');
        if (campos[i] != Caractere(b))
            Falha("record character differs from its byte", campos);
    }

    // Only record 1 counts: bytes beyond its 112 change nothing.
    if (bytes.size() > menu::TamanhoRegistroAluno) {
        const menu::StudentRecord b =
            menu::StudentRecord::DeBytes(bytes.left(menu::TamanhoRegistroAluno));
        if (b.matrícula != a.matrícula || b.nome != a.nome || b.CourseFlags != a.CourseFlags)
            Falha("bytes beyond record 1 changed the fields", campos);
    }

    // A course is open exactly where its flag is "1"; positions outside 1 to 28 never are.
    for (int posição = 0; posição <= 29; ++posição) {
        const bool esperado =
            posição >= 1 && posição <= 28 && a.CourseFlags[posição - 1] == QLatin1Char('1');
        if (menu::Aberto(a.CourseFlags, posição) != esperado)
            Falha("course open against its flag", a.CourseFlags);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho > 4096)
        return -1;
    const char* d = reinterpret_cast<const char*>(dados);
    const void* quebra = std::memchr(d, '\n', tamanho);
    const std::size_t fim = quebra ? std::size_t(static_cast<const char*>(quebra) - d) : tamanho;
    const std::size_t início = quebra ? fim + 1 : 0;

    VerificarResposta(QString::fromUtf8(d, qsizetype(fim)));
    VerificarRegistro(QByteArray(d + início, qsizetype(tamanho - início)));
    return 0;
}
