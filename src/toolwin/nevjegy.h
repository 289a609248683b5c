// The About box: a picture, who makes the program, its version and release date, and
// links to write to the makers or visit their homepage.
#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QPushButton;

namespace tv {

class Tform_nevjegy final : public QDialog {
    Q_OBJECT
  public:
    explicit Tform_nevjegy(QWidget* parent);

    // How a link is handed to the desktop; tests replace it to see what would open.
    std::function<void(const QUrl&)> open_url;

    void l_emailClick();
    void l_honlapClick();

    QLabel* picture = nullptr;
    QLabel* l_iro = nullptr;
    QLabel* l_iro_ = nullptr;
    QLabel* l_ver = nullptr;
    QLabel* l_ver_ = nullptr;
    QLabel* l_datum = nullptr;
    QLabel* l_datum_ = nullptr;
    QLabel* l_email = nullptr;
    QLabel* l_email_ = nullptr;
    QLabel* l_honlap = nullptr;
    QLabel* l_honlap_ = nullptr;
    QLabel* l_support = nullptr;
    QLabel* l_support_ = nullptr;
    QPushButton* ok_button = nullptr;
};

}  // namespace tv
