// The editor's own rules: what a typed identity becomes, the history's names and bound, the
// model's groups, channel edits and the TX text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "../support/records.h"
#include "editing/document_editor.h"
#include "identity/identity_advice.h"
#include "model/channel_plan.h"
#include "model/identity.h"

namespace qx {
namespace {

DocumentState Europe() { return DefaultState(ModelVariant::EuropeInt, kPrivateSetNone); }

TEST(TypedIdentity, SpacesAndDashesAreDroppedOnlyFromDigits)
{
    const struct {
        const char* typed;
        const char* taken;
    } cases[] = {
        {"235 012 345", "235012345"}, {"235-012-345", "235012345"},   {" 235012345 ", "235012345"},
        {"23501234a", "23501234a"},   {"235 01a 345", "235 01a 345"}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(TypedIdentity(c.typed), c.taken) << c.typed;
}

TEST(DocumentEditor, ATypedIdentityIsAnEntryUntilTheFieldIsLeft)
{
    DocumentEditor editor;
    editor.Reset(Europe());
    editor.TypeIdentity(IdentityKind::Mmsi, "235 012 345");
    EXPECT_TRUE(editor.IsModified());
    EXPECT_EQ(MmsiText(editor.Record()), "");
    EXPECT_EQ(editor.IdentityEntry(IdentityKind::Mmsi), "235012345");
    editor.CommitIdentities();
    EXPECT_EQ(MmsiText(editor.Record()), "235012345");
    EXPECT_EQ(editor.UndoName().English(), "MMSI");

    // One the radio refuses stays typed, keeps the document modified and is what the check names.
    editor.SetIdentityByUser(IdentityKind::Atis, false);  // the European defaults leave it to the user
    editor.TypeIdentity(IdentityKind::Atis, "12345");
    editor.CommitIdentities();
    EXPECT_EQ(AtisText(editor.Record()), "");
    const auto refused = editor.RefusedIdentity();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->number, "12345");
    EXPECT_EQ(refused->text, "Invalid ATIS ID:%1\nMake sure 9 digitals.");
    // Left to the radio's user: not looked at, and the entry goes.
    editor.SetIdentityByUser(IdentityKind::Atis, true);
    EXPECT_FALSE(editor.RefusedIdentity());
    EXPECT_EQ(editor.UndoName().English(), "ATIS entry by user");
}

TEST(DocumentEditor, ReadAndLoadDefaultAreStepsThatLeaveTheDocumentModified)
{
    DocumentEditor editor;
    editor.Reset(Europe());
    editor.MarkSaved();
    const RadioSettings before = editor.Record();
    editor.TakeRead(test::UkWithIdentities());
    EXPECT_EQ(editor.UndoName().English(), "Read from Radio");
    editor.LoadDefault(DefaultState(ModelVariant::Usa, -1));
    EXPECT_EQ(editor.UndoName().English(), "Load Default");
    ASSERT_TRUE(editor.Undo());
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(std::memcmp(&editor.Record(), &before, sizeof before), 0);
    // The defaults dropped the saved state: back at the file's bytes, still not what is saved.
    EXPECT_TRUE(editor.IsModified());
}

TEST(DocumentEditor, TheHistoryKeepsItsLastStepsAndNamesWhatAControlChanged)
{
    DocumentEditor editor;
    editor.Reset(DefaultState(ModelVariant::Usa, -1));
    DocumentControls c = editor.Controls();
    for (std::size_t i = 0; i < DocumentEditor::kHistorySteps + 5; ++i) {
        c.can = !c.can;
        editor.Edit(c);
    }
    EXPECT_EQ(editor.UndoName().English(), "CAN channels");
    std::size_t undone = 0;
    while (editor.Undo()) ++undone;
    EXPECT_EQ(undone, DocumentEditor::kHistorySteps);
    EXPECT_TRUE(editor.IsModified());  // the saved state is no longer in reach

    // The model decides the WX and private groups.
    c = editor.Controls();
    c.model = ModelVariant::EuropeInt;
    editor.Edit(c);
    EXPECT_EQ(editor.UndoName().English(), "Model");
    EXPECT_EQ(editor.Record().wxEnabled, 0);
    EXPECT_EQ(editor.Record().privateEnabled, 1);
}

TEST(TxFromText, TheNumberInFrontWithACommaForThePoint)
{
    const struct {
        const char* text;
        double mhz;  // NaN: no number
    } cases[] = {
        {"157.85", 157.85}, {"157,85", 157.85},  {" 156.025 ", 156.025}, {"157.85abc", 157.85},
        {"157", 157.0},     {"1.157,85", 1.157}, {"abc", NAN},           {"", NAN},
    };
    for (const auto& c : cases) {
        const double got = TxFromText(c.text);
        if (std::isnan(c.mhz))
            EXPECT_TRUE(std::isnan(got)) << c.text;
        else
            EXPECT_DOUBLE_EQ(got, c.mhz) << c.text;
    }
}

TEST(DocumentEditor, PrivateChannelsFollowTheDialogsRules)
{
    DocumentEditor editor;
    editor.Reset(Europe());
    EXPECT_FALSE(editor.AddPrivateChannel(-1, {"A1", 12, "157,85", false}));
    EXPECT_FALSE(editor.AddPrivateChannel(-1, {"M2", 13, "156.025", true}));
    EXPECT_EQ(PrivateListLength(editor.Record()), 2);
    EXPECT_DOUBLE_EQ(editor.Record().channels[kPrivateBlock + 1].rxMHz, 156.025 + kDuplexOffsetMHz);
    EXPECT_EQ(editor.AddPrivateChannel(0, {"A1", 12, "157.001", false}).English().rfind("Invalid Tx Frequency.", 0),
              0u);
    EXPECT_EQ(editor.AddPrivateChannel(0, {"Z1", 12, "157.0", false}).text,
              "A private channel's name is one of %1 and a digit.");
    EXPECT_EQ(editor.EditPrivateChannel(0, {"A1", 12, "173.0", true}).text.rfind("RX would be %1 MHz", 0), 0u);
    EXPECT_EQ(editor.RemovePrivateChannel(5).text, "Please Select a Channel!");
    EXPECT_FALSE(editor.RemovePrivateChannel(0));
    EXPECT_EQ(ChannelName(editor.Record().channels[kPrivateBlock]), "M2");
    EXPECT_EQ(editor.UndoName().English(), "Remove private channel");
}

TEST(ModelVariants, OneTableForEveryFrontEnd)
{
    for (const ModelVariantInfo& info : ModelVariants()) {
        EXPECT_EQ(&VariantOfType(info.type), &info);
        EXPECT_EQ(VariantNamed(info.commandName), &info);
        EXPECT_EQ(info.weather, !info.privateChannels) << info.wizardName;
    }
    EXPECT_TRUE(VariantOfType(7).europe);  // anything but 0 is a European record
    EXPECT_EQ(VariantNamed("eur"), nullptr);
}

}  // namespace
}  // namespace qx
