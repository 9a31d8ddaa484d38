// The brand and model names kept in the settings record (they never reach the radio).
#pragma once

#include <QDialog>

#include "files/model_config.h"
#include "model/radio_settings.h"

class QCheckBox;
class QLineEdit;

namespace qx {

inline constexpr int kNameEditLimit = 12;

class FeatureSetupDialog : public QDialog {
    Q_OBJECT
public:
    FeatureSetupDialog(QWidget* parent, const ModelConfig& config, RadioSettings& document);

    QLineEdit* brandEdit() const { return brand_; }
    QLineEdit* modelEdit() const { return model_; }
    QCheckBox* gpsAlertBox() const { return gpsAlert_; }
    QCheckBox* wxAlertBox() const { return wxAlert_; }

public slots:
    void accept() override;

private:
    RadioSettings& document_;
    QLineEdit* brand_;
    QLineEdit* model_;
    QCheckBox* gpsAlert_;
    QCheckBox* wxAlert_;
};

}  // namespace qx
