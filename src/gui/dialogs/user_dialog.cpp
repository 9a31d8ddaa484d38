#include "gui/dialogs/user_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qx {

namespace {

struct VersionNotes {
    const char* header;
    std::initializer_list<const char*> notes;
};

const VersionNotes kHistory[] = {
    {"QX720Clone_V101_130104.exe",
     {QT_TRANSLATE_NOOP("qx::UserDialog", "The PC clone tool adds private channels."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "The radio firmware is unchanged.")}},
    {"QX720Clone_V102_130115.exe",
     {QT_TRANSLATE_NOOP("qx::UserDialog", "Only private channels are cloned, 100 at most."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "The UIC data is fixed in the flash memory of the radio's controller."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "Private channels can be added, removed and defined by the user."),
      QT_TRANSLATE_NOOP("qx::UserDialog",
                        "The channel record is redefined as 10 bytes; the name is stored as an index."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "EEPROM addresses are redefined.")}},
    {"QX720Clone_V103_130117.exe",
     {QT_TRANSLATE_NOOP("qx::UserDialog",
                        "The INT, USA, CAN, narrow and WX channel tables are taken from the radio firmware."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "The channel list follows the band selection; its display is adjusted."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "Receive intermediate frequency 38.85 MHz.")}},
    {"QX720Clone_V104_130118.exe",
     {QT_TRANSLATE_NOOP("qx::UserDialog", "Frequencies are shown in 3.4 format, which also suits narrow channels."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "The channel combo box follows the selection."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "The low part of the divider is in the low byte."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "The private channel name uses one byte, high bit 0.")}},
    {"QX720Clone_V105_130118.exe",
     {QT_TRANSLATE_NOOP("qx::UserDialog", "The Exit button becomes Read."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "Start-up no longer asks for private channels."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "ATIS and MMSI positions updated."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "Edit button added."),
      QT_TRANSLATE_NOOP("qx::UserDialog", "Tx Freq Range 136 to 174MHz")}},
    {"QX720Clone_V106_130122.exe",
     {QT_TRANSLATE_NOOP("qx::UserDialog", "Write Addr=0x100 to 0x6FF"),
      QT_TRANSLATE_NOOP("qx::UserDialog", "USA and EUR flags added.")}},
    {"QX720Clone_V107_130126.exe", {QT_TRANSLATE_NOOP("qx::UserDialog", "A Read error is fixed.")}},
    {"QX720Clone_V108_130521.exe",
     {QT_TRANSLATE_NOOP("qx::UserDialog", "Intermediate frequency filter changed to 19.65.")}},
    {"QX720Clone_V109_130820.exe",
     {QT_TRANSLATE_NOOP("qx::UserDialog", "A write control is added that lets the radio enter adjust (test) mode.")}},
    {"QX720Clone_V110_130822.exe",
     {QT_TRANSLATE_NOOP("qx::UserDialog", "Entering adjust mode is not allowed by default.")}},
};

}  // namespace

QStringList VersionHistoryLines()
{
    QStringList lines;
    bool first = true;
    for (const auto& version : kHistory) {
        if (!first) lines << QStringLiteral(" ");
        first = false;
        lines << QString::fromLatin1(version.header);
        int number = 1;
        for (const char* note : version.notes)
            lines << QStringLiteral("%1. %2").arg(number++).arg(QCoreApplication::translate("qx::UserDialog", note));
    }
    return lines;
}

UserDialog::UserDialog(QWidget* parent, ModelConfig& config, int32_t& adjustMode)
    : QDialog(parent), config_(config), adjustModeFlag_(adjustMode)
{
    setWindowTitle(tr("User Dialog"));

    adjustMode_ = new QCheckBox(tr("Adjust Mode."), this);
    logo_ = new QCheckBox(tr("Create logo file."), this);
    romMap_ = new QCheckBox(tr("Create ROM map file."), this);
    uiReadOnly_ = new QCheckBox(tr("UI Read Only."), this);
    adjustMode_->setChecked(adjustModeFlag_ != 0);
    logo_->setChecked(config_.logoFlag != 0);
    romMap_->setChecked(config_.romMapFlag != 0);
    uiReadOnly_->setChecked(config_.uiReadOnly != 0);

    history_ = new QListWidget(this);
    history_->setAccessibleName(tr("Version history"));
    history_->addItems(VersionHistoryLines());
    history_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Wide enough for the longest note, tall enough for a couple of versions at a glance.
    const QFontMetrics metrics(history_->font());
    int widest = 0;
    for (int i = 0; i < history_->count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(history_->item(i)->text()));
    history_->setMinimumSize(std::min(widest + 40, 720), metrics.lineSpacing() * 16);

    auto* ok = new QPushButton(tr("OK"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &UserDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* options = new QVBoxLayout;
    options->addWidget(adjustMode_);
    options->addWidget(logo_);
    options->addWidget(romMap_);
    options->addWidget(uiReadOnly_);
    options->addStretch(1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(options, 1);
    top->addSpacing(24);
    top->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(history_, 1);
}

void UserDialog::accept()
{
    config_.logoFlag = logo_->isChecked() ? 1 : 0;
    config_.romMapFlag = romMap_->isChecked() ? 1 : 0;
    config_.uiReadOnly = uiReadOnly_->isChecked() ? 1 : 0;
    adjustModeFlag_ = adjustMode_->isChecked() ? 1 : 0;
    QDialog::accept();
}

}  // namespace qx
