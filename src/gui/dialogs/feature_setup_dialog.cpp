#include "gui/dialogs/feature_setup_dialog.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "gui/dialogs/dialog_frame.h"

namespace qx {

namespace {

constexpr std::size_t kNameFieldWidth = 16;
constexpr std::size_t kNameMaxBytes = 15;

// The text as it goes into a 16-byte field: UTF-8, never cut inside a character.
std::string FieldBytes(const QString& text)
{
    std::string bytes = text.toStdString();
    if (bytes.size() <= kNameMaxBytes) return bytes;
    std::size_t end = kNameMaxBytes;
    while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80) --end;
    bytes.resize(end);
    return bytes;
}

QLineEdit* NameEdit(QWidget* parent, const char* field, std::size_t width)
{
    const QString text = QString::fromStdString(FieldText(field, width));
    auto* edit = new QLineEdit(parent);
    // A longer name from a file stays whole on screen; typing stops at the limit.
    edit->setMaxLength(std::max<int>(kNameEditLimit, text.size()));
    edit->setText(text);
    const QFontMetrics metrics(edit->font());
    edit->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('W')) * kNameEditLimit);
    return edit;
}

}  // namespace

FeatureSetupDialog::FeatureSetupDialog(QWidget* parent, const ModelConfig& config, RadioSettings& document)
    : QDialog(parent), document_(document)
{
    setWindowTitle(tr("Feature Setup Dialog"));

    brand_ = NameEdit(this, document.brandName, sizeof document.brandName);
    model_ = NameEdit(this, document.modelName, sizeof document.modelName);
    auto* names = new QFormLayout;
    names->addRow(tr("Brand Name:"), brand_);
    names->addRow(tr("Model Name:"), model_);

    // These boxes carry no setting: shown for the layout's sake, never enabled.
    auto* feature = new QGroupBox(tr("Feature"), this);
    gpsAlert_ = new QCheckBox(tr("GPS Alert"), feature);
    wxAlert_ = new QCheckBox(tr("Enale WX Alert Check."), feature);
    gpsAlert_->setEnabled(false);
    wxAlert_->setEnabled(false);
    auto* featureLayout = new QVBoxLayout(feature);
    featureLayout->addWidget(gpsAlert_);
    featureLayout->addWidget(wxAlert_);

    if (config.uiReadOnly != 0) {
        brand_->setEnabled(false);
        model_->setEnabled(false);
    }

    auto* left = new QVBoxLayout;
    left->addLayout(names);
    left->addWidget(feature);
    left->addStretch(1);
    FrameWithOkCancel(*this, left).ok->setDefault(true);
}

void FeatureSetupDialog::accept()
{
    // A field the user did not touch keeps its bytes exactly, whatever the edit's limits.
    if (brand_->isModified())
        StoreFieldText(document_.brandName, kNameFieldWidth, kNameFieldWidth, kNameMaxBytes,
                       FieldBytes(brand_->text()));
    if (model_->isModified())
        StoreFieldText(document_.modelName, kNameFieldWidth, kNameFieldWidth, kNameMaxBytes,
                       FieldBytes(model_->text()));
    QDialog::accept();
}

}  // namespace qx
