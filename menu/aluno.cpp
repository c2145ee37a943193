#include "aluno.h"

#include "registros.h"

namespace menu {

StudentRecord StudentRecord::DeBytes(const QByteArray& registro) {
    QByteArray r = registro.left(TamanhoRegistroAluno);
    if (r.size() < TamanhoRegistroAluno)
        r.append(QByteArray(TamanhoRegistroAluno - r.size(), ' '));
    const QString texto = vb::DeAnsi(r);
    return {texto.mid(0, 5), texto.mid(5, 32), texto.mid(37, 28)};
}

QString TodosAbertos() {
    return QString(28, QLatin1Char('1'));
}

std::span<const Curso> CourseOrder() {
    using namespace catalogo;
    static const Curso ordem[] = {
        {"Apresentação", {}},
        {"Introdutório", {}},
        {"Windows", {&cursoWindows}},
        {"Word 97", {&cursoWordB}},
        {"Excel 97", {&cursoExcelB}},
        {"Access 97", {&cursoAccessB}},
        {"PowerPoint 97", {&cursoPowerPoint}},
        {"Internet", {&cursoInternet}},
        {"Integração", {&cursoIntegração}},
        {"Word Avançado", {&cursoWordA}},
        {"Excel Avançado", {&cursoExcelA}},
        {"Access Avançado", {&cursoAccessA}},
        {"Corel Draw", {&cursoCorelB, &cursoCorelA}},
        {"FrontPage", {&cursoFrontPage}},
        {"Java Script", {&cursoJavaScript}},
        {"VB", {&cursoVB}},
        {"AutoCad", {&cursoAutoCad2D, &cursoAutoCad2DII}},
        {"PageMaker", {&cursoPageMaker}},
        {"PhotoShop", {}},
        {"Project", {&cursoProject}},
        {"Flash", {&cursoFlash}},
        {"HTML", {&cursoHTML}},
        {"DreamWeaver", {}},
        {"VBA", {&cursoVBA}},
        {"Excel 2000", {}},
        {"Access 2000", {}},
        {"PowerPoint 2000", {}},
        {"AutoCAD 3D", {&cursoAutoCad3D}},
    };
    return ordem;
}

std::optional<QString> CaminhoDaResposta(const QString& resposta) {
    if (resposta.mid(1, 2) != QLatin1String(":\\"))
        return std::nullopt;
    QString caminho = resposta;
    if (!caminho.endsWith(QLatin1Char('\\')))
        caminho += QLatin1Char('\\');
    return caminho + QStringLiteral("aluno.dat");
}

} // namespace menu
