#pragma once
// Opens a named pipe's writing end whenever someone waits to read it, so that a reader that
// should never have opened the pipe does not wait forever; tells whether that happened. A reader
// that only opens the pipe without blocking, looks at it and closes it is not one that waited:
// the writing end opens only while some reader holds the pipe, so a reader counts as waiting when
// it still holds the pipe a moment after the writing end was opened for it.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace teste {

class Desbloqueador {
  public:
    explicit Desbloqueador(const QString& caminho)
        : caminho_(QFile::encodeName(caminho)), fio_([this] { Laço(); }) {}
    ~Desbloqueador() {
        parar_ = true;
        fio_.join();
    }
    bool desbloqueou() const { return desbloqueou_; }

  private:
    void Laço() {
        while (!parar_) {
            const int fd = ::open(caminho_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                const int ainda = ::open(caminho_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (ainda >= 0) {
                    desbloqueou_ = true;
                    ::close(ainda);
                }
                ::close(fd); // the reader sees the end of the pipe at once
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    QByteArray caminho_;
    std::atomic<bool> parar_{false}, desbloqueou_{false};
    std::thread fio_;
};

} // namespace teste
