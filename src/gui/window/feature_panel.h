// The right column's controls of the record: the model, the channel groups and the PLL steps.
// Each click or choice goes to the document as one step at once.
#pragma once

#include <QWidget>

#include "model/radio_settings.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace qx {

class CloneDocument;

class FeaturePanel : public QWidget {
    Q_OBJECT

public:
    // `between`: what stands between the model box and the feature box (the adaptor's status).
    FeaturePanel(CloneDocument& document, QWidget* between, QWidget* parent = nullptr);

    void Show(const RadioSettings& record);
    void SetEditable(bool editable);
    // Whether the channel plan's `group` is ticked.
    bool GroupShown(int group) const;

private:
    struct Controls {
        QRadioButton* modelUsa = nullptr;
        QRadioButton* modelEurope = nullptr;
        QCheckBox* usa = nullptr;
        QCheckBox* intl = nullptr;
        QCheckBox* can = nullptr;
        QCheckBox* privateGroup = nullptr;
        QCheckBox* usaNarrow = nullptr;
        QCheckBox* intNarrow = nullptr;
        QCheckBox* canNarrow = nullptr;
        QCheckBox* wx = nullptr;
        QComboBox* txStep = nullptr;
        QComboBox* rxStep = nullptr;
    };

    CloneDocument& document_;
    Controls ui_;

    QWidget* BuildFeatureBox();
    void PushEdit();
};

}  // namespace qx
