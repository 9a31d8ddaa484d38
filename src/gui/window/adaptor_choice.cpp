// Several adaptors on one computer: "USB Port Status" says how many, Clone / Adaptor... picks
// one, and the window keeps to that one. A chosen adaptor that is unplugged is waited for,
// never swapped silently for another.
#include <QLabel>

#include "clone/hid_adaptor.h"
#include "gui/base/core_texts.h"
#include "gui/dialogs/adaptor_dialog.h"
#include "gui/window/main_window.h"

namespace qx {

void MainWindow::OnChooseAdaptor()
{
    if (IsCloneRunning()) {
        SetStatus(tr("The adaptor can be changed once the running operation has ended."));
        return;
    }
    CHidAdaptor& adaptor = app_.clone.adaptor;
    HidInterfaceInfo current = adaptor.OpenInterface();
    const AdaptorSelection selection = adaptor.Selection();
    if (current.path.empty() && selection.kind == AdaptorSelection::Kind::Chosen) {
        current.path = selection.path;
        current.serial = selection.serial;
    }
    AdaptorDialog dialog(
        this, [&adaptor] { return adaptor.Candidates(); }, current);
    if (dialogs_.run(dialog) != QDialog::Accepted) return;

    const HidInterfaceInfo& chosen = dialog.chosen();
    adaptor.SetSelection(ChosenAdaptor(chosen));
    adaptor.Discover();
    ShowAdaptorState(adaptor.IsPresent());
    if (adaptor.IsPresent()) SetStatus(tr("Clone adaptor: %1").arg(AdaptorDialog::Describe(chosen)));
}

void MainWindow::ShowAdaptorState(bool present)
{
    CHidAdaptor& adaptor = app_.clone.adaptor;
    const AdaptorSelection selection = adaptor.Selection();
    const bool chosen = selection.kind == AdaptorSelection::Kind::Chosen;
    if (present) {
        // A virtual radio says so: nothing done here reaches a real handset.
        ui_.usbStatus->setText(app_.virtualRadio ? tr("Virtual") : tr("Detected"));
        const QString described = AdaptorDialog::Describe(adaptor.OpenInterface());
        ui_.usbStatus->setToolTip(chosen ? tr("Clone adaptor: %1 (chosen with Clone / Adaptor...)").arg(described)
                                         : tr("Clone adaptor: %1").arg(described));
        return;
    }

    const CHidAdaptor::Discovery found = adaptor.LastDiscovery();
    if (found.pick.outcome == AdaptorPick::Several) {
        const auto count = static_cast<int>(found.pick.matches.size());
        const QString advice = tr("%1 clone adaptors are connected: choose one with Clone / Adaptor...").arg(count);
        ui_.usbStatus->setText(tr("%1 adaptors").arg(count));
        ui_.usbStatus->setToolTip(advice);
        if (!IsCloneRunning()) SetStatus(advice);
        return;
    }
    ui_.usbStatus->setText(QStringLiteral("--------"));
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
        ui_.usbStatus->setToolTip(text);
        if (!IsCloneRunning()) SetStatus(text);
        return;
    }
    ui_.usbStatus->setToolTip(QString());
    // An adaptor this user may not open looks absent; say why, for as long as it lasts.
    if (!IsCloneRunning() && adaptor.PermissionDenied()) SetStatus(CoreText(kPermissionDeniedHint));
}

}  // namespace qx
