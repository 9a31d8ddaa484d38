// Clone / Adaptor...: every device with the clone adaptor's USB ID, and the choice of the
// adaptor to use when more than one is plugged in. Devices that are not adaptors are shown
// (greyed) so that a person can tell them apart, and can never be chosen.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "clone/adaptor_list.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace qx {

class AdaptorDialog : public QDialog {
    Q_OBJECT
public:
    using ListFunction = std::function<std::vector<AdaptorCandidate>()>;
    // `list` gives the devices present, again at each Refresh; `current` is the adaptor in use
    // (empty path: none), selected when it is listed.
    AdaptorDialog(QWidget* parent, ListFunction list, const HidInterfaceInfo& current);

    // The adaptor chosen; meaningful after Accepted.
    const HidInterfaceInfo& chosen() const { return chosen_; }
    QListWidget* list() const { return list_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* refreshButton() const { return refresh_; }
    void Refresh();

    // "/dev/hidraw3, serial 0042, "USB HID", bus 1, port 1.4" in the window's language; what the
    // device says of itself is shown with its control bytes escaped.
    static QString Describe(const HidInterfaceInfo& info);
    // The same, with why it cannot be chosen or used where so.
    static QString CandidateText(const AdaptorCandidate& candidate);

private:
    ListFunction listFunction_;
    std::vector<AdaptorCandidate> candidates_;
    HidInterfaceInfo current_;
    HidInterfaceInfo chosen_;
    QLabel* heading_;
    QListWidget* list_;
    QPushButton* refresh_;
    QPushButton* ok_;

    void UpdateButtons();
    void Choose();
};

}  // namespace qx
