// What File / Print..., Print Preview... and Export PDF... ask first: the commissioning sheet
// or the channel card, and the vessel's name and call sign (empty: lines to fill in by hand).
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QRadioButton;

namespace qx {

struct SheetChoice {
    bool card = false;  // the channel card, else the commissioning sheet
    QString vesselName;
    QString callSign;
};

class SheetDialog : public QDialog {
    Q_OBJECT

public:
    // `caption`: the command that asks ("Print", "Export PDF"...); `initial`: the last answers.
    SheetDialog(QWidget* parent, const QString& caption, const SheetChoice& initial = {});

    SheetChoice Choice() const;

    QRadioButton* SheetButton() const { return sheet_; }
    QRadioButton* CardButton() const { return card_; }
    QLineEdit* VesselName() const { return vessel_; }
    QLineEdit* CallSign() const { return callSign_; }

private:
    QRadioButton* sheet_ = nullptr;
    QRadioButton* card_ = nullptr;
    QLineEdit* vessel_ = nullptr;
    QLineEdit* callSign_ = nullptr;
};

}  // namespace qx
