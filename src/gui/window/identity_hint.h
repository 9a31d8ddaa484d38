// Advice beside the identity fields: the administration of a valid MMSI or ATIS ID in small
// text, or its warnings in a warning colour, and a button that fills the ATIS field from the
// MMSI. Advice only: the window's own check stays the rule for writing.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QToolButton>

#include "identity/radio_identity.h"

namespace qx {

class IdentityHint : public QLabel {
    Q_OBJECT

public:
    // Follows `field` as it changes. Takes the width its layout gives and elides the rest, so
    // a long administration never widens the window.
    IdentityHint(QLineEdit* field, IdentityKind kind, QWidget* parent = nullptr);

    bool IsWarning() const { return warning_; }
    bool IsRefusal() const { return refused_; }
    QString FullText() const { return fullText_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Update();
    void Elide();

    QLineEdit* field_;
    IdentityKind kind_;
    QString fullText_;
    bool warning_ = false;
    bool refused_ = false;
};

// "from MMSI": puts the MMSI's digits into the ATIS field (an ATIS ID of "9" + MMSI, as many
// countries give them). Enabled while the ATIS field is and the MMSI has 9 digits. The field's
// own Ctrl+Z takes the fill back.
class AtisFromMmsiButton : public QToolButton {
    Q_OBJECT

public:
    AtisFromMmsiButton(QLineEdit* mmsi, QLineEdit* atis, QWidget* parent = nullptr);

signals:
    void filled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateEnabled();

    QLineEdit* mmsi_;
    QLineEdit* atis_;
};

}  // namespace qx
