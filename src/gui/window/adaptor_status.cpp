#include "gui/window/adaptor_status.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>

#include "clone/hid_adaptor.h"
#include "gui/base/core_texts.h"
#include "gui/dialogs/adaptor_dialog.h"

namespace qx {

AdaptorStatus::AdaptorStatus(CHidAdaptor& adaptor, bool virtualRadio, QWidget* parent)
    : QGroupBox(tr("USB Port Status"), parent), adaptor_(adaptor), virtualRadio_(virtualRadio)
{
    auto* layout = new QHBoxLayout(this);
    label_ = new QLabel("--------");
    label_->setObjectName("usbStatus");
    label_->setAlignment(Qt::AlignCenter);
    label_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(label_);
}

QString AdaptorStatus::Text() const { return label_->text(); }

QString AdaptorStatus::ToolTip() const { return label_->toolTip(); }

void AdaptorStatus::Tick(bool running)
{
    if (!adaptor_.IsPresent()) adaptor_.Discover();
    Show(adaptor_.IsPresent(), running);
}

void AdaptorStatus::Choose(const std::function<int(QDialog&)>& run, bool running)
{
    if (running) {
        emit advice(tr("The adaptor can be changed once the running operation has ended."));
        return;
    }
    CHidAdaptor& adaptor = adaptor_;
    HidInterfaceInfo current = adaptor.OpenInterface();
    const AdaptorSelection selection = adaptor.Selection();
    if (current.path.empty() && selection.kind == AdaptorSelection::Kind::Chosen) {
        current.path = selection.path;
        current.serial = selection.serial;
    }
    AdaptorDialog dialog(
        window(), [&adaptor] { return adaptor.Candidates(); }, current);
    if (run(dialog) != QDialog::Accepted) return;

    const HidInterfaceInfo& chosen = dialog.chosen();
    adaptor.SetSelection(ChosenAdaptor(chosen));
    adaptor.Discover();
    Show(adaptor.IsPresent(), running);
    if (adaptor.IsPresent()) emit advice(tr("Clone adaptor: %1").arg(AdaptorDialog::Describe(chosen)));
}

void AdaptorStatus::Show(bool present, bool running)
{
    CHidAdaptor& adaptor = adaptor_;
    const AdaptorSelection selection = adaptor.Selection();
    const bool chosen = selection.kind == AdaptorSelection::Kind::Chosen;
    if (present) {
        // A virtual radio says so: nothing done here reaches a real handset.
        label_->setText(virtualRadio_ ? tr("Virtual") : tr("Detected"));
        const QString described = AdaptorDialog::Describe(adaptor.OpenInterface());
        label_->setToolTip(chosen ? tr("Clone adaptor: %1 (chosen with Clone / Adaptor...)").arg(described)
                                  : tr("Clone adaptor: %1").arg(described));
        return;
    }

    const CHidAdaptor::Discovery found = adaptor.LastDiscovery();
    if (found.pick.outcome == AdaptorPick::Several) {
        const auto count = static_cast<int>(found.pick.matches.size());
        const QString text = tr("%1 clone adaptors are connected: choose one with Clone / Adaptor...").arg(count);
        label_->setText(tr("%1 adaptors").arg(count));
        label_->setToolTip(text);
        if (!running) emit advice(text);
        return;
    }
    label_->setText(QStringLiteral("--------"));
    const bool named = chosen || selection.kind == AdaptorSelection::Kind::Serial ||
                       selection.kind == AdaptorSelection::Kind::Path;
    if (named && found.pick.outcome != AdaptorPick::Found) {
        HidInterfaceInfo gone;
        gone.path = selection.path;
        gone.serial = selection.serial;
        gone.usbBus = selection.usbBus;
        gone.usbPort = selection.usbPort;
        const QString text =
            chosen ? tr("The chosen clone adaptor (%1) is not connected: plug it in again, or choose another with "
                        "Clone / Adaptor...")
                         .arg(AdaptorDialog::Describe(gone))
                   : tr("The clone adaptor named by --radio %1 is not connected: plug it in again, or choose another "
                        "with Clone / Adaptor...")
                         .arg(QString::fromStdString(SelectionText(selection)));
        label_->setToolTip(text);
        if (!running) emit advice(text);
        return;
    }
    label_->setToolTip(QString());
    // An adaptor this user may not open looks absent; say why, for as long as it lasts.
    if (!running && adaptor.PermissionDenied()) emit advice(CoreText(kPermissionDeniedHint));
}

}  // namespace qx
