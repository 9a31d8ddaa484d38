// One script of user actions through the window's document and through the page's bridge: the
// same clone file bytes and the same names of undo steps at every point.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "../support/records.h"
#include "../support/temp_dir.h"
#include "../ui/scripted_services.h"
#include "channels/channel_csv.h"
#include "files/clone_file.h"
#include "gui/document/clone_document.h"

extern "C" {
const char* qx_document();
void qx_set_controls(int usaModel, int groups, int txStep, int rxStep, int mmsiByUser, int atisByUser, const char* mmsi,
                     const char* atis);
void qx_commit_identities();
void qx_load_default(int modelType, int setIndex);
int qx_undo();
int qx_redo();
const char* qx_private_add(int selected, const char* name, int usageCode, const char* tx, int duplex);
const char* qx_private_edit(int position, const char* name, int usageCode, const char* tx, int duplex);
const char* qx_private_remove(int position);
const char* qx_csv_import(const uint8_t* bytes, int length);
}

#include "web/web_document.h"

namespace qx {
namespace {

using Json = nlohmann::json;

// The page's controls as it sends them: the model, six group boxes as bits, steps, the boxes and
// the fields as typed.
struct PageControls {
    bool usa = true;
    int groups = 0, tx = 0, rx = 0;
    bool mmsiByUser = false, atisByUser = false;
    std::string mmsi, atis;
    void Send() const { qx_set_controls(usa, groups, tx, rx, mmsiByUser, atisByUser, mmsi.c_str(), atis.c_str()); }
};

PageControls PageNow()
{
    const Json doc = Json::parse(qx_document());
    PageControls c;
    c.usa = doc["usaModel"];
    const char* names[] = {"INT", "USA", "CAN", "INT_Narrow", "USA_Narrow", "CAN_Narrow"};
    for (int i = 0; i < 6; ++i) c.groups |= doc["groups"][names[i]].get<bool>() ? 1 << i : 0;
    c.tx = doc["txStep"];
    c.rx = doc["rxStep"];
    c.mmsiByUser = doc["mmsiByUser"];
    c.atisByUser = doc["atisByUser"];
    c.mmsi = doc["mmsi"];
    c.atis = doc["atis"];
    return c;
}

std::string PageUndoName()
{
    const Json doc = Json::parse(qx_document());
    if (!doc["canUndo"].get<bool>()) return "";
    std::string text = doc["undoText"];
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, doc["undoArg"].get<std::string>());
    return text;
}

std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What each front end does for one action of the user.
struct Action {
    const char* name;
    std::function<void(CloneDocument&)> window;
    std::function<void()> page;
};

// The private channel fields of the dialog, as the window's dialog fills an entry.
void WindowAdd(CloneDocument& doc, int selected, const PrivateChannelFields& fields)
{
    ChannelEntry entry{};
    entry.inUse = 1;
    ASSERT_FALSE(FillPrivateChannel(entry, fields));
    ASSERT_FALSE(doc.Editor().AddPrivateEntry(selected, entry));
}

TEST(Parity, TheWindowAndThePageEditAlike)
{
    test::TempDir dir("parity");
    test::ScriptedServices services;
    CloneDocument doc(services, QString::fromStdString(dir.Path()));
    doc.Start(QString::fromStdString(dir.File("state.Bin")));
    web::Document().editor.Reset(doc.Editor().State());

    RadioSettings csvSource = test::EuropeWithChannels(4, '2');
    std::string csv = ExportChannelsCsv(csvSource);
    csv += "A9,INTER-SHIP,156.3,156.3,0,0,0,0,0,\xE9t\xE9\r\n";  // a Windows-1252 usage text
    const std::vector<Action> script = {
        {"read a radio", [](CloneDocument& d) { d.TakeRead(test::UkWithIdentities()); },
         [] { web::Document().TakeRead(test::UkWithIdentities()); }},
        {"type an MMSI with spaces",
         [](CloneDocument& d) {
             d.Editor().TypeIdentity(IdentityKind::Mmsi, "211 234 567");
             d.Editor().CommitIdentities();
         },
         [] {
             PageControls c = PageNow();
             c.mmsi = "211 234 567";
             c.Send();
             qx_commit_identities();
         }},
        {"type a refused ATIS ID, then leave it to the user",
         [](CloneDocument& d) {
             d.Editor().TypeIdentity(IdentityKind::Atis, "12");
             d.Editor().CommitIdentities();
             d.Editor().SetIdentityByUser(IdentityKind::Atis, true);
         },
         [] {
             PageControls c = PageNow();
             c.atis = "12";
             c.Send();
             qx_commit_identities();
             c.atisByUser = true;
             c.Send();
         }},
        {"groups and steps",
         [](CloneDocument& d) {
             DocumentControls c = d.Editor().Controls();
             c.can = true;
             d.Editor().Edit(c);
             c.txStep = 2;
             d.Editor().Edit(c);
         },
         [] {
             PageControls c = PageNow();
             c.groups |= 1 << 2;
             c.Send();
             c.tx = 2;
             c.Send();
         }},
        {"add channels",
         [](CloneDocument& d) {
             WindowAdd(d, -1, {"A1", 12, "157,85", false});
             WindowAdd(d, 0, {"M2", 13, "156.025", true});
         },
         [] {
             EXPECT_STREQ(qx_private_add(-1, "A1", 12, "157,85", 0), "");
             EXPECT_STREQ(qx_private_add(0, "M2", 13, "156.025", 1), "");
         }},
        {"edit and remove a channel",
         [](CloneDocument& d) {
             ASSERT_FALSE(d.Editor().EditPrivateChannel(1, {"C3", 14, "160.0", false}));
             ASSERT_FALSE(d.Editor().RemovePrivateChannel(0));
         },
         [] {
             EXPECT_STREQ(qx_private_edit(1, "C3", 14, "160.0", 0), "");
             EXPECT_STREQ(qx_private_remove(0), "");
         }},
        {"import a CSV", [&](CloneDocument& d) { EXPECT_TRUE(d.Editor().ImportCsv(csv).imported); },
         [&] {
             const Json out = Json::parse(qx_csv_import(reinterpret_cast<const uint8_t*>(csv.data()), int(csv.size())));
             EXPECT_TRUE(out["ok"].get<bool>()) << out.dump();
         }},
        {"change the model",
         [](CloneDocument& d) {
             DocumentControls c = d.Editor().Controls();
             c.model = ModelVariant::Usa;
             d.Editor().Edit(c);
         },
         [] {
             PageControls c = PageNow();
             c.usa = true;
             c.Send();
         }},
        {"undo twice and redo once",
         [](CloneDocument& d) {
             d.Editor().Undo();
             d.Editor().Undo();
             d.Editor().Redo();
         },
         [] {
             qx_undo();
             qx_undo();
             qx_redo();
         }},
        {"load the UK defaults",
         [](CloneDocument& d) { d.LoadDefault(DefaultState(ModelVariant::EuropeIntUsa, 1, d.Config().europeanSet)); },
         [] { qx_load_default(2, 1); }},
        {"undo the defaults", [](CloneDocument& d) { d.Editor().Undo(); }, [] { qx_undo(); }},
    };
    services.answers.assign(8, MsgAnswer::No);  // the save questions: go on without saving
    for (std::size_t i = 0; i < script.size(); ++i) {
        SCOPED_TRACE(script[i].name);
        script[i].window(doc);
        script[i].page();
        EXPECT_EQ(doc.UndoText().toStdString(), PageUndoName());
        EXPECT_EQ(doc.IsModified(), Json::parse(qx_document())["modified"].get<bool>());
        const std::string windowFile = dir.File("window" + std::to_string(i) + ".dat");
        const std::string pageFile = dir.File("page" + std::to_string(i) + ".dat");
        ModelConfig windowOptions = doc.Config(), pageOptions = web::Document().Config();
        ASSERT_EQ(WriteCloneFile(windowFile, doc.Record(), windowOptions), kResultOk);
        ASSERT_EQ(WriteCloneFile(pageFile, web::Document().Record(), pageOptions), kResultOk);
        EXPECT_EQ(Bytes(windowFile), Bytes(pageFile));
    }
    EXPECT_EQ(MmsiText(web::Document().Record()), "211234567");
}

}  // namespace
}  // namespace qx

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
