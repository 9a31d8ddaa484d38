// The "Channel List" box: the band list, the channel list of the chosen band, and the private
// channel commands (Edit, Add, Remove, a double click or Enter on a line).
#pragma once

#include <QGroupBox>
#include <functional>

#include "editing/private_channels.h"
#include "model/radio_settings.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace qx {

class CloneDocument;
class WindowServices;
struct WindowDialogs;

class ChannelPanel : public QGroupBox {
    Q_OBJECT

public:
    // `groupShown`: whether a channel group's box is ticked.
    ChannelPanel(CloneDocument& document, WindowServices& services, WindowDialogs& dialogs,
                 std::function<bool(int group)> groupShown, QWidget* parent = nullptr);

    // The ticked groups in their fixed order, from the first.
    void FillBandList();
    int CurrentGroup() const;
    // The band's place in the list, -1 when none.
    int BandIndex() const;
    void FillChannelList();
    // The selected line, -1 when none.
    int SelectedChannel() const;
    // The record shown anew: from the first band on, or (`keepView`) with the band and the
    // selected line kept.
    void Show(bool keepView);
    // Puts `group`'s band in view when it is offered.
    void ShowBand(int group);
    // The channel commands are unavailable while a Read runs (its end replaces the document).
    void SetEditable(bool editable);

    void OnChannelDoubleClicked();
    void OnEdit();
    void OnAdd();
    void OnRemove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CloneDocument& document_;
    WindowServices& services_;
    WindowDialogs& dialogs_;
    std::function<bool(int)> groupShown_;
    QComboBox* band_ = nullptr;
    QListWidget* channels_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    bool editable_ = true;

    // The checks every private channel command starts with; false when it must not go on.
    bool MayEditPrivateChannels();
    void OpenPrivateChannel(bool fromEditButton);
    void Refuse(const QString& text);
    // After an edit of the private channels: its refusal shown, or the list without a selection.
    bool Edited(const EditRefusal& refusal);
    // After Add or Edit: a warning when the channel at list `position` shares its name.
    void WarnSharedNames(int position);
};

}  // namespace qx
