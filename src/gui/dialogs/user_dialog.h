// The hidden user dialog: the four service options and the program's version history.
#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>

#include "files/model_config.h"

class QCheckBox;
class QListWidget;

namespace qx {

// The lines of the version history list, V101 to V110, a line with one blank between versions.
QStringList VersionHistoryLines();

class UserDialog : public QDialog {
    Q_OBJECT
public:
    UserDialog(QWidget* parent, ModelConfig& config, int32_t& adjustMode);

    QCheckBox* adjustModeBox() const { return adjustMode_; }
    QCheckBox* logoBox() const { return logo_; }
    QCheckBox* romMapBox() const { return romMap_; }
    QCheckBox* uiReadOnlyBox() const { return uiReadOnly_; }
    QListWidget* historyList() const { return history_; }

public slots:
    void accept() override;

private:
    ModelConfig& config_;
    int32_t& adjustModeFlag_;
    QCheckBox* adjustMode_;
    QCheckBox* logo_;
    QCheckBox* romMap_;
    QCheckBox* uiReadOnly_;
    QListWidget* history_;
};

}  // namespace qx
