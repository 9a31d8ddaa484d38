#include "gui/window/identity_box.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "gui/document/clone_document.h"
#include "gui/window/identity_hint.h"
#include "identity/identity_advice.h"

namespace qx {

namespace {

// At most nine characters, and a number pasted with spaces or dashes is taken as its digits;
// the ATIS field takes digits only.
class IdentityValidator : public QValidator {
public:
    IdentityValidator(bool digitsOnly, QObject* parent) : QValidator(parent), digitsOnly_(digitsOnly) {}
    State validate(QString& input, int& pos) const override
    {
        const QString typed = QString::fromStdString(TypedIdentity(input.toStdString()));
        if (typed != input) {
            pos = static_cast<int>(QString::fromStdString(TypedIdentity(input.left(pos).toStdString())).size());
            input = typed;
        }
        for (QChar c : input)
            if (digitsOnly_ && (c < '0' || c > '9')) return Invalid;
        return input.size() <= 9 ? Acceptable : Invalid;
    }

private:
    bool digitsOnly_;
};

}  // namespace

namespace {

QLabel* Hint(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(false);
    return label;
}

}  // namespace

IdentityBox::IdentityBox(CloneDocument& document, QWidget* parent) : QGroupBox(parent), document_(document)
{
    setObjectName("identityBox");
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    mmsiByUser_ = new QCheckBox(tr("MMSI entry by user"));
    mmsiByUser_->setObjectName("mmsiByUser");
    mmsi_ = new QLineEdit;
    mmsi_->setObjectName("mmsi");
    atisByUser_ = new QCheckBox(tr("ATIS entry by user"));
    atisByUser_->setObjectName("atisByUser");
    atis_ = new QLineEdit;
    atis_->setObjectName("atis");
    mmsi_->setValidator(new IdentityValidator(false, mmsi_));
    atis_->setValidator(new IdentityValidator(true, atis_));
    for (QLineEdit* field : {mmsi_, atis_}) {
        // Room for a pasted "235 012 345": the validator takes it as its nine digits.
        field->setMaxLength(31);
        field->setFont(fixed);
        field->setFixedWidth(QFontMetrics(fixed).horizontalAdvance("0000000000") + 16);
        field->installEventFilter(this);
    }
    grid->addWidget(mmsiByUser_, 0, 0);
    grid->addWidget(mmsi_, 0, 1);
    grid->addWidget(Hint(tr("Please enter the 9 digital MMSI number.")), 0, 2);
    // Under each field, the administration its number belongs to, or why it looks wrong.
    grid->addWidget(new IdentityHint(mmsi_, IdentityKind::Mmsi), 1, 1, 1, 2);
    grid->addWidget(atisByUser_, 2, 0);
    auto* atisRow = new QHBoxLayout;
    atisRow->addWidget(atis_);
    auto* fromMmsi = new AtisFromMmsiButton(mmsi_, atis_);
    connect(fromMmsi, &AtisFromMmsiButton::filled, this, [this] {
        document_.Editor().TypeIdentity(IdentityKind::Atis, atis_->text().toLatin1().toStdString());
        document_.Editor().CommitIdentities();
    });
    atisRow->addWidget(fromMmsi);
    atisRow->addStretch();
    grid->addLayout(atisRow, 2, 1);
    auto* atisHints = new QVBoxLayout;
    atisHints->setSpacing(0);
    atisHints->addWidget(Hint(tr("Please enter the last 9 numbers of the 10 digit ATIS ID.")));
    atisHints->addWidget(Hint(tr("The initial \"9\" is entered automatically.")));
    grid->addLayout(atisHints, 2, 2);
    grid->addWidget(new IdentityHint(atis_, IdentityKind::Atis), 3, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    // Screen readers announce the fields by what they hold, not by the box's caption.
    mmsi_->setAccessibleName(tr("MMSI"));
    atis_->setAccessibleName(tr("ATIS ID"));

    KeepCaptionRoom();
    Connect();
}

// How much room the caption takes, so that an empty caption can keep it.
void IdentityBox::KeepCaptionRoom()
{
    margins_ = layout()->contentsMargins();
    setTitle("QX720");
    const int captionTop = contentsMargins().top();
    setTitle(QString());
    captionHeight_ = std::max(0, captionTop - contentsMargins().top());
}

// Each edit goes to the document as it happens.
void IdentityBox::Connect()
{
    // Typing is an edit at once: Esc or a close with the cursor still in the field must not
    // pass for an unchanged document.
    connect(mmsi_, &QLineEdit::textEdited, this, [this](const QString& text) {
        document_.Editor().TypeIdentity(IdentityKind::Mmsi, text.toLatin1().toStdString());
    });
    connect(atis_, &QLineEdit::textEdited, this, [this](const QString& text) {
        document_.Editor().TypeIdentity(IdentityKind::Atis, text.toLatin1().toStdString());
    });
    connect(mmsiByUser_, &QCheckBox::clicked, this,
            [this](bool on) { document_.Editor().SetIdentityByUser(IdentityKind::Mmsi, on); });
    connect(atisByUser_, &QCheckBox::clicked, this,
            [this](bool on) { document_.Editor().SetIdentityByUser(IdentityKind::Atis, on); });
    for (QLineEdit* field : {mmsi_, atis_})
        connect(field, &QLineEdit::returnPressed, this, &IdentityBox::writeRequested);
}

void IdentityBox::ShowIdentity(QLineEdit* field, IdentityKind which)
{
    // Exactly what the document holds: its entry being typed, its valid identity, or nothing.
    const QString text = QString::fromLatin1(document_.Editor().IdentityEntry(which).c_str());
    if (field->text() != text) field->setText(text);
}

void IdentityBox::Show()
{
    const DocumentControls values = ControlsOf(document_.Record());
    atisByUser_->setChecked(values.atisByUser);
    ShowIdentity(atis_, IdentityKind::Atis);
    mmsiByUser_->setChecked(values.mmsiByUser);
    ShowIdentity(mmsi_, IdentityKind::Mmsi);
    UpdateFields();
}

void IdentityBox::SetCaption(const QString& caption)
{
    setTitle(caption);
    // The window has a fixed size: a box that gave up its caption's line would move the fields.
    QMargins margins = margins_;
    if (caption.isEmpty()) margins.setTop(margins.top() + captionHeight_);
    layout()->setContentsMargins(margins);
}

void IdentityBox::SetEditable(bool editable)
{
    editable_ = editable;
    mmsiByUser_->setEnabled(editable);
    atisByUser_->setEnabled(editable);
    UpdateFields();
}

void IdentityBox::UpdateFields()
{
    mmsi_->setEnabled(editable_ && !mmsiByUser_->isChecked());
    atis_->setEnabled(editable_ && !atisByUser_->isChecked());
}

bool IdentityBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == mmsi_ || watched == atis_)) {
        // Leaving the field counts; the window losing activation (a box, another program) does not.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            document_.Editor().CommitIdentities();
    }
    return QGroupBox::eventFilter(watched, event);
}

}  // namespace qx
