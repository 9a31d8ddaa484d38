#include "gui/document/control_values.h"

#include <QCoreApplication>
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

// The names of the history's steps, in the user's language.
QString Tr(const char* text) { return QCoreApplication::translate("qx::ControlValues", text); }

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
    if (MmsiText(before) != MmsiText(after)) return Tr(QT_TRANSLATE_NOOP("qx::ControlValues", "MMSI"));
    if (AtisText(before) != AtisText(after)) return Tr(QT_TRANSLATE_NOOP("qx::ControlValues", "ATIS ID"));
    if (a.mmsiByUser != b.mmsiByUser) return Tr(QT_TRANSLATE_NOOP("qx::ControlValues", "MMSI entry by user"));
    if (a.atisByUser != b.atisByUser) return Tr(QT_TRANSLATE_NOOP("qx::ControlValues", "ATIS entry by user"));
    if (a.usaModel != b.usaModel) return Tr(QT_TRANSLATE_NOOP("qx::ControlValues", "Model"));
    if (a.txStep != b.txStep) return Tr(QT_TRANSLATE_NOOP("qx::ControlValues", "TX PLL step"));
    if (a.rxStep != b.rxStep) return Tr(QT_TRANSLATE_NOOP("qx::ControlValues", "RX PLL step"));
    const std::pair<bool, const char*> groups[] = {
        {a.usa != b.usa, QT_TRANSLATE_NOOP("qx::ControlValues", "USA")},
        {a.intl != b.intl, QT_TRANSLATE_NOOP("qx::ControlValues", "INT")},
        {a.can != b.can, QT_TRANSLATE_NOOP("qx::ControlValues", "CAN")},
        {a.usaNarrow != b.usaNarrow, QT_TRANSLATE_NOOP("qx::ControlValues", "USA_narrow")},
        {a.intNarrow != b.intNarrow, QT_TRANSLATE_NOOP("qx::ControlValues", "INT_narrow")},
        {a.canNarrow != b.canNarrow, QT_TRANSLATE_NOOP("qx::ControlValues", "CAN_narrow")},
    };
    for (const auto& [changed, name] : groups)
        if (changed) return Tr(QT_TRANSLATE_NOOP("qx::ControlValues", "%1 channels")).arg(Tr(name));
    return Tr(QT_TRANSLATE_NOOP("qx::ControlValues", "Edit"));
}

}  // namespace qx
