// What the dialogs that talk to the radio share: while one of their radio jobs runs they stay
// open (Esc, the close box and Cancel wait for it; a transfer ends by itself or by the dialog's
// own Stop), and they say when they are idle again.
#pragma once

#include <QDialog>

class QCloseEvent;

namespace qx {

class RadioJobDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;
    bool isBusy() const { return busy_; }

public slots:
    void reject() override;

signals:
    // A radio job has come back and its outcome has been shown.
    void idle();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool busy_ = false;
};

}  // namespace qx
