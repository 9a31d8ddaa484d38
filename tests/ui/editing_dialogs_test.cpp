// The channel setup dialog and the model wizard.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <clocale>

#include "gui/dialogs/channel_setup_dialog.h"
#include "gui/dialogs/model_wizard_dialog.h"
#include "model/channel_plan.h"
#include "scripted_services.h"

namespace qx {
namespace {

using test::ScriptedServices;

const QString kRangeMessage = "Invalid Tx Frequency.\nFrequency=0.00625*N.\nRange=136.0000 - 174.0000";

struct ChannelRig {
    ScriptedServices services;
    RadioSettings document{};
    ModelConfig config{};

    ChannelRig()
    {
        std::setlocale(LC_NUMERIC, "C");
        ResetSettings(document, 1);
        config.bandIndex = 3;
        config.listPosition = 0;
    }
    ChannelEntry& Entry(int p = 0) { return document.channels[kPrivateBlock + p]; }
};

TEST(ChannelSetupDialog, AcceptsTheBandEndsAndTheRasterOnly)
{
    ChannelRig rig;
    ChannelSetupDialog dialog(rig.services, rig.document, rig.config, true);
    struct Case {
        const char* text;
        bool valid;
    };
    for (Case c : {Case{"136", true}, Case{"174", true}, Case{"156.8", true}, Case{"156.80625", true},
                   Case{" 157.85abc", true}, Case{"157,85", true}, Case{"135.99375", false}, Case{"174.00625", false},
                   Case{"156.803", false}, Case{"", false}, Case{"abc", false}, Case{"nan", false}}) {
        rig.services.boxes.clear();
        dialog.TxField()->setText(c.text);
        EXPECT_EQ(dialog.ValidateTx(), c.valid) << c.text;
        if (!c.valid) {
            ASSERT_EQ(rig.services.boxes.size(), 1u) << c.text;
            EXPECT_EQ(rig.services.boxes[0].text, kRangeMessage);
            EXPECT_EQ(rig.services.boxes[0].caption, "Error");
        }
    }
}

TEST(ChannelSetupDialog, NewEntryStartsBlankAndOkFillsIt)
{
    ChannelRig rig;
    ChannelSetupDialog dialog(rig.services, rig.document, rig.config, true);
    EXPECT_EQ(dialog.windowTitle(), "Channel Setup Dialog");
    EXPECT_EQ(dialog.NameFirst()->count(), 15);
    EXPECT_EQ(dialog.NameSecond()->count(), 10);
    EXPECT_EQ(dialog.Usage()->count(), 25);
    EXPECT_EQ(dialog.NameFirst()->currentText(), "0");
    EXPECT_EQ(dialog.NameSecond()->currentText(), "0");
    EXPECT_EQ(dialog.Usage()->currentText(), UsageName(11));
    EXPECT_EQ(dialog.TxField()->text(), "157.85000");
    EXPECT_EQ(dialog.RxField()->text(), "157.85000");
    EXPECT_TRUE(dialog.Simplex()->isChecked());

    dialog.NameFirst()->setCurrentText("L");
    dialog.NameSecond()->setCurrentText("2");
    dialog.Usage()->setCurrentIndex(24);
    dialog.TxField()->setText("156.025");
    dialog.Duplex()->click();
    EXPECT_EQ(dialog.RxField()->text(), "160.62500");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const ChannelEntry& e = dialog.Entry();
    EXPECT_EQ(ChannelName(e), "L2");
    EXPECT_EQ(e.usageCode, 35);
    EXPECT_DOUBLE_EQ(e.txMHz, 156.025);
    EXPECT_DOUBLE_EQ(e.rxMHz, 156.025 + 4.6);
    EXPECT_EQ(e.inUse, 1);
    EXPECT_EQ(rig.Entry().inUse, 0);  // the document is untouched in new-entry mode
}

TEST(ChannelSetupDialog, RxFollowsTheTxTextAndTheMode)
{
    ChannelRig rig;
    ChannelSetupDialog dialog(rig.services, rig.document, rig.config, true);
    dialog.TxField()->setText("156.8");
    dialog.Simplex()->click();
    EXPECT_EQ(dialog.RxField()->text(), "156.8");  // copied as typed
    dialog.OnTxLeft();
    EXPECT_EQ(dialog.RxField()->text(), "156.80000");

    // OK takes Rx from the Tx text alone, whatever the Rx field shows.
    dialog.Duplex()->setChecked(true);
    dialog.RxField()->setText("999");
    dialog.accept();
    EXPECT_DOUBLE_EQ(dialog.Entry().rxMHz, 156.8 + 4.6);

    // An invalid Tx on leaving the field keeps both texts; on OK keeps the dialog open.
    ChannelSetupDialog again(rig.services, rig.document, rig.config, true);
    again.TxField()->setText("156.803");
    again.OnTxLeft();
    EXPECT_EQ(again.TxField()->text(), "156.803");
    EXPECT_EQ(again.RxField()->text(), "157.85000");
    again.accept();
    EXPECT_NE(again.result(), QDialog::Accepted);
    EXPECT_EQ(rig.services.boxes.size(), 2u);
}

// A channel the clone file check refuses is refused at OK, so that a saved file always opens.
TEST(ChannelSetupDialog, DuplexPastTheBandIsRefusedAtOk)
{
    ChannelRig rig;
    for (const auto& [tx, accepted] : {std::pair{"169.4", true}, std::pair{"170.0", false}, std::pair{"174", false}}) {
        ChannelSetupDialog dialog(rig.services, rig.document, rig.config, true);
        rig.services.boxes.clear();
        dialog.TxField()->setText(tx);
        dialog.Duplex()->click();
        dialog.accept();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, accepted) << tx;
        if (accepted) continue;
        ASSERT_EQ(rig.services.boxes.size(), 1u) << tx;
        EXPECT_TRUE(rig.services.boxes[0].text.startsWith("RX would be 17"))
            << rig.services.boxes[0].text.toStdString();
        EXPECT_EQ(dialog.Entry().inUse, 1);
        EXPECT_DOUBLE_EQ(dialog.Entry().rxMHz, 157.85) << "the entry is untouched";
    }
}

TEST(ChannelSetupDialog, EditModeWorksOnTheEntryInPlace)
{
    ChannelRig rig;
    ChannelEntry& stored = rig.Entry(1);
    SetChannelName(stored, "F3");
    stored.txMHz = 156.0;
    stored.rxMHz = 160.6;
    stored.usageCode = 0;  // outside 11..35
    stored.inUse = 1;
    stored.lowPowerOnly = 1;
    rig.config.listPosition = 1;
    {
        ChannelSetupDialog dialog(rig.services, rig.document, rig.config, false);
        EXPECT_TRUE(dialog.Duplex()->isChecked());
        EXPECT_EQ(dialog.NameFirst()->currentText(), "F");
        EXPECT_EQ(dialog.NameSecond()->currentText(), "3");
        EXPECT_EQ(dialog.Usage()->currentIndex(), 0);
        dialog.Simplex()->click();
        dialog.reject();
        EXPECT_DOUBLE_EQ(stored.rxMHz, 160.6);  // Cancel stores nothing
    }
    {
        ChannelSetupDialog dialog(rig.services, rig.document, rig.config, false);
        dialog.Simplex()->click();
        dialog.accept();
        EXPECT_DOUBLE_EQ(stored.rxMHz, 156.0);
        EXPECT_EQ(stored.usageCode, 11);
        EXPECT_EQ(stored.lowPowerOnly, 1);  // fields without a control stay
    }
    stored.rxMHz = stored.txMHz + 0.000005;
    ChannelSetupDialog nearlySimplex(rig.services, rig.document, rig.config, false);
    EXPECT_TRUE(nearlySimplex.Simplex()->isChecked());

    // A position outside the table shows nothing and OK stores nothing.
    rig.config.listPosition = 100;
    ChannelSetupDialog outside(rig.services, rig.document, rig.config, false);
    EXPECT_EQ(outside.TxField()->text(), "");
    outside.accept();
    EXPECT_NE(outside.result(), QDialog::Accepted);
}

// --- Model wizard ---------------------------------------------------------------------------

struct WizardRig {
    ScriptedServices services;
    RadioSettings scratch{};
    ModelConfig config{};
    WizardRig() { std::setlocale(LC_NUMERIC, "C"); }
};

TEST(ModelWizardDialog, OpensOnTheStoredModelWithNoneSelected)
{
    WizardRig rig;
    rig.config.modelType = 2;
    rig.config.europeanSet = 3;
    ModelWizardDialog wizard(rig.services, &rig.scratch, &rig.config);
    EXPECT_EQ(wizard.windowTitle(), "Model Wizard Dialog V1.10");
    EXPECT_TRUE(wizard.EurIntUsaButton()->isChecked());
    EXPECT_EQ(wizard.SetList()->count(), 9);
    EXPECT_EQ(wizard.SetList()->currentText(), "None");
    EXPECT_EQ(wizard.Preview()->count(), 0);
    EXPECT_TRUE(wizard.SetList()->isEnabled());

    wizard.SetList()->setCurrentText("All");
    ASSERT_EQ(wizard.Preview()->count(), 28);
    EXPECT_TRUE(wizard.Preview()->item(0)->text().startsWith("31 Tx=157.7500 Rx=162.1500"));
    wizard.SetList()->setCurrentText("Holland");
    EXPECT_EQ(wizard.Preview()->count(), 2);

    wizard.UsaButton()->click();
    EXPECT_FALSE(wizard.SetList()->isEnabled());
    EXPECT_FALSE(wizard.Preview()->isEnabled());
}

TEST(ModelWizardDialog, OkBuildsTheRecordOfTheChosenModel)
{
    {
        WizardRig rig;
        ModelWizardDialog wizard(rig.services, &rig.scratch, &rig.config);
        wizard.EurIntButton()->click();
        wizard.SetList()->setCurrentText("UK");
        wizard.accept();
        EXPECT_EQ(wizard.result(), QDialog::Accepted);
        EXPECT_EQ(rig.config.modelType, 1);
        EXPECT_EQ(rig.config.europeanSet, 1);
        EXPECT_EQ(PrivateChannelCount(rig.scratch), 2);
        EXPECT_EQ(ChannelName(rig.scratch.channels[300]), "M1");
        EXPECT_EQ(ChannelName(rig.scratch.channels[301]), "M2");
        EXPECT_EQ(rig.scratch.canEnabled, 0);
        EXPECT_EQ(rig.scratch.atisByUser, 1);
    }
    {
        WizardRig rig;
        ModelWizardDialog wizard(rig.services, &rig.scratch, &rig.config);
        wizard.EurIntUsaButton()->click();
        wizard.SetList()->setCurrentText("Holland");
        wizard.accept();
        EXPECT_EQ(rig.config.modelType, 2);
        EXPECT_EQ(rig.config.europeanSet, 6);
        ASSERT_EQ(PrivateChannelCount(rig.scratch), 2);
        EXPECT_EQ(ChannelName(rig.scratch.channels[300]), "31");
        EXPECT_EQ(ChannelName(rig.scratch.channels[301]), "37");
        EXPECT_EQ(rig.scratch.canEnabled, 1);
    }
    {
        WizardRig rig;
        rig.config.modelType = 1;
        rig.config.europeanSet = 5;
        ModelWizardDialog wizard(rig.services, &rig.scratch, &rig.config);
        wizard.SetList()->setCurrentText("All");
        wizard.UsaButton()->click();
        wizard.accept();
        EXPECT_EQ(rig.config.modelType, 0);
        EXPECT_EQ(rig.config.europeanSet, 5);  // the set is not stored for the USA model
        EXPECT_EQ(PrivateChannelCount(rig.scratch), 0);
        EXPECT_EQ(rig.scratch.wxEnabled, 1);
    }
    {
        WizardRig rig;
        ModelWizardDialog wizard(rig.services, nullptr, &rig.config);
        wizard.accept();
        EXPECT_EQ(rig.services.Texts(), QStringList({"Parameter is not ready."}));
        EXPECT_NE(wizard.result(), QDialog::Accepted);
    }
}

}  // namespace
}  // namespace qx
