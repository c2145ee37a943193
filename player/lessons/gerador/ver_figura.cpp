// Renders the figures of a lesson's figure file to PNG files, to look at them while writing.
//
//   ver_figura FIGURAS.txt PASTA

#include "desenho.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: ver_figura FIGURAS.txt PASTA\n");
        return 2;
    }
    QStringList erros;
    const auto figuras = desenho::LerFiguras(QString::fromLocal8Bit(argv[1]), &erros);
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    for (const desenho::Figura& f : figuras) {
        const QImage img = desenho::Desenhar(f.largura, f.altura, f.comandos, &erros);
        img.save(QDir(QString::fromLocal8Bit(argv[2])).filePath(f.nome + QStringLiteral(".png")));
    }
    for (const QString& e : erros)
        std::fprintf(stderr, "%s\n", qPrintable(e));
    std::printf("%d figuras\n", int(figuras.size()));
    return erros.isEmpty() ? 0 : 1;
}
