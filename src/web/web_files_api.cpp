// The page's clone files and frequency table: the core reads and writes clone files by path,
// so the page's bytes pass through the module's own in-memory file system.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "files/clone_file.h"
#include "reports/freq_table.h"
#include "web/bridge_reply.h"
#include "web/web_document.h"

namespace qx::web {
namespace {

std::vector<uint8_t>& FileBytes()
{
    static std::vector<uint8_t> bytes;
    return bytes;
}

const char kScratchFile[] = "/tmp/page.dat";

bool WriteScratch(const uint8_t* bytes, int length)
{
    std::ofstream out(kScratchFile, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes), length);
    return static_cast<bool>(out);
}

bool ReadScratch(std::vector<uint8_t>& bytes)
{
    std::ifstream in(kScratchFile, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return static_cast<bool>(in) || in.eof();
}

}  // namespace
}  // namespace qx::web

using namespace qx;
using namespace qx::web;

extern "C" {

// Opens a clone file's bytes: the result code (0 when the document now holds it, with a new
// history).
QX_EXPORT unsigned qx_open_dat(const uint8_t* bytes, int length, const char* name)
{
    if (!WriteScratch(bytes, length)) return kResultOpenFileError;
    DocumentState state;
    ModelConfig config = Document().Config();
    const CloneResult code = LoadCloneFile(kScratchFile, state.record, config);
    std::remove(kScratchFile);
    if (code != kResultOk) return code;
    state.modelType = config.modelType;
    state.europeanSet = config.europeanSet;
    Document().editor.Reset(state);
    Document().untitled = false;
    Document().name = name;
    return code;
}

// Why the document may not be saved as a clone file ("" when it may): the check files are
// opened by, so that a saved file always opens.
QX_EXPORT const char* qx_save_problem()
{
    Document().editor.CommitEdits();  // what is saved is what the controls show
    return Reply(CloneRecordProblem(Document().Record()));
}

// Saves the document as a clone file; the bytes are then at qx_file_bytes().
QX_EXPORT unsigned qx_save_dat(const char* name)
{
    Document().editor.CommitEdits();
    if (!CloneRecordProblem(Document().Record()).empty()) return kResultUnknownFormat;
    ModelConfig config = Document().Config();
    CloneResult code = WriteCloneFile(kScratchFile, Document().Record(), config);
    if (code == kResultOk && !ReadScratch(FileBytes())) code = kResultReadFileError;
    std::remove(kScratchFile);
    if (code != kResultOk) return code;
    Document().editor.MarkSaved();
    Document().untitled = false;
    Document().name = name;
    return code;
}

QX_EXPORT const uint8_t* qx_file_bytes() { return FileBytes().data(); }
QX_EXPORT int qx_file_length() { return static_cast<int>(FileBytes().size()); }

QX_EXPORT const char* qx_freq_table() { return Reply(FreqTableText(Document().Record(), SystemLocalTime())); }

}  // extern "C"
