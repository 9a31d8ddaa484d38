#include "gui/dialogs/radio_job_dialog.h"

#include <QCloseEvent>

namespace qx {

void RadioJobDialog::reject()
{
    if (busy_) return;
    QDialog::reject();
}

void RadioJobDialog::closeEvent(QCloseEvent* event)
{
    if (busy_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace qx
