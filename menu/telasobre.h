#pragma once
// The About box: the course package's picture and "OK".

#include <QDialog>

class QLabel;
class QPushButton;

namespace menu {

class TelaSobre : public QDialog {
  public:
    explicit TelaSobre(QWidget* pai);
    void Command1_Click();

    QLabel* Image2 = nullptr;
    QPushButton* Command1 = nullptr;
};

// The About box's picture (216 x 153), drawn in the program.
QPixmap ImagemSobre();

} // namespace menu
