// The layers of the program, kept by reading every #include under src/: the core never
// includes Qt, hidapi or a front end; the editor includes only the core below it; the window's
// document never includes the window or the dialogs; the dialogs never include the window; the
// page, the window and the command line never include one another. And no front end compares
// a model type as a number: the model's table decides.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace qx {
namespace {

namespace fs = std::filesystem;

struct Include {
    std::string file;    // relative to src/
    std::string target;  // as written between the quotes or angle brackets
};

std::vector<Include> ReadIncludes()
{
    std::vector<Include> includes;
    const std::regex line(R"(^\s*#\s*include\s*[<"]([^>"]+)[>"])");
    for (const auto& entry : fs::recursive_directory_iterator(QX_SOURCE_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const std::string file = fs::relative(entry.path(), QX_SOURCE_DIR).generic_string();
        std::ifstream in(entry.path());
        std::string text;
        std::smatch m;
        while (std::getline(in, text))
            if (std::regex_search(text, m, line)) includes.push_back({file, m[1]});
    }
    return includes;
}

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

// The folder a file or an include belongs to, as the rules name it.
std::string Layer(const std::string& path)
{
    for (const char* layer : {"gui/base/", "gui/document/", "gui/dialogs/", "gui/window/", "gui/tools/", "gui/", "cli/",
                              "web/", "backends/", "editing/"})
        if (StartsWith(path, layer)) return layer;
    return "core";
}

bool IsQt(const std::string& target) { return target.size() > 1 && target[0] == 'Q' && std::isupper(target[1]); }

// Why `file` may not include `target`; empty when it may.
std::string Broken(const std::string& file, const std::string& target)
{
    const std::string from = Layer(file);
    const std::string to = Layer(target);
    // hidapi's own header; the project's backend header wraps it for whoever builds the stack.
    const bool hidapi = target == "hidapi.h" || StartsWith(target, "hidapi/");
    if (from == "core" || from == "editing/") {
        if (IsQt(target)) return "the core includes Qt";
        if (hidapi) return "the core includes hidapi";
        if (to != "core" && to != from) return "the core includes a front end, a backend or the editor";
    }
    // The editor works on documents, never on a radio: the operations are the front ends' to call.
    if (from == "editing/" && StartsWith(target, "operations/")) return "the editor runs an operation";
    if (hidapi && from != "backends/") return "only the hidapi backend includes hidapi";
    // What a user asks of a radio goes through the operations: nothing else runs a clone.
    if (target == "clone/pc_clone.h" && !StartsWith(file, "clone/") && !StartsWith(file, "operations/"))
        return "only the operations run a clone";
    // Whatever changes a radio passes the gate: the raw writes are the gate's alone.
    if (target == "operations/radio_writes.h" && !StartsWith(file, "operations/"))
        return "only the operations' gate writes a radio";
    if (from == "gui/base/" && StartsWith(to, "gui/") && to != "gui/base/")
        return "gui/base includes the layers above it";
    if (from == "gui/document/" && (to == "gui/window/" || to == "gui/dialogs/"))
        return "the window's document includes widgets of the window or the dialogs";
    if (from == "gui/dialogs/" && to == "gui/window/") return "a dialog includes the window";
    if (from == "cli/" && StartsWith(to, "gui/")) return "the command line includes the window";
    if (StartsWith(from, "gui/") && to == "cli/") return "the window includes the command line";
    if (from == "web/" && (StartsWith(to, "gui/") || to == "cli/")) return "the page includes another front end";
    if ((StartsWith(from, "gui/") || from == "cli/") && to == "web/") return "a front end includes the page";
    return {};
}

TEST(Layers, NoFolderIncludesOneItMayNot)
{
    const std::vector<Include> includes = ReadIncludes();
    ASSERT_GT(includes.size(), 500u);  // the sources were found
    std::vector<std::string> broken;
    for (const Include& i : includes) {
        const std::string why = Broken(i.file, i.target);
        if (!why.empty()) broken.push_back(i.file + " includes " + i.target + ": " + why);
    }
    EXPECT_EQ(broken, std::vector<std::string>());
}

TEST(Layers, TheRulesCatchWhatTheyName)
{
    EXPECT_NE(Broken("model/radio_image.cpp", "QString"), "");
    EXPECT_NE(Broken("clone/hid_adaptor.cpp", "hidapi/hidapi.h"), "");
    EXPECT_NE(Broken("cli/radio_session.cpp", "hidapi.h"), "");
    EXPECT_NE(Broken("fleet/fleet_run.cpp", "cli/command_support.h"), "");
    EXPECT_NE(Broken("gui/document/clone_document.cpp", "gui/window/main_window.h"), "");
    EXPECT_NE(Broken("gui/dialogs/backups_dialog.cpp", "gui/window/main_window.h"), "");
    EXPECT_EQ(Broken("gui/window/main_window.cpp", "gui/dialogs/backups_dialog.h"), "");
    EXPECT_EQ(Broken("backends/hidapi/hidapi_backend.cpp", "hidapi.h"), "");
    EXPECT_NE(Broken("fleet/fleet_run.cpp", "clone/pc_clone.h"), "");
    EXPECT_NE(Broken("gui/window/clone_workers.cpp", "clone/pc_clone.h"), "");
    EXPECT_EQ(Broken("operations/radio_operations.cpp", "clone/pc_clone.h"), "");
    EXPECT_NE(Broken("operations/radio_operations.cpp", "cli/command_support.h"), "");
    EXPECT_NE(Broken("fleet/fleet_run.cpp", "web/bridge.h"), "");
    EXPECT_NE(Broken("model/radio_image.cpp", "web/web_document.h"), "");
    EXPECT_NE(Broken("web/web_bridge.cpp", "gui/document/clone_document.h"), "");
    EXPECT_NE(Broken("cli/radio_session.cpp", "web/json_text.h"), "");
    EXPECT_NE(Broken("web/web_bridge.cpp", "clone/pc_clone.h"), "");
    EXPECT_EQ(Broken("web/web_bridge.cpp", "backends/webhid/webhid_backend.h"), "");
    EXPECT_NE(Broken("cli/eeprom_commands.cpp", "operations/radio_writes.h"), "");
    EXPECT_NE(Broken("gui/dialogs/eeprom_tools_dialog.cpp", "operations/radio_writes.h"), "");
    EXPECT_EQ(Broken("operations/radio_gate.cpp", "operations/radio_writes.h"), "");
    EXPECT_NE(Broken("editing/document_editor.cpp", "QString"), "");
    EXPECT_NE(Broken("editing/document_editor.cpp", "operations/radio_gate.h"), "");
    EXPECT_NE(Broken("editing/document_editor.cpp", "web/json_text.h"), "");
    EXPECT_NE(Broken("fleet/fleet_run.cpp", "editing/document_editor.h"), "");
    EXPECT_EQ(Broken("editing/document_editor.cpp", "channels/channel_csv.h"), "");
    EXPECT_EQ(Broken("web/web_document.cpp", "editing/document_editor.h"), "");
    EXPECT_EQ(Broken("gui/document/clone_document.cpp", "editing/document_editor.h"), "");
}

// A model type compared as a number outside the model's table: adding a variant would have to
// find every such place.
TEST(Layers, NoModelTypeIsComparedAsANumberOutsideTheModel)
{
    const std::regex compared(R"((modelType|ModelType\(\))\s*(==|!=|<|>)\s*\d|\d\s*(==|!=)\s*\w*modelType)");
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(QX_SOURCE_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp" && ext != ".js")) continue;
        const std::string file = fs::relative(entry.path(), QX_SOURCE_DIR).generic_string();
        if (StartsWith(file, "model/")) continue;
        std::ifstream in(entry.path());
        std::string text;
        for (int line = 1; std::getline(in, text); ++line)
            if (std::regex_search(text, compared)) found.push_back(file + ":" + std::to_string(line) + ": " + text);
    }
    EXPECT_EQ(found, std::vector<std::string>());
}

}  // namespace
}  // namespace qx
