#include "operations/eeprom_operations.h"

#include <algorithm>

#include "clone/pc_clone.h"
#include "files/atomic_file.h"
#include "model/radio_image.h"
#include "operations/radio_claim.h"
#include "operations/radio_writes.h"

namespace qx {

namespace {

void PrepareProgress(ProgressSink* progress, int blocks = kEepromTransferBlocks)
{
    if (progress == nullptr) return;
    progress->SetRange(0, blocks);
    progress->SetStep(1);
    progress->SetPosition(0);
}

void EmptyProgress(const OperationContext& run)
{
    if (run.progress != nullptr && !run.keepProgress) run.progress->SetPosition(0);
}

// Each transfer's clone object, bound as the EEPROM tools bind it: no record, no log, no ROM maps.
CPcClone TransferClone(const OperationContext& run)
{
    return CPcClone(run.env, CloneBinding{nullptr, run.options, run.progress, {}});
}

CloneResult HandShakeThen(const OperationContext& run, CPcClone& clone, int blocks = kEepromTransferBlocks)
{
    CloneResult result = clone.HandShake();
    PrepareProgress(run.progress, blocks);
    if (result == kResultOk && run.onHandShake) run.onHandShake();
    return result;
}

int SpanBlocks(int first, int end) { return (end - first + 19) / 20; }

CloneResult ReadWhole(const OperationContext& run)
{
    const ops::RadioClaim claim = ops::ClaimRadio(run.env);
    if (!claim.Ok()) return claim.Result();
    CPcClone clone = TransferClone(run);
    CloneResult result = HandShakeThen(run, clone);
    run.env.readImage.fill(0);
    if (result == kResultOk) result = clone.ReadRange(0, kEepromSize);
    EmptyProgress(run);
    return result;
}

}  // namespace

namespace ops::internal {

CloneResult WriteEepromSpan(const OperationContext& run, int first, int end)
{
    if (first < 0 || end > kEepromSize || first >= end) return kResultParameterError;
    const RadioClaim claim = ClaimRadio(run.env);
    if (!claim.Ok()) return claim.Result();
    CPcClone clone = TransferClone(run);
    CloneResult result = HandShakeThen(run, clone, SpanBlocks(first, end));
    if (result == kResultOk) result = clone.WriteRange(first, end - first);
    EmptyProgress(run);
    return result;
}

}  // namespace ops::internal

CloneResult ReadEeprom(const OperationContext& run, std::vector<uint8_t>& bytes)
{
    CloneResult result = ReadWhole(run);
    if (result == kResultOk) bytes.assign(run.env.readImage.begin(), run.env.readImage.begin() + kEepromSize);
    return result;
}

CloneResult ReadEepromSpan(const OperationContext& run, int first, int end)
{
    if (first < 0 || end > kEepromSize || first >= end) return kResultParameterError;
    const ops::RadioClaim claim = ops::ClaimRadio(run.env);
    if (!claim.Ok()) return claim.Result();
    CPcClone clone = TransferClone(run);
    CloneResult result = HandShakeThen(run, clone, SpanBlocks(first, end));
    run.env.readImage.fill(0);
    if (result == kResultOk) result = clone.ReadRange(first, end - first);
    EmptyProgress(run);
    return result;
}

CloneResult VerifyEeprom(const OperationContext& run, const std::vector<uint8_t>& bytes, int& differences)
{
    differences = 0;
    if (bytes.size() < static_cast<std::size_t>(kEepromSize)) return kResultParameterError;
    // The image being compared against sits in the write image, as the tools have always kept it.
    std::copy_n(bytes.begin(), kEepromSize, run.env.writeImage.begin());
    CloneResult result = ReadWhole(run);
    if (result != kResultOk) return result;
    for (int i = 0; i < kEepromSize; ++i)
        if (run.env.readImage[i] != run.env.writeImage[i]) ++differences;
    return kResultOk;
}

CloneResult ReadEepromToFile(const OperationContext& run, const std::string& path, SaveDetail* detail)
{
    std::vector<uint8_t> bytes;
    CloneResult result = ReadEeprom(run, bytes);
    if (result != kResultOk) return result;
    SaveDetail scratch;
    SaveDetail& out = detail != nullptr ? *detail : scratch;
    const CloneResult saved = SaveFileAtomically(path, bytes.data(), bytes.size(), &out);
    if (saved == kResultOk || saved == kResultReadOnly) return saved;
    // "Open File Error." is for a file that cannot be made; one that could not be filled is not.
    return out.created ? kResultWriteFileError : kResultOpenFileError;
}

CloneResult VerifyEepromWithFile(const OperationContext& run, const std::string& path, int& differences)
{
    differences = 0;
    std::vector<uint8_t> bytes;
    CloneResult result = LoadEepromFile(path, bytes);
    if (result != kResultOk) return result;
    return VerifyEeprom(run, bytes, differences);
}

}  // namespace qx
