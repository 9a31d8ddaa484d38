#include "gui/document/control_values.h"

#include <cstring>

#include "model/identity.h"

namespace qx {

namespace {

// A valid 9-digit identity is stored as the window always has: the first 10 bytes cleared,
// the digits and their NUL.
void StoreIdentity(char* field, const std::string& digits)
{
    std::memset(field, 0, 10);
    std::memcpy(field, digits.data(), 9);
    field[9] = '\0';
}

std::string ShownIdentity(const std::string& text) { return IsValidId(text) ? text : std::string(); }

}  // namespace

ControlValues ValuesOf(const RadioSettings& record)
{
    ControlValues v;
    v.usaModel = record.modelType == 0;
    v.usa = record.usaEnabled != 0;
    v.intl = record.intEnabled != 0;
    v.can = record.canEnabled != 0;
    v.usaNarrow = record.usaNarrowEnabled != 0;
    v.intNarrow = record.intNarrowEnabled != 0;
    v.canNarrow = record.canNarrowEnabled != 0;
    // Steps outside the three list positions show as 6.25 kHz.
    v.txStep = record.txStep >= 0 && record.txStep <= 2 ? record.txStep : 0;
    v.rxStep = record.rxStep >= 0 && record.rxStep <= 2 ? record.rxStep : 0;
    v.mmsiByUser = record.mmsiByUser != 0;
    v.atisByUser = record.atisByUser != 0;
    v.mmsi = ShownIdentity(MmsiText(record));
    v.atis = ShownIdentity(AtisText(record));
    return v;
}

void StoreValues(const ControlValues& v, RadioSettings& record)
{
    record.usaEnabled = v.usa ? 1 : 0;
    record.intEnabled = v.intl ? 1 : 0;
    record.canEnabled = v.can ? 1 : 0;
    record.usaNarrowEnabled = v.usaNarrow ? 1 : 0;
    record.intNarrowEnabled = v.intNarrow ? 1 : 0;
    record.canNarrowEnabled = v.canNarrow ? 1 : 0;
    record.modelType = v.usaModel ? 0 : 1;
    record.wxEnabled = v.usaModel ? 1 : 0;
    record.privateEnabled = v.usaModel ? 0 : 1;
    record.txStep = v.txStep;
    record.rxStep = v.rxStep;
    record.atisByUser = v.atisByUser ? 1 : 0;
    if (IsValidId(v.atis)) StoreIdentity(record.atisText, v.atis);
    record.mmsiByUser = v.mmsiByUser ? 1 : 0;
    if (IsValidId(v.mmsi)) StoreIdentity(record.mmsiText, v.mmsi);
}

QString ChangeText(const RadioSettings& before, const RadioSettings& after)
{
    const ControlValues a = ValuesOf(before);
    const ControlValues b = ValuesOf(after);
    if (MmsiText(before) != MmsiText(after)) return "MMSI";
    if (AtisText(before) != AtisText(after)) return "ATIS ID";
    if (a.mmsiByUser != b.mmsiByUser) return "MMSI entry by user";
    if (a.atisByUser != b.atisByUser) return "ATIS entry by user";
    if (a.usaModel != b.usaModel) return "Model";
    if (a.txStep != b.txStep) return "TX PLL step";
    if (a.rxStep != b.rxStep) return "RX PLL step";
    const std::pair<bool, const char*> groups[] = {
        {a.usa != b.usa, "USA"},
        {a.intl != b.intl, "INT"},
        {a.can != b.can, "CAN"},
        {a.usaNarrow != b.usaNarrow, "USA_narrow"},
        {a.intNarrow != b.intNarrow, "INT_narrow"},
        {a.canNarrow != b.canNarrow, "CAN_narrow"},
    };
    for (const auto& [changed, name] : groups)
        if (changed) return QString("%1 channels").arg(name);
    return "Edit";
}

}  // namespace qx
