// The channel groups, the band and channel lists, and the private channel commands.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <algorithm>
#include <memory>

#include "channels/channel_csv.h"
#include "gui/dialogs/channel_setup_dialog.h"
#include "gui/document/channel_list.h"
#include "gui/window/main_window.h"
#include "model/channel_plan.h"

namespace qx {

namespace {

constexpr int kMaxPrivateLines = 99;  // "Add" stops one short of the block's 100 entries

void Refuse(WindowServices& services, QWidget* parent, const QString& text)
{
    services.MessageBox(parent, text, MainWindow::tr("Error"), MsgButtons::Ok, MsgIcon::None);
}

}  // namespace

void MainWindow::WarnSharedNames(int position)
{
    const RadioSettings& record = doc_.Record();
    const int count = PrivateListLength(record);
    if (position < 0 || position >= count) return;
    // Only the pairs the new or edited channel is part of: older ones were there before.
    const std::string name = ChannelName(record.channels[kPrivateBlock + position]);
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        if (i == position || ChannelName(record.channels[kPrivateBlock + i]) != name) continue;
        lines << tr("Lines %1 and %2 both have the name \"%3\".")
                     .arg(std::min(i, position) + 1)
                     .arg(std::max(i, position) + 1)
                     .arg(QString::fromStdString(name));
    }
    if (lines.isEmpty()) return;
    services_.MessageBoxWithInfo(this, lines.join('\n'),
                                 tr("The radio takes channels of the same name, but you may have meant two."),
                                 tr("Channel Setup"), MsgButtons::Ok, MsgIcon::Warning);
}

void MainWindow::FillBandList()
{
    QSignalBlocker block(ui_.band);
    ui_.band->clear();
    // Each line carries its group, so that the shown name may be any language's.
    const std::tuple<QCheckBox*, const char*, int> order[] = {
        {ui_.intl, QT_TR_NOOP("INT"), kGroupInt},
        {ui_.usa, QT_TR_NOOP("USA"), kGroupUsa},
        {ui_.can, QT_TR_NOOP("CAN"), kGroupCan},
        {ui_.intNarrow, QT_TR_NOOP("INT_Narrow"), kGroupIntNarrow},
        {ui_.usaNarrow, QT_TR_NOOP("USA_Narrow"), kGroupUsaNarrow},
        {ui_.canNarrow, QT_TR_NOOP("CAN_Narrow"), kGroupCanNarrow},
        {ui_.wx, QT_TR_NOOP("WX"), kGroupWx},
        {ui_.privateGroup, QT_TR_NOOP("Private"), kGroupPrivate},
    };
    for (const auto& [box, text, group] : order)
        if (box->isChecked()) ui_.band->addItem(tr(text), group);
    ui_.band->setCurrentIndex(ui_.band->count() > 0 ? 0 : -1);
}

int MainWindow::CurrentGroup() const
{
    if (ui_.band->currentIndex() < 0) return kGroupInt;
    return ui_.band->currentData().toInt();
}

void MainWindow::FillChannelList()
{
    ui_.channels->clear();
    const int group = CurrentGroup();
    doc_.Config().bandIndex = group;
    const std::pair<int, QCheckBox*> boxes[] = {
        {kGroupInt, ui_.intl},
        {kGroupUsa, ui_.usa},
        {kGroupCan, ui_.can},
        {kGroupIntNarrow, ui_.intNarrow},
        {kGroupUsaNarrow, ui_.usaNarrow},
        {kGroupCanNarrow, ui_.canNarrow},
        {kGroupWx, ui_.wx},
        {kGroupPrivate, ui_.privateGroup},
    };
    bool shown = false;
    for (const auto& [key, box] : boxes)
        if (key == group) shown = box->isChecked();
    ui_.channels->addItems(ChannelListLines(doc_.Record(), group, shown));
    ui_.channels->clearSelection();
    ui_.channels->setCurrentRow(-1);
}

int MainWindow::SelectedChannel() const
{
    const QList<QListWidgetItem*> selected = ui_.channels->selectedItems();
    if (selected.isEmpty()) return -1;
    return ui_.channels->row(selected.first());
}

