// Builds the default settings of a model type, with a European private channel set.
#pragma once

#include <QDialog>

#include "files/model_config.h"
#include "gui/base/window_services.h"
#include "model/model_variant.h"
#include "model/radio_settings.h"

class QComboBox;
class QListWidget;
class QRadioButton;

namespace qx {

class ModelWizardDialog : public QDialog {
    Q_OBJECT

public:
    // Fills `scratch` (never read before) and stores the model type and the European set in
    // `config` on OK. Either may be null, which OK then refuses.
    ModelWizardDialog(WindowServices& services, RadioSettings* scratch, ModelConfig* config, QWidget* parent = nullptr);

    // Loads the chosen set into the scratch record and rebuilds the preview list.
    void OnSetSelected();
    void OnModelClicked();

    QRadioButton* UsaButton() const { return usa_; }
    QRadioButton* EurIntButton() const { return eurInt_; }
    QRadioButton* EurIntUsaButton() const { return eurIntUsa_; }
    QComboBox* SetList() const { return sets_; }
    QListWidget* Preview() const { return preview_; }

public slots:
    void accept() override;

private:
    WindowServices& services_;
    RadioSettings* scratch_;
    ModelConfig* config_;

    QRadioButton* usa_ = nullptr;
    QRadioButton* eurInt_ = nullptr;
    QRadioButton* eurIntUsa_ = nullptr;
    QComboBox* sets_ = nullptr;
    QListWidget* preview_ = nullptr;

    ModelVariant ChosenVariant() const;
    void UpdateSetControls();
};

}  // namespace qx
