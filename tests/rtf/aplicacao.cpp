// The widget tests need a QApplication: one for the whole run, on the offscreen platform, and
// destroyed at the end so that what Qt holds is released.

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class AmbienteQt : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char nome_[9] = "test_rtf";
    char* argv_[2] = {nome_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const ambiente = ::testing::AddGlobalTestEnvironment(new AmbienteQt);

} // namespace
