// The frame the classic dialogs share: their content on the left and an OK / Cancel column on
// the right, the dialog keeping the size of its contents.
#pragma once

class QDialog;
class QLayout;
class QPushButton;

namespace qx {

struct OkCancelButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// Lays `content` out beside a new OK / Cancel column; OK accepts and Cancel rejects.
OkCancelButtons FrameWithOkCancel(QDialog& dialog, QLayout* content);

}  // namespace qx
