#include "gui/dialogs/sheet_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/dialogs/dialog_frame.h"

namespace qx {

namespace {

// Room for a ship's name as registers write it, and for any call sign.
constexpr int kVesselNameLength = 40;
constexpr int kCallSignLength = 12;

}  // namespace

SheetDialog::SheetDialog(QWidget* parent, const QString& caption, const SheetChoice& initial) : QDialog(parent)
{
    setObjectName("SheetDialog");
    setWindowTitle(caption);
    auto* content = new QVBoxLayout;
    sheet_ = new QRadioButton(tr("&Commissioning sheet"));
    card_ = new QRadioButton(tr("Channel c&ard"));
    sheet_->setObjectName("sheetChoice");
    card_->setObjectName("cardChoice");
    (initial.card ? card_ : sheet_)->setChecked(true);
    content->addWidget(sheet_);
    content->addWidget(card_);

    auto* form = new QFormLayout;
    vessel_ = new QLineEdit(initial.vesselName);
    vessel_->setObjectName("vesselName");
    vessel_->setMaxLength(kVesselNameLength);
    callSign_ = new QLineEdit(initial.callSign);
    callSign_->setObjectName("callSign");
    callSign_->setMaxLength(kCallSignLength);
    auto* vesselLabel = new QLabel(tr("&Vessel name:"));
    vesselLabel->setBuddy(vessel_);
    auto* callSignLabel = new QLabel(tr("Call &sign:"));
    callSignLabel->setBuddy(callSign_);
    vessel_->setAccessibleName(tr("Vessel name"));
    callSign_->setAccessibleName(tr("Call sign"));
    form->addRow(vesselLabel, vessel_);
    form->addRow(callSignLabel, callSign_);
    content->addLayout(form);
    auto* hint = new QLabel(tr("Left empty, they are lines to fill in by hand."));
    hint->setWordWrap(true);
    content->addWidget(hint);

    FrameWithOkCancel(*this, content);
    vessel_->setFocus();
}

SheetChoice SheetDialog::Choice() const
{
    return SheetChoice{card_->isChecked(), vessel_->text().trimmed(), callSign_->text().trimmed()};
}

}  // namespace qx
