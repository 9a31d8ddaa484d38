// Sets up one private channel: name, usage, transmit frequency, duplex or simplex.
#pragma once

#include <QDialog>

#include "files/model_config.h"
#include "gui/base/window_services.h"
#include "model/radio_settings.h"

class QComboBox;
class QDialogButtonBox;
class QFont;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qx {

class ChannelSetupDialog : public QDialog {
    Q_OBJECT

public:
    // Edit mode works on entry listPosition + 100 * bandIndex of the document in place;
    // new-entry mode on a blank entry of its own, which the caller takes after OK.
    ChannelSetupDialog(WindowServices& services, RadioSettings& document, const ModelConfig& config, bool newEntry,
                       QWidget* parent = nullptr);

    const ChannelEntry& Entry() const { return blank_; }

    // The frequency check: 136..174 MHz on the 6.25 kHz raster; shows the refusal.
    bool ValidateTx();
    // Leaving "Tx Freq": on a valid value, rewrite "Rx Freq" for the chosen mode.
    void OnTxLeft();
    void OnDuplexClicked();
    void OnSimplexClicked();

    QComboBox* NameFirst() const { return nameFirst_; }
    QComboBox* NameSecond() const { return nameSecond_; }
    QComboBox* Usage() const { return usage_; }
    QLineEdit* TxField() const { return tx_; }
    QLineEdit* RxField() const { return rx_; }
    QRadioButton* Duplex() const { return duplex_; }
    QRadioButton* Simplex() const { return simplex_; }

public slots:
    // Validates and stores; the dialog stays open on an invalid frequency.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowServices& services_;
    ChannelEntry blank_{};
    ChannelEntry* entry_ = nullptr;  // null when the position addresses no entry

    QComboBox* nameFirst_ = nullptr;
    QComboBox* nameSecond_ = nullptr;
    QComboBox* usage_ = nullptr;
    QLineEdit* tx_ = nullptr;
    QLineEdit* rx_ = nullptr;
    QRadioButton* duplex_ = nullptr;
    QRadioButton* simplex_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;

    QLayout* BuildNameRow(const QFont& fixed);
    QLayout* BuildFrequencyRow(const QFont& fixed);
    QDialogButtonBox* BuildButtons();
    ChannelEntry* ChooseEntry(RadioSettings& document, const ModelConfig& config, bool newEntry);
    void ShowEntry();
    double TxValue() const;
};

// "%8.5f".
QString FrequencyText(double mhz);

}  // namespace qx
