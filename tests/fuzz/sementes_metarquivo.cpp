// Writes the seeds of fuzz_metarquivo: the metafiles of the lesson texts and a generated varied
// set (WMF and EMF), each behind the target's three bytes of kind and size.
//   sementes_metarquivo LESSON_FOLDER OUTPUT_FOLDER

#include "leitorrtf.h"
#include "metarquivos.h"

#include <QDir>
#include <QFile>

#include <string>

namespace {

void grava(const QString& pasta, const QString& nome, bool emf, const teste::Bytes& b) {
    QFile f(QDir(pasta).filePath(nome));
    if (!f.open(QIODevice::WriteOnly))
        return;
    // Mapping mode 8 (anisotropic) for WMF; a picture of 200 x 100 pixels.
    const char cabeçalho[3] = {char(emf ? 1 : (7 << 1)), char(199), char(99)};
    f.write(cabeçalho, 3);
    f.write(reinterpret_cast<const char*>(b.data()), qint64(b.size()));
}

class Coletor : public vb::rtf::Saída {
  public:
    QString pasta;
    int n = 0;
    void texto(std::u16string_view, const vb::rtf::Estilo&) override {}
    void parágrafo(const vb::rtf::FormatoParágrafo&, const vb::rtf::Estilo&) override {}
    void imagem(const vb::rtf::Imagem& i, const vb::rtf::Estilo&) override {
        if (i.tipo == vb::rtf::TipoImagem::Wmf)
            grava(pasta, QStringLiteral("licao%1.wmf").arg(++n), false, i.dados);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const QString lições = QString::fromLocal8Bit(argv[1]), saída = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(saída);
    Coletor c;
    c.pasta = saída;
    for (const QString& f : QDir(lições).entryList({"*.rtf"})) {
        QFile arquivo(QDir(lições).filePath(f));
        if (arquivo.open(QIODevice::ReadOnly)) {
            const QByteArray b = arquivo.readAll();
            vb::rtf::ler(std::string_view(b.constData(), std::size_t(b.size())), c);
        }
    }
    // BITBLT and STRETCHBLT of device-dependent bitmaps of 8 x 4 pixels, which no lesson holds.
    for (unsigned bits : {1u, 24u, 32u}) {
        const unsigned linha = (8 * bits + 15) / 16 * 2;
        teste::Bytes b;
        for (unsigned x : {0u, 8u, 4u, linha, 1u | bits << 8})
            teste::põe16(b, x);
        for (unsigned i = 0; i < linha * 4; ++i)
            b.push_back(std::uint8_t(i * 37 + bits));
        teste::Wmf w;
        w.r(0x020B, {0, 0}).r(0x020C, {100, 200}).rb(0x0922, {0x0020, 0xCC, 0, 0, 4, 8, 10, 10}, b);
        w.rb(0x0B23, {0x0020, 0xCC, 4, 8, 0, 0, 50, 100, 40, 60}, b);
        grava(saída, QStringLiteral("ddb%1.wmf").arg(bits), false, w.bytes());
    }
    for (bool emf : {false, true}) {
        const std::vector<teste::Bytes> v = teste::metarquivosVariados(emf, 6);
        for (std::size_t i = 0; i < v.size(); ++i)
            grava(saída, QStringLiteral("gerado%1.%2").arg(i).arg(emf ? "emf" : "wmf"), emf, v[i]);
    }
    return 0;
}
