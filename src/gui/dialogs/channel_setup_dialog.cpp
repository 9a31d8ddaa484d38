#include "gui/dialogs/channel_setup_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "channels/channel_csv.h"
#include "editing/private_channels.h"
#include "files/clone_file.h"
#include "model/channel_plan.h"

namespace qx {

QString FrequencyText(double mhz)
{
    char text[64];
    std::snprintf(text, sizeof text, "%8.5f", mhz);
    return QString::fromLatin1(text);
}

ChannelSetupDialog::ChannelSetupDialog(WindowServices& services, RadioSettings& document, const ModelConfig& config,
                                       bool newEntry, QWidget* parent)
    : QDialog(parent), services_(services)
{
    setWindowTitle(tr("Channel Setup Dialog"));
    setObjectName("ChannelSetupDialog");
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    auto* root = new QVBoxLayout(this);
    root->addLayout(BuildNameRow(fixed));
    root->addLayout(BuildFrequencyRow(fixed));
    root->addWidget(BuildButtons());

    entry_ = ChooseEntry(document, config, newEntry);
    ShowEntry();
}

// The two name characters and the usage.
QLayout* ChannelSetupDialog::BuildNameRow(const QFont& fixed)
{
    auto* top = new QHBoxLayout;

    auto* nameBox = new QGroupBox(tr("Name"));
    auto* nameLayout = new QHBoxLayout(nameBox);
    nameFirst_ = new QComboBox;
    nameSecond_ = new QComboBox;
    for (char c : kPrivateNameChars) nameFirst_->addItem(QString(QChar::fromLatin1(c)));
    for (const char* c = kPrivateNameDigits; *c; ++c) nameSecond_->addItem(QString(QChar::fromLatin1(*c)));
    // Announced by what they choose, not by the letter they show.
    nameFirst_->setAccessibleName(tr("Name, first character"));
    nameSecond_->setAccessibleName(tr("Name, second character"));
    nameLayout->addWidget(nameFirst_);
    nameLayout->addWidget(nameSecond_);
    top->addWidget(nameBox);

    auto* usageBox = new QGroupBox(tr("Usage"));
    auto* usageLayout = new QHBoxLayout(usageBox);
    usage_ = new QComboBox;
    usage_->setFont(fixed);
    for (int code = kFirstPrivateUsageCode; code <= kLastPrivateUsageCode; ++code)
        usage_->addItem(QString::fromLatin1(UsageName(code)));
    usage_->setAccessibleName(tr("Usage"));
    usageLayout->addWidget(usage_);
    top->addWidget(usageBox, 1);
    return top;
}

// The two frequencies beside the duplex/simplex choice.
QLayout* ChannelSetupDialog::BuildFrequencyRow(const QFont& fixed)
{
    auto* freq = new QGridLayout;
    tx_ = new QLineEdit;
    rx_ = new QLineEdit;
    rx_->setReadOnly(true);
    rx_->setFocusPolicy(Qt::NoFocus);
    for (QLineEdit* field : {tx_, rx_}) {
        field->setFont(fixed);
        field->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance("0000.000000") + 16);
    }
    tx_->setObjectName("txFreq");
    rx_->setObjectName("rxFreq");
    tx_->installEventFilter(this);
    // Each field is announced by its label and unit.
    const std::pair<const char*, QLineEdit*> rows[] = {{QT_TR_NOOP("Tx Freq"), tx_}, {QT_TR_NOOP("Rx Freq"), rx_}};
    for (int row = 0; row < 2; ++row) {
        auto* label = new QLabel(tr(rows[row].first));
        label->setBuddy(rows[row].second);
        rows[row].second->setAccessibleName(tr("%1 (MHz)").arg(tr(rows[row].first)));
        freq->addWidget(label, row, 0);
        freq->addWidget(rows[row].second, row, 1);
        freq->addWidget(new QLabel(tr("MHz")), row, 2);
    }

    auto* modeBox = new QGroupBox(tr("Mode"));
    auto* modeLayout = new QVBoxLayout(modeBox);
    duplex_ = new QRadioButton(tr("Duplex"));
    simplex_ = new QRadioButton(tr("Simplex"));
    modeLayout->addWidget(duplex_);
    modeLayout->addWidget(simplex_);
    connect(duplex_, &QRadioButton::clicked, this, &ChannelSetupDialog::OnDuplexClicked);
    connect(simplex_, &QRadioButton::clicked, this, &ChannelSetupDialog::OnSimplexClicked);
    auto* middle = new QHBoxLayout;
    middle->addLayout(freq);
    middle->addWidget(modeBox);
    return middle;
}

QDialogButtonBox* ChannelSetupDialog::BuildButtons()
{
    auto* buttons = new QDialogButtonBox;
    ok_ = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ChannelSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ChannelSetupDialog::reject);
    return buttons;
}

