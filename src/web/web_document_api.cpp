// The page's calls on its document: what it shows, the edits of its controls, undo and redo,
// as JSON around the core's editor.
#include "identity/identity_advice.h"
#include "identity/maritime_identity.h"
#include "model/checksum.h"
#include "model/private_sets.h"
#include "web/bridge_reply.h"
#include "web/web_document.h"

using namespace qx;
using namespace qx::web;

extern "C" {

QX_EXPORT const char* qx_document()
{
    const WebDocument& doc = Document();
    const DocumentEditor& editor = doc.editor;
    const RadioSettings& r = doc.Record();
    const DocumentControls c = editor.Controls();
    JsonText json;
    json.Begin()
        .Field("name", doc.name)
        .Field("modified", editor.IsModified())
        .Field("untitled", doc.untitled)
        .Field("modelName", FieldText(r.modelName))
        .Field("usaModel", !VariantInfo(c.model).europe)
        .Field("mmsi", editor.IdentityEntry(IdentityKind::Mmsi))
        .Field("atis", editor.IdentityEntry(IdentityKind::Atis))
        .Field("mmsiByUser", c.mmsiByUser)
        .Field("atisByUser", c.atisByUser)
        .Field("txStep", c.txStep)
        .Field("rxStep", c.rxStep)
        .Field("checksum", static_cast<double>(static_cast<uint32_t>(SettingsChecksum(r))))
        .Field("canUndo", editor.CanUndo())
        .Field("canRedo", editor.CanRedo())
        // The steps' names in English ("%1 channels" with its argument "USA"), for the page to translate.
        .Field("undoText", editor.UndoName().text)
        .Field("undoArg", editor.UndoName().arg)
        .Field("redoText", editor.RedoName().text)
        .Field("redoArg", editor.RedoName().arg);
    ChannelBands(json, r);
    return Reply(json.End().Str());
}

// The fields as typed and the controls as set: a changed control is one step, as its click is
// in the window; typed identities stay entries until the field is left (qx_commit_identities).
QX_EXPORT void qx_set_controls(int usaModel, int groups, int txStep, int rxStep, int mmsiByUser, int atisByUser,
                               const char* mmsi, const char* atis)
{
    DocumentEditor& editor = Document().editor;
    editor.TypeIdentity(IdentityKind::Mmsi, mmsi);
    editor.TypeIdentity(IdentityKind::Atis, atis);
    const DocumentControls before = editor.Controls();
    if (before.mmsiByUser != (mmsiByUser != 0)) return editor.SetIdentityByUser(IdentityKind::Mmsi, mmsiByUser != 0);
    if (before.atisByUser != (atisByUser != 0)) return editor.SetIdentityByUser(IdentityKind::Atis, atisByUser != 0);
    DocumentControls c = before;
    c.model = PanelVariant(usaModel == 0);
    bool* boxes[] = {&c.intl, &c.usa, &c.can, &c.intNarrow, &c.usaNarrow, &c.canNarrow};
    for (int i = 0; i < 6; ++i) *boxes[i] = ((groups >> i) & 1) != 0;
    c.txStep = txStep;
    c.rxStep = rxStep;
    if (c != before) editor.Edit(c);
}

QX_EXPORT void qx_commit_identities() { Document().editor.CommitIdentities(); }

QX_EXPORT void qx_load_default(int modelType, int setIndex)
{
    Document().editor.LoadDefault(DefaultState(VariantOfType(modelType).variant, setIndex));
    Document().untitled = true;
    Document().name.clear();
}

// The European private channel sets of Load Default, by index.
QX_EXPORT const char* qx_private_sets()
{
    JsonText json;
    json.Begin('[');
    for (int i = 0; i < kPrivateSetCount; ++i) json.Text(PrivateSetName(i));
    return Reply(json.End(']').Str());
}
QX_EXPORT int qx_undo() { return Document().editor.Undo() ? 1 : 0; }
QX_EXPORT int qx_redo() { return Document().editor.Redo() ? 1 : 0; }

// The check before a write or a save, on the fields as typed: {} when nothing is refused, else
// the message's text with "%1" for the number, so that the page can translate it.
QX_EXPORT const char* qx_identity_check(int, int, const char* mmsi, const char* atis)
{
    DocumentEditor& editor = Document().editor;
    editor.TypeIdentity(IdentityKind::Mmsi, mmsi);
    editor.TypeIdentity(IdentityKind::Atis, atis);
    const auto refused = editor.RefusedIdentity();
    JsonText json;
    json.Begin();
    if (refused) json.Field("text", refused->text).Field("value", refused->number);
    return Reply(json.End());
}

// The hint under an identity field: the country, or why the number looks wrong for a handset.
QX_EXPORT const char* qx_identity_hint(int atisField, const char* typed)
{
    const IdentityAdvice advice = AdviseIdentity(atisField ? IdentityKind::Atis : IdentityKind::Mmsi, typed);
    JsonText json;
    json.Begin().Field("text", advice.text).Field("warning", advice.warning).Field("detail", advice.detail);
    if (advice.refused) json.Field("refused", true).Field("refusal", advice.refusal);
    return Reply(json.End().Str());
}

QX_EXPORT const char* qx_atis_from_mmsi(const char* mmsi) { return Reply(AtisFromMmsi(mmsi)); }

}  // extern "C"
