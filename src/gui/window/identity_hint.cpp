#include "gui/window/identity_hint.h"

#include <QEvent>

#include "identity/maritime_identity.h"

namespace qx {

namespace {

IdentityAdvice FromInfo(bool complete, const std::string& administration, const std::vector<std::string>& warnings)
{
    IdentityAdvice advice;
    if (!complete) return advice;
    QStringList lines;
    for (const std::string& w : warnings) lines << QString::fromStdString(w);
    advice.warning = !lines.isEmpty();
    advice.text = advice.warning ? lines.front() : QString::fromStdString(administration);
    advice.toolTip = advice.warning ? lines.join('\n') : advice.text;
    return advice;
}

bool NineDigits(const QString& text)
{
    if (text.size() != 9) return false;
    for (QChar c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// Why the radio would not take nine digits, in its own terms; empty when it would.
QString Refusal(IdentityField field, const QString& digits)
{
    if (!digits.startsWith('0')) return {};
    if (field == IdentityField::Atis) return IdentityHint::tr("an ATIS ID cannot start with 90");
    return digits.startsWith("00") ? IdentityHint::tr("a coast station's MMSI starts with 00")
                                   : IdentityHint::tr("a group's MMSI starts with 0");
}

}  // namespace

IdentityAdvice AdviseIdentity(IdentityField field, const QString& text)
{
    // An incomplete number says nothing yet; the window's check speaks when it matters.
    if (!NineDigits(text)) return {};
    const std::string digits = text.toStdString();
    IdentityAdvice advice;
    if (field == IdentityField::Mmsi) {
        MmsiInfo info = ClassifyMmsi(digits);
        advice = FromInfo(true, info.administration, info.warnings);
    } else {
        AtisInfo info = ClassifyAtis(digits);
        advice = FromInfo(true, info.administration, info.warnings);
    }
    const QString refusal = Refusal(field, text);
    if (!refusal.isEmpty()) {
        advice.refused = true;
        advice.warning = true;
        advice.text = IdentityHint::tr("The radio refuses this number: %1.").arg(refusal);
        advice.toolTip = advice.text + "\n" + advice.toolTip;
    }
    return advice;
}

IdentityHint::IdentityHint(QLineEdit* field, IdentityField kind, QWidget* parent)
    : QLabel(parent), field_(field), kind_(kind)
{
    setObjectName(field->objectName() + "Hint");
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    setFont(small);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    connect(field, &QLineEdit::textChanged, this, [this] { Update(); });
    Update();
}

void IdentityHint::Update()
{
    const IdentityAdvice advice = AdviseIdentity(kind_, field_->text());
    warning_ = advice.warning;
    refused_ = advice.refused;
    fullText_ = advice.text;
    Elide();
    setToolTip(advice.toolTip);
    // Colours that stay readable in light and dark themes: red for what the radio refuses,
    // orange for advice it would still take.
    setStyleSheet(refused_ ? "color: #d00000;" : warning_ ? "color: #c05000;" : "");
}

void IdentityHint::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    Elide();
}

void IdentityHint::Elide() { setText(fontMetrics().elidedText(fullText_, Qt::ElideRight, width())); }

AtisFromMmsiButton::AtisFromMmsiButton(QLineEdit* mmsi, QLineEdit* atis, QWidget* parent)
    : QToolButton(parent), mmsi_(mmsi), atis_(atis)
{
    setObjectName("atisFromMmsi");
    setText(tr("from MMSI"));
    setToolTip(tr("Fill the ATIS ID with \"9\" followed by the MMSI"));
    connect(mmsi, &QLineEdit::textChanged, this, [this] { UpdateEnabled(); });
    atis->installEventFilter(this);
    connect(this, &QToolButton::clicked, this, [this] {
        const std::string digits = AtisFromMmsi(mmsi_->text().toStdString());
        if (digits.empty() || !atis_->isEnabled()) return;
        // Through the field's editing, so that its undo takes the fill back.
        atis_->selectAll();
        atis_->insert(QString::fromStdString(digits));
        emit filled();
    });
    UpdateEnabled();
}

bool AtisFromMmsiButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == atis_ && event->type() == QEvent::EnabledChange) UpdateEnabled();
    return QToolButton::eventFilter(watched, event);
}

void AtisFromMmsiButton::UpdateEnabled()
{
    setEnabled(atis_->isEnabled() && !AtisFromMmsi(mmsi_->text().toStdString()).empty());
}

}  // namespace qx
