#include "gui/dialogs/model_wizard_dialog.h"

#include "editing/document_editor.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editing/document_editor.h"
#include "gui/base/app_version.h"
#include "model/private_sets.h"

namespace qx {

namespace {

constexpr int kPreviewLines = 30;

}  // namespace

ModelWizardDialog::ModelWizardDialog(WindowServices& services, RadioSettings* scratch, ModelConfig* config,
                                     QWidget* parent)
    : QDialog(parent), services_(services), scratch_(scratch), config_(config)
{
    setObjectName("ModelWizardDialog");
    setWindowTitle(tr("Model Wizard Dialog") + " " + kVersionText);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    auto* root = new QVBoxLayout(this);
    auto* modelBox = new QGroupBox(tr("Model Type"));
    auto* modelLayout = new QHBoxLayout(modelBox);
    usa_ = new QRadioButton(tr("USA"));
    eurInt_ = new QRadioButton(tr("EUR (INT)"));
    eurIntUsa_ = new QRadioButton(tr("EUR (INT,USA)"));
    for (QRadioButton* b : {usa_, eurInt_, eurIntUsa_}) {
        modelLayout->addWidget(b);
        connect(b, &QRadioButton::clicked, this, &ModelWizardDialog::OnModelClicked);
    }
    modelLayout->addStretch(1);
    root->addWidget(modelBox);

    auto* setBox = new QGroupBox(tr("European Private Channels"));
    auto* setLayout = new QVBoxLayout(setBox);
    auto* setRow = new QHBoxLayout;
    auto* setLabel = new QLabel(tr("Private Channel"));
    setRow->addWidget(setLabel);
    sets_ = new QComboBox;
    setLabel->setBuddy(sets_);
    sets_->setAccessibleName(tr("Private Channel"));
    for (int i = 0; i < kPrivateSetCount; ++i) sets_->addItem(QString::fromLatin1(PrivateSetName(i)));
    setRow->addWidget(sets_);
    setRow->addStretch(1);
    setLayout->addLayout(setRow);
    preview_ = new QListWidget;
    preview_->setAccessibleName(tr("Private channels of the set"));
    preview_->setFont(fixed);
    preview_->setSelectionMode(QAbstractItemView::SingleSelection);
    {
        QFontMetrics fm(fixed);
        preview_->setMinimumWidth(fm.horizontalAdvance(QString(48, QChar('0'))) + 40);
        preview_->setMinimumHeight(fm.lineSpacing() * 14);
    }
    setLayout->addWidget(preview_, 1);
    root->addWidget(setBox, 1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ModelWizardDialog::accept);
    root->addWidget(buttons);

    const ModelVariant stored = VariantOfType(config_ != nullptr ? config_->modelType : 0).variant;
    (stored == ModelVariant::Usa ? usa_ : stored == ModelVariant::EuropeInt ? eurInt_ : eurIntUsa_)->setChecked(true);
    {
        QSignalBlocker block(sets_);
        sets_->setCurrentIndex(kPrivateSetNone);
    }
    connect(sets_, &QComboBox::currentIndexChanged, this, &ModelWizardDialog::OnSetSelected);
    OnSetSelected();
    UpdateSetControls();
}

ModelVariant ModelWizardDialog::ChosenVariant() const
{
    if (usa_->isChecked()) return ModelVariant::Usa;
    return eurInt_->isChecked() ? ModelVariant::EuropeInt : ModelVariant::EuropeIntUsa;
}

void ModelWizardDialog::UpdateSetControls()
{
    const bool sets = VariantInfo(ChosenVariant()).privateSets;
    sets_->setEnabled(sets);
    preview_->setEnabled(sets);
}

void ModelWizardDialog::OnModelClicked() { UpdateSetControls(); }

void ModelWizardDialog::OnSetSelected()
{
    preview_->clear();
    if (scratch_ == nullptr) return;
    LoadPrivateSet(sets_->currentIndex(), *scratch_);
    for (int i = 0; i < kPreviewLines && i < kChannelsPerBlock; ++i) {
        const ChannelEntry& entry = scratch_->channels[kPrivateBlock + i];
        if (entry.inUse == 0) break;
        preview_->addItem(QString::fromLatin1(FormatWizardLine(entry).c_str()));
    }
}

void ModelWizardDialog::accept()
{
    if (scratch_ == nullptr || config_ == nullptr) {
        services_.MessageBox(this, tr("Parameter is not ready."), tr("Error"), MsgButtons::Ok, MsgIcon::None);
        QDialog::reject();
        return;
    }
    const DocumentState defaults = DefaultState(ChosenVariant(), sets_->currentIndex(), config_->europeanSet);
    *scratch_ = defaults.record;
    config_->modelType = defaults.modelType;
    config_->europeanSet = defaults.europeanSet;
    QDialog::accept();
}

}  // namespace qx
