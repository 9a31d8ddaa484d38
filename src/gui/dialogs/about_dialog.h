// The about box: the product name and the program version in the caption.
#pragma once

#include <QDialog>

namespace qx {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace qx
