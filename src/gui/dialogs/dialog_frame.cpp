#include "gui/dialogs/dialog_frame.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace qx {

OkCancelButtons FrameWithOkCancel(QDialog& dialog, QLayout* content)
{
    OkCancelButtons b;
    b.ok = new QPushButton(QCoreApplication::translate("qx::DialogFrame", "OK"), &dialog);
    b.cancel = new QPushButton(QCoreApplication::translate("qx::DialogFrame", "Cancel"), &dialog);
    QObject::connect(b.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(b.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(b.ok);
    buttons->addWidget(b.cancel);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(&dialog);
    layout->addLayout(content, 1);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return b;
}

}  // namespace qx