// The entry the dialog edits: its own blank for a new one, else the document's entry at the
// list position in the chosen band; null when that position addresses no entry.
ChannelEntry* ChannelSetupDialog::ChooseEntry(RadioSettings& document, const ModelConfig& config, bool newEntry)
{
    // The blank of a new entry: simplex on 157.85 MHz, in use, everything else zero.
    blank_ = ChannelEntry{};
    blank_.txMHz = 157.85;
    blank_.rxMHz = 157.85;
    blank_.inUse = 1;
    if (newEntry) return &blank_;

    const int band = config.bandIndex;
    const long index = (band >= 0 && band <= 3) ? long(config.listPosition) + 100L * band : long(config.listPosition);
    return (index >= 0 && index < kChannelCount) ? &document.channels[index] : nullptr;
}

void ChannelSetupDialog::ShowEntry()
{
    if (entry_ == nullptr) {
        // Nothing to show: empty controls, and OK refuses the empty frequency.
        nameFirst_->setCurrentIndex(-1);
        nameSecond_->setCurrentIndex(-1);
        usage_->setCurrentIndex(-1);
        return;
    }

    tx_->setText(FrequencyText(entry_->txMHz));
    rx_->setText(FrequencyText(entry_->rxMHz));
    if (std::fabs(entry_->rxMHz - entry_->txMHz) > 0.00001)
        duplex_->setChecked(true);
    else
        simplex_->setChecked(true);

    int first = nameFirst_->findText(QString(QChar::fromLatin1(entry_->name[0])));
    nameFirst_->setCurrentIndex(entry_->name[0] != '\0' && first >= 0 ? first : 0);
    int second = nameSecond_->findText(QString(QChar::fromLatin1(entry_->name[1])));
    nameSecond_->setCurrentIndex(entry_->name[1] != '\0' && second >= 0 ? second : 0);
    const int code = static_cast<unsigned char>(entry_->usageCode);
    usage_->setCurrentIndex(
        code >= kFirstPrivateUsageCode && code <= kLastPrivateUsageCode ? code - kFirstPrivateUsageCode : 0);
}

// A decimal comma is taken as the point; anything that is no number is refused, never read as
// the number in front of it ("157,85" is not 157).
double ChannelSetupDialog::TxValue() const { return TxFromText(tx_->text().left(31).toStdString()); }

bool ChannelSetupDialog::ValidateTx()
{
    const bool valid = IsPrivateTxMHz(TxValue());
    if (!valid) {
        char text[160];
        std::snprintf(text, sizeof text, "%3.4f - %3.4f", kPrivateTxLowMHz, kPrivateTxHighMHz);
        services_.MessageBox(this,
                             tr("Invalid Tx Frequency.\nFrequency=0.00625*N.\nRange=%1").arg(QString::fromLatin1(text)),
                             tr("Error"), MsgButtons::Ok, MsgIcon::None);
    }
    return valid;
}

void ChannelSetupDialog::OnTxLeft()
{
    if (!ValidateTx()) return;
    const double tx = TxValue();
    rx_->setText(FrequencyText(duplex_->isChecked() ? tx + kDuplexOffsetMHz : tx));
}

void ChannelSetupDialog::OnDuplexClicked() { rx_->setText(FrequencyText(TxValue() + kDuplexOffsetMHz)); }

void ChannelSetupDialog::OnSimplexClicked() { rx_->setText(tx_->text()); }

void ChannelSetupDialog::accept()
{
    if (!ValidateTx()) return;
    ChannelEntry candidate = entry_ != nullptr ? *entry_ : ChannelEntry{};
    candidate.inUse = 1;
    candidate.txMHz = TxValue();
    candidate.rxMHz = duplex_->isChecked() ? candidate.txMHz + kDuplexOffsetMHz : candidate.txMHz;
    if (nameFirst_->currentIndex() >= 0) candidate.name[0] = nameFirst_->currentText().at(0).toLatin1();
    if (nameSecond_->currentIndex() >= 0) candidate.name[1] = nameSecond_->currentText().at(0).toLatin1();
    candidate.usageCode = static_cast<int8_t>(usage_->currentIndex() + kFirstPrivateUsageCode);
    // The rule the clone file check opens files by: a channel it refuses would make a file that
    // never opens again (Duplex above 169.4 MHz puts RX past the band).
    if (const EditRefusal refusal = PrivateEntryRefusal(candidate)) {
        // The editor's refusal, in the words its catalog context gives it.
        const QString text = QCoreApplication::translate("qx::Editing", refusal.text.c_str());
        services_.MessageBox(this, text.arg(QString::fromStdString(refusal.arg)), tr("Error"), MsgButtons::Ok,
                             MsgIcon::None);
        return;
    }
    if (entry_ != nullptr) *entry_ = candidate;
    QDialog::accept();
}

bool ChannelSetupDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tx_ && event->type() == QEvent::FocusOut) {
        // Check when the user moves on to another control; OK checks for itself, Cancel
        // needs no check, and a window losing activation is not leaving the field.
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        QWidget* next = QApplication::focusWidget();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && next != ok_ && next != cancel_ &&
            isVisible())
            OnTxLeft();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace qx