void MainWindow::OnGroupClicked()
{
    GatherControls();
    MarkModified();
    FillBandList();
    FillChannelList();
}

void MainWindow::OnModelClicked()
{
    const bool usaModel = ui_.modelUsa->isChecked();
    ui_.wx->setChecked(usaModel);
    ui_.privateGroup->setChecked(!usaModel);
    GatherControls();
    MarkModified();
    FillBandList();
    FillChannelList();
}

void MainWindow::OnStepChanged()
{
    GatherControls();
    MarkModified();
}

bool MainWindow::MayEditPrivateChannels()
{
    // During a Read the result would land in the document the read brings.
    if (IsReading()) return false;
    GatherControls();  // a typed identity becomes its own step first
    if (CurrentGroup() == kGroupPrivate) return true;
    Refuse(services_, this, tr("Only Private Channel Can be Modified!"));
    return false;
}

void MainWindow::OpenPrivateChannel(bool fromEditButton)
{
    if (!MayEditPrivateChannels()) return;
    if (!fromEditButton && doc_.Config().uiReadOnly != 0) {
        Refuse(services_, this, tr("UI Read Only!"));
        return;
    }
    const int selected = SelectedChannel();
    if (selected < 0 || selected >= kChannelsPerBlock) {
        if (fromEditButton) Refuse(services_, this, tr("Please Select a Channel First!"));
        return;
    }
    ModelConfig& config = doc_.Config();
    config.listPosition = selected;
    config.bandIndex = kGroupPrivate;
    // The dialog edits a copy: its OK makes one undoable step.
    auto edited = std::make_unique<RadioSettings>(doc_.Record());
    ChannelSetupDialog dialog(services_, *edited, config, false, this);
    if (dialogs_.run(dialog) == QDialog::Accepted) {
        doc_.Change(tr("Edit private channel"), *edited);
        MarkModified();
        FillChannelList();
        WarnSharedNames(selected);
    }
}

void MainWindow::OnChannelDoubleClicked() { OpenPrivateChannel(false); }

void MainWindow::OnEdit() { OpenPrivateChannel(true); }

void MainWindow::OnAdd()
{
    if (!MayEditPrivateChannels()) return;
    const int n = ui_.channels->count();
    if (n >= kMaxPrivateLines) {
        Refuse(services_, this, tr("Channel Number Limit!"));
        return;
    }
    int s = SelectedChannel();
    if (s < 0 || s >= n) s = n - 1;

    doc_.Config().bandIndex = kGroupPrivate;
    auto edited = std::make_unique<RadioSettings>(doc_.Record());
    ChannelSetupDialog dialog(services_, *edited, doc_.Config(), true, this);
    if (dialogs_.run(dialog) != QDialog::Accepted) return;

    ChannelEntry* block = &edited->channels[kPrivateBlock];
    if (n == 0) {
        block[0] = dialog.Entry();
    } else if (s == n - 1) {
        block[n] = dialog.Entry();
    } else {
        for (int i = n - 1; i >= s + 1; --i) block[i + 1] = block[i];
        block[s + 1] = dialog.Entry();
    }
    doc_.Change(tr("Add private channel"), *edited);
    MarkModified();
    FillChannelList();
    WarnSharedNames(n == 0 ? 0 : s == n - 1 ? n : s + 1);
}

void MainWindow::OnRemove()
{
    if (!MayEditPrivateChannels()) return;
    const int n = ui_.channels->count();
    if (n == 0) {
        Refuse(services_, this, tr("NO Channel!"));
        return;
    }
    const int s = SelectedChannel();
    if (s < 0) {
        Refuse(services_, this, tr("Please Select a Channel!"));
        return;
    }
    auto edited = std::make_unique<RadioSettings>(doc_.Record());
    ChannelEntry* block = &edited->channels[kPrivateBlock];
    if (s < n - 1) {
        for (int i = s + 1; i <= n - 1; ++i) block[i - 1] = block[i];
    }
    block[n - 1].inUse = 0;
    doc_.Change(tr("Remove private channel"), *edited);
    MarkModified();
    FillChannelList();
}

}  // namespace qx
