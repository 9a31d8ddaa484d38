// Several adaptors on one computer: "USB Port Status" says how many, Clone / Adaptor... picks
// one, and the window keeps to that one. A chosen adaptor that is unplugged is waited for,
// never swapped silently for another.
#include <QLabel>

#include "clone/hid_adaptor.h"
#include "gui/dialogs/adaptor_dialog.h"
#include "gui/window/main_window.h"

namespace qx {

namespace {

QString Described(const HidInterfaceInfo& info) { return QString::fromStdString(DescribeInterface(info)); }

}  // namespace

void MainWindow::OnChooseAdaptor()
{
    if (IsCloneRunning()) {
        SetStatus("The adaptor can be changed once the running operation has ended.");
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
    if (adaptor.IsPresent()) SetStatus("Clone adaptor: " + Described(chosen));
}

void MainWindow::ShowAdaptorState(bool present)
{
    CHidAdaptor& adaptor = app_.clone.adaptor;
    const AdaptorSelection selection = adaptor.Selection();
    const bool chosen = selection.kind == AdaptorSelection::Kind::Chosen;
    if (present) {
        // A virtual radio says so: nothing done here reaches a real handset.
        ui_.usbStatus->setText(app_.virtualRadio ? "Virtual" : "Detected");
        ui_.usbStatus->setToolTip("Clone adaptor: " + Described(adaptor.OpenInterface()) +
                                  (chosen ? " (chosen with Clone / Adaptor...)" : ""));
        return;
    }

    const CHidAdaptor::Discovery found = adaptor.LastDiscovery();
    if (found.pick.outcome == AdaptorPick::Several) {
        const auto count = static_cast<int>(found.pick.matches.size());
        const QString advice =
            QString("%1 clone adaptors are connected: choose one with Clone / Adaptor...").arg(count);
        ui_.usbStatus->setText(QString("%1 adaptors").arg(count));
        ui_.usbStatus->setToolTip(advice);
        if (!IsCloneRunning()) SetStatus(advice);
        return;
    }
    ui_.usbStatus->setText("--------");
    const bool named = chosen || selection.kind == AdaptorSelection::Kind::Serial ||
                       selection.kind == AdaptorSelection::Kind::Path;
    if (named && found.pick.outcome != AdaptorPick::Found) {
        HidInterfaceInfo gone;
        gone.path = selection.path;
        gone.serial = selection.serial;
        gone.location = selection.location;
        const QString which = chosen ? "The chosen clone adaptor (" + Described(gone) + ")"
                                     : "The clone adaptor named by --radio " +
                                           QString::fromStdString(SelectionText(selection));
        const QString text = which + " is not connected: plug it in again, or choose another with Clone / Adaptor...";
        ui_.usbStatus->setToolTip(text);
        if (!IsCloneRunning()) SetStatus(text);
        return;
    }
    ui_.usbStatus->setToolTip(QString());
    // An adaptor this user may not open looks absent; say why, for as long as it lasts.
    if (!IsCloneRunning() && adaptor.PermissionDenied()) SetStatus(kPermissionDeniedHint);
}

}  // namespace qx
