#include "gui/window/channel_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "channels/channel_csv.h"
#include "gui/dialogs/channel_setup_dialog.h"
#include "gui/document/channel_list.h"
#include "gui/document/clone_document.h"
#include "gui/window/window_dialogs.h"
#include "model/channel_plan.h"

namespace qx {

namespace {

}  // namespace

ChannelPanel::ChannelPanel(CloneDocument& document, WindowServices& services, WindowDialogs& dialogs,
                           std::function<bool(int group)> groupShown, QWidget* parent)
    : QGroupBox(tr("Channel List"), parent),
      document_(document),
      services_(services),
      dialogs_(dialogs),
      groupShown_(std::move(groupShown))
{
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* layout = new QVBoxLayout(this);
    auto* bandRow = new QHBoxLayout;
    auto* bandLabel = new QLabel(tr("Band"));
    bandRow->addWidget(bandLabel);
    band_ = new QComboBox;
    band_->setObjectName("band");
    bandLabel->setBuddy(band_);
    band_->setAccessibleName(tr("Band"));
    band_->setMinimumContentsLength(12);
    bandRow->addWidget(band_);
    bandRow->addStretch(1);
    layout->addLayout(bandRow);
    channels_ = new QListWidget;
    channels_->setObjectName("channels");
    channels_->setAccessibleName(tr("Channel list"));
    channels_->setFont(fixed);
    channels_->setSelectionMode(QAbstractItemView::SingleSelection);
    channels_->setUniformItemSizes(true);
    channels_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Room for a whole plan line (47 characters) beside the scroll bar.
    const QFontMetrics metrics(fixed);
    channels_->setMinimumWidth(metrics.horizontalAdvance(QString(48, QChar('0'))) + 40);
    channels_->setMinimumHeight(metrics.lineSpacing() * 16);
    layout->addWidget(channels_, 1);
    auto* buttons = new QHBoxLayout;
    edit_ = new QPushButton(tr("Edit"));
    add_ = new QPushButton(tr("Add"));
    remove_ = new QPushButton(tr("Remove"));
    edit_->setObjectName("edit");
    add_->setObjectName("add");
    remove_->setObjectName("remove");
    for (QPushButton* b : {edit_, add_, remove_}) buttons->addWidget(b);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(band_, &QComboBox::currentIndexChanged, this, [this] { FillChannelList(); });
    connect(channels_, &QListWidget::itemDoubleClicked, this, [this] { OnChannelDoubleClicked(); });
    connect(edit_, &QPushButton::clicked, this, &ChannelPanel::OnEdit);
    connect(add_, &QPushButton::clicked, this, &ChannelPanel::OnAdd);
    connect(remove_, &QPushButton::clicked, this, &ChannelPanel::OnRemove);
    // Enter on the channel list edits the channel, as a double click does.
    channels_->installEventFilter(this);
}

bool ChannelPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == channels_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OnChannelDoubleClicked();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void ChannelPanel::FillBandList()
{
    QSignalBlocker block(band_);
    band_->clear();
    // Each line carries its group, so that the shown name may be any language's.
    const std::pair<const char*, int> order[] = {
        {QT_TR_NOOP("INT"), kGroupInt},
        {QT_TR_NOOP("USA"), kGroupUsa},
        {QT_TR_NOOP("CAN"), kGroupCan},
        {QT_TR_NOOP("INT_Narrow"), kGroupIntNarrow},
        {QT_TR_NOOP("USA_Narrow"), kGroupUsaNarrow},
        {QT_TR_NOOP("CAN_Narrow"), kGroupCanNarrow},
        {QT_TR_NOOP("WX"), kGroupWx},
        {QT_TR_NOOP("Private"), kGroupPrivate},
    };
    for (const auto& [text, group] : order)
        if (groupShown_(group)) band_->addItem(tr(text), group);
    band_->setCurrentIndex(band_->count() > 0 ? 0 : -1);
}

int ChannelPanel::CurrentGroup() const
{
    if (band_->currentIndex() < 0) return kGroupInt;
    return band_->currentData().toInt();
}

int ChannelPanel::BandIndex() const { return band_->currentIndex(); }

void ChannelPanel::FillChannelList()
{
    channels_->clear();
    const int group = CurrentGroup();
    document_.SetBandIndex(group);
    channels_->addItems(ChannelListLines(document_.Record(), group, groupShown_(group)));
    channels_->clearSelection();
    channels_->setCurrentRow(-1);
}

int ChannelPanel::SelectedChannel() const
{
    const QList<QListWidgetItem*> selected = channels_->selectedItems();
    if (selected.isEmpty()) return -1;
    return channels_->row(selected.first());
}

void ChannelPanel::Show(bool keepView)
{
    const QString band = band_->currentText();
    const int line = SelectedChannel();
    FillBandList();
    const int keptBand = keepView ? band_->findText(band) : -1;
    if (keptBand > 0) {
        QSignalBlocker block(band_);
        band_->setCurrentIndex(keptBand);
    }
    FillChannelList();
    if (keepView && keptBand >= 0 && line >= 0 && line < channels_->count()) channels_->setCurrentRow(line);
}

void ChannelPanel::ShowBand(int group)
{
    const int at = band_->findData(group);
    if (at >= 0) band_->setCurrentIndex(at);
}

void ChannelPanel::SetEditable(bool editable)
{
    editable_ = editable;
    for (QPushButton* button : {edit_, add_, remove_}) button->setEnabled(editable);
}

void ChannelPanel::WarnSharedNames(int position)
{
    const RadioSettings& record = document_.Record();
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
    services_.MessageBoxWithInfo(window(), lines.join('\n'),
                                 tr("The radio takes channels of the same name, but you may have meant two."),
                                 tr("Channel Setup"), MsgButtons::Ok, MsgIcon::Warning);
}

bool ChannelPanel::MayEditPrivateChannels()
{
    // During a Read the result would land in the document the read brings.
    if (!editable_) return false;
    document_.Editor().CommitEdits();  // a typed identity becomes its own step first
    if (CurrentGroup() == kGroupPrivate) return true;
    Refuse(tr("Only Private Channel Can be Modified!"));
    return false;
}

void ChannelPanel::Refuse(const QString& text)
{
    services_.MessageBox(window(), text, tr("Error"), MsgButtons::Ok, MsgIcon::None);
}

bool ChannelPanel::Edited(const EditRefusal& refusal)
{
    if (refusal) {
        Refuse(CloneDocument::Text(refusal.text, refusal.arg));
        return false;
    }
    // The list is shown anew, without a selected line.
    channels_->clearSelection();
    channels_->setCurrentRow(-1);
    return true;
}

void ChannelPanel::OpenPrivateChannel(bool fromEditButton)
{
    if (!MayEditPrivateChannels()) return;
    if (!fromEditButton && document_.Config().uiReadOnly != 0) {
        Refuse(tr("UI Read Only!"));
        return;
    }
    const int selected = SelectedChannel();
    if (selected < 0 || selected >= kChannelsPerBlock) {
        if (fromEditButton) Refuse(tr("Please Select a Channel First!"));
        return;
    }
    document_.SetListPlace(kGroupPrivate, selected);
    // The dialog edits a copy: its OK makes one undoable step.
    auto edited = std::make_unique<RadioSettings>(document_.Record());
    ChannelSetupDialog dialog(services_, *edited, document_.Config(), false, window());
    if (dialogs_.run(dialog) != QDialog::Accepted) return;
    if (Edited(document_.Editor().SetPrivateEntry(selected, edited->channels[kPrivateBlock + selected])))
        WarnSharedNames(selected);
}

void ChannelPanel::OnChannelDoubleClicked() { OpenPrivateChannel(false); }

void ChannelPanel::OnEdit() { OpenPrivateChannel(true); }

void ChannelPanel::OnAdd()
{
    if (!MayEditPrivateChannels()) return;
    if (channels_->count() >= kMaxPrivateLines) {
        Refuse(CloneDocument::Text("Channel Number Limit!"));
        return;
    }
    document_.SetBandIndex(kGroupPrivate);
    auto edited = std::make_unique<RadioSettings>(document_.Record());
    ChannelSetupDialog dialog(services_, *edited, document_.Config(), true, window());
    if (dialogs_.run(dialog) != QDialog::Accepted) return;
    int placed = 0;
    if (Edited(document_.Editor().AddPrivateEntry(SelectedChannel(), dialog.Entry(), &placed))) WarnSharedNames(placed);
}

void ChannelPanel::OnRemove()
{
    if (MayEditPrivateChannels()) Edited(document_.Editor().RemovePrivateChannel(SelectedChannel()));
}

}  // namespace qx
