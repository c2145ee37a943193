// What every program does around its application: the platform it runs on, Qt's dialogs in
// Portuguese.

#include "ambiente.h"

#include "dialogos.h"
#include "programa.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <optional>

namespace {

// Sets an environment variable for the test's length (nullopt: unset), then puts it back.
class Variável {
  public:
    Variável(const char* nome, std::optional<QByteArray> valor)
        : nome_(nome),
          antes_(qEnvironmentVariableIsSet(nome) ? std::optional<QByteArray>(qgetenv(nome))
                                                 : std::nullopt) {
        Pôr(valor);
    }
    ~Variável() { Pôr(antes_); }

  private:
    void Pôr(const std::optional<QByteArray>& v) {
        if (v)
            qputenv(nome_, *v);
        else
            qunsetenv(nome_);
    }
    const char* nome_;
    std::optional<QByteArray> antes_;
};

TEST(Programa, WaylandWithX11RunsOnX11UnlessThePlatformWasChosen) {
    struct Caso {
        std::optional<QByteArray> plataforma, wayland, display;
        std::optional<QByteArray> depois;
    };
    const std::nullopt_t nada = std::nullopt;
    const Caso casos[] = {
        {nada, "wayland-0", ":0", "xcb"},          // a Wayland desktop with XWayland
        {"wayland", "wayland-0", ":0", "wayland"}, // the user's choice stands
        {"offscreen", "wayland-0", ":0", "offscreen"},
        {"", "wayland-0", ":0", "xcb"},  // an empty choice is none
        {nada, "wayland-0", nada, nada}, // no X11 to go to
        {nada, nada, ":0", nada},        // an X11 desktop: Qt's own choice
    };
    for (const Caso& c : casos) {
        Variável p("QT_QPA_PLATFORM", c.plataforma), w("WAYLAND_DISPLAY", c.wayland),
            d("DISPLAY", c.display);
        vb::EscolherPlataforma();
        const auto depois = qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
                                ? std::optional<QByteArray>(qgetenv("QT_QPA_PLATFORM"))
                                : std::nullopt;
        EXPECT_EQ(depois, c.depois) << "QT_QPA_PLATFORM=" << c.plataforma.value_or("(unset)").data()
                                    << " WAYLAND_DISPLAY=" << c.wayland.value_or("(unset)").data()
                                    << " DISPLAY=" << c.display.value_or("(unset)").data();
    }
}

// The buttons of the dialog open now, as a person reads them.
QStringList Botões() {
    QStringList textos;
    for (auto* b : QApplication::activeModalWidget()->findChildren<QPushButton*>())
        textos << b->text().remove(QLatin1Char('&'));
    textos.sort();
    return textos;
}

TEST(Programa, StandardDialogsSpeakPortugueseWhateverTheLocale) {
    QApplication& app = vb::teste::Aplicação();
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    vb::TraduzirQt(app);
    QStringList caixa, pergunta;
    QTimer::singleShot(0, [&] {
        caixa = Botões();
        QApplication::activeModalWidget()->close();
    });
    vb::MsgBox("texto");
    QTimer::singleShot(0, [&] {
        pergunta = Botões();
        QApplication::activeModalWidget()->close();
    });
    vb::InputBox("Informe o drive\\path para os arquivos de trabalho ",
                 "Obtém drive\\path dos arquivos de trabalho", "0");
    qDeleteAll(app.findChildren<QTranslator*>()); // the other tests see Qt's own texts
    QLocale::setDefault(antes);
    EXPECT_EQ(caixa, QStringList{"OK"});
    EXPECT_EQ(pergunta, (QStringList{"Cancelar", "OK"}));
}

} // namespace
