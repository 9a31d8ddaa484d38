// "USB Port Status": whether the clone adaptor is there, looked for once a second. Several
// adaptors on one computer: it says how many, Clone / Adaptor... picks one, and the window keeps
// to that one. A chosen adaptor that is unplugged is waited for, never swapped silently for
// another.
#pragma once

#include <QGroupBox>
#include <functional>

class QDialog;
class QLabel;

namespace qx {

class CHidAdaptor;

class AdaptorStatus : public QGroupBox {
    Q_OBJECT

public:
    // `virtualRadio`: the adaptor is a virtual radio, and says so.
    AdaptorStatus(CHidAdaptor& adaptor, bool virtualRadio, QWidget* parent = nullptr);

    // What the box shows ("Detected", "--------", ...) and its tooltip's explanation.
    QString Text() const;
    QString ToolTip() const;

    // The one-second tick: looks for the adaptor when none is open. While a clone run goes,
    // the status line is left to it.
    void Tick(bool running);
    // Clone / Adaptor...: which of several adaptors the window uses; `run` runs the dialog.
    void Choose(const std::function<int(QDialog&)>& run, bool running);

signals:
    // For the status line, with its countdown.
    void advice(const QString& text);

private:
    CHidAdaptor& adaptor_;
    bool virtualRadio_;
    QLabel* label_ = nullptr;

    void Show(bool present, bool running);
};

}  // namespace qx
