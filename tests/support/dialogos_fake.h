#pragma once
// Scripted dialogs for tests. While an object of DiálogosFalsos lives, vb::MsgBox and
// vb::InputBox show nothing: every message box and input box is recorded in order, message
// boxes answer 1 (OK) and input boxes take their answers from `respostas`, front first.
//
//     vb::teste::DiálogosFalsos falsos;
//     falsos.respostas = {"0", "c:\\dados"};   // "" stands for Cancel
//     ...run the code...
//     ASSERT_EQ(falsos.mensagens.size(), 1u);
//     EXPECT_EQ(falsos.mensagens[0].texto, "...");
//
// An input box asked for when `respostas` is empty throws SemResposta (the code under test
// asked more than the script foresaw; a retry loop would otherwise never end). Titles are
// recorded as passed: an empty title is the program's default title.

#include "dialogos.h"

#include <QString>
#include <deque>
#include <stdexcept>
#include <vector>

namespace vb::teste {

struct MensagemMostrada {
    QString texto;
    int botões = 0;
    QString título;
};

struct PerguntaFeita {
    QString pergunta;
    QString título;
    QString padrão;
};

struct SemResposta : std::logic_error {
    SemResposta() : std::logic_error("input box asked with no scripted answer left") {}
};

class DiálogosFalsos : public Diálogos {
  public:
    DiálogosFalsos() { instalarDiálogos(this); }
    ~DiálogosFalsos() override { instalarDiálogos(nullptr); }
    DiálogosFalsos(const DiálogosFalsos&) = delete;
    DiálogosFalsos& operator=(const DiálogosFalsos&) = delete;

    std::vector<MensagemMostrada> mensagens; // every message box shown
    std::vector<PerguntaFeita> perguntas;    // every input box shown
    std::deque<QString> respostas;           // answers of the next input boxes

    int MsgBox(const QString& texto, int botões, const QString& título) override {
        mensagens.push_back({texto, botões, título});
        return 1;
    }

    QString InputBox(const QString& pergunta, const QString& título,
                     const QString& padrão) override {
        perguntas.push_back({pergunta, título, padrão});
        if (respostas.empty())
            throw SemResposta();
        QString r = respostas.front();
        respostas.pop_front();
        return r;
    }
};

} // namespace vb::teste
