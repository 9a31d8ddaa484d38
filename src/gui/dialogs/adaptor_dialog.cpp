#include "gui/dialogs/adaptor_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

namespace {

constexpr int kCandidateRole = Qt::UserRole;

}  // namespace

AdaptorDialog::AdaptorDialog(QWidget* parent, ListFunction list, const HidInterfaceInfo& current)
    : QDialog(parent), listFunction_(std::move(list)), current_(current)
{
    setWindowTitle(tr("Clone Adaptor"));
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("adaptorHeading"));
    heading_->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("adaptorList"));
    list_->setAccessibleName(tr("Devices with the clone adaptor's USB ID"));
    list_->setMinimumWidth(480);

    auto* buttons = new QDialogButtonBox(this);
    refresh_ = buttons->addButton(tr("Refresh"), QDialogButtonBox::ResetRole);
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Cancel);
    // Enter must not pick whatever happens to be selected.
    ok_->setAutoDefault(false);
    refresh_->setAutoDefault(false);
    connect(refresh_, &QPushButton::clicked, this, &AdaptorDialog::Refresh);
    connect(ok_, &QPushButton::clicked, this, &AdaptorDialog::Choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemSelectionChanged, this, &AdaptorDialog::UpdateButtons);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
        if (ok_->isEnabled()) Choose();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    Refresh();
}

void AdaptorDialog::Refresh()
{
    // What was selected stays selected while it is still there.
    HidInterfaceInfo keep = current_;
    if (QListWidgetItem* item = list_->currentItem(); item != nullptr && item->isSelected()) {
        const int index = item->data(kCandidateRole).toInt();
        if (index >= 0 && index < static_cast<int>(candidates_.size())) keep = candidates_[index].info;
    }
    candidates_ = listFunction_ ? listFunction_() : std::vector<AdaptorCandidate>{};
    list_->clear();
    const int adaptors = CountAdaptors(candidates_);
    heading_->setText(adaptors == 0   ? tr("No clone adaptor is connected.")
                      : adaptors == 1 ? tr("1 clone adaptor is connected.")
                                      : tr("%1 clone adaptors are connected: choose the one whose radio you mean to "
                                           "program.")
                                            .arg(adaptors));
    for (std::size_t i = 0; i < candidates_.size(); ++i) {
        const AdaptorCandidate& candidate = candidates_[i];
        auto* item = new QListWidgetItem(CandidateText(candidate), list_);
        item->setData(kCandidateRole, static_cast<int>(i));
        if (!candidate.adaptor) {
            // Shown so that it can be told apart; never offered.
            item->setFlags(Qt::NoItemFlags);
            continue;
        }
        if (!keep.path.empty() && candidate.info.path == keep.path && candidate.info.serial == keep.serial) {
            list_->setCurrentItem(item);
            item->setSelected(true);
        }
    }
    UpdateButtons();
}

QString AdaptorDialog::Describe(const HidInterfaceInfo& info)
{
    auto shown = [](const std::string& text) { return QString::fromStdString(PrintableDeviceText(text)); };
    QString text = shown(info.path) + ", " +
                   (info.serial.empty() ? tr("no serial number") : tr("serial %1").arg(shown(info.serial)));
    if (!info.product.empty()) text += ", \"" + shown(info.product) + "\"";
    if (!info.usbBus.empty()) text += ", " + tr("bus %1, port %2").arg(shown(info.usbBus), shown(info.usbPort));
    return text;
}

QString AdaptorDialog::CandidateText(const AdaptorCandidate& candidate)
{
    const QString text = Describe(candidate.info);
    if (!candidate.adaptor) return tr("%1: not a clone adaptor").arg(text);
    if (candidate.info.access == HidAccess::Denied) return tr("%1: may not be opened by this user").arg(text);
    return text;
}

void AdaptorDialog::UpdateButtons()
{
    const QListWidgetItem* item = list_->currentItem();
    ok_->setEnabled(item != nullptr && item->isSelected() && (item->flags() & Qt::ItemIsEnabled));
}

void AdaptorDialog::Choose()
{
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    const int index = item->data(kCandidateRole).toInt();
    if (index < 0 || index >= static_cast<int>(candidates_.size()) || !candidates_[index].adaptor) return;
    chosen_ = candidates_[index].info;
    accept();
}

}  // namespace qx
