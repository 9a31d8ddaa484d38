#include "gui/base/core_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "operations/radio_claim.h"

namespace qx {

namespace {

// The core's fixed texts, so that the catalogs carry them; the core itself stays English.
[[maybe_unused]] const char* const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("qx::Core", "Read Error."),
    QT_TRANSLATE_NOOP("qx::Core", "Write Error."),
    QT_TRANSLATE_NOOP("qx::Core", "Verify Error."),
    QT_TRANSLATE_NOOP("qx::Core", "Handshake Error."),
    QT_TRANSLATE_NOOP("qx::Core", "Read from Comp Port Error."),
    QT_TRANSLATE_NOOP("qx::Core", "Write to Comp Port Error."),
    QT_TRANSLATE_NOOP("qx::Core", "Adaptor is not detected!"),
    QT_TRANSLATE_NOOP("qx::Core", "Radio is not detected!"),
    QT_TRANSLATE_NOOP("qx::Core", "Communication time out!"),
    QT_TRANSLATE_NOOP("qx::Core", "HandShake Error!"),
    QT_TRANSLATE_NOOP("qx::Core", "CheckSum Error"),
    QT_TRANSLATE_NOOP("qx::Core", "Invalid Data"),
    QT_TRANSLATE_NOOP("qx::Core", "Radio and PC software are not matched."),
    QT_TRANSLATE_NOOP("qx::Core", "The system cannot find the COM Port specified."),
    QT_TRANSLATE_NOOP("qx::Core", "COM Port Access is denied."),
    QT_TRANSLATE_NOOP("qx::Core", "The radio is in use by another program."),
    QT_TRANSLATE_NOOP("qx::Core", "Error"),
    QT_TRANSLATE_NOOP("qx::Core", "Open File Error."),
    QT_TRANSLATE_NOOP("qx::Core", "Read from File Error."),
    QT_TRANSLATE_NOOP("qx::Core", "Write to File Error."),
    QT_TRANSLATE_NOOP("qx::Core", "Unknown File Format."),
    QT_TRANSLATE_NOOP("qx::Core", "File Read Only."),
    QT_TRANSLATE_NOOP("qx::Core", "File Exist."),
    QT_TRANSLATE_NOOP("qx::Core", "Unknown File Error."),
    QT_TRANSLATE_NOOP("qx::Core", "User Cancel."),
    QT_TRANSLATE_NOOP("qx::Core", "Function Parameter Error"),
    QT_TRANSLATE_NOOP("qx::Core", "Unknown Error"),
};
// Long enough to be written in two pieces, which in the list above would look like a lost comma.
[[maybe_unused]] const char* const kPermissionText = QT_TRANSLATE_NOOP(
    "qx::Core",
    "The clone adaptor is connected but this user may not open it. Install the udev rule "
    "70-qx720-clone.rules, then unplug and replug the adaptor.");

}  // namespace

QString CoreText(const char* text) { return QCoreApplication::translate("qx::Core", text); }

QString CoreText(const std::string& text) { return CoreText(text.c_str()); }

QString IdentityQuestion(const std::vector<IdentityReplacement>& replaced)
{
    QStringList sentences;
    for (const IdentityReplacement& r : replaced) {
        const QString held = QString::fromStdString(IdentityText(r.kind, r.held));
        sentences << (r.written.empty()
                          ? QCoreApplication::translate("qx::Core", "The radio holds %1. Write over it and clear it?")
                                .arg(held)
                          : QCoreApplication::translate("qx::Core", "The radio holds %1. Write %2 over it?")
                                .arg(held, QString::fromStdString(IdentityText(r.kind, r.written))));
    }
    return sentences.join('\n');
}

QString ResultText(CloneResult result) { return CoreText(DescribeResult(result)); }

QString FailureText(const CloneEnvironment& env, CloneResult result, const std::string& holder)
{
    QString text = ResultText(result);
    if (result != kResultRadioInUse) return text;
    // Which program to finish or close, when it can be told.
    const std::string who = holder.empty() ? ops::FailureReason(env, result) : holder;
    if (!who.empty())
        text += "\n" + QCoreApplication::translate("qx::Core", "Program: %1").arg(QString::fromStdString(who));
    return text;
}

}  // namespace qx
