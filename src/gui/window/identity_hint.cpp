#include "gui/window/identity_hint.h"

#include <QEvent>

#include "identity/identity_advice.h"
#include "identity/maritime_identity.h"

namespace qx {

IdentityHint::IdentityHint(QLineEdit* field, IdentityKind kind, QWidget* parent)
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
    const IdentityAdvice advice = AdviseIdentity(kind_, field_->text().toStdString());
    warning_ = advice.warning;
    refused_ = advice.refused;
    fullText_ = QString::fromStdString(advice.text);
    QString detail = QString::fromStdString(advice.detail);
    if (refused_) {
        // The radio's refusal in the user's language; the warnings after it are the table's.
        const QString said = tr("The radio refuses this number: %1.").arg(tr(advice.refusal.c_str()));
        detail.replace(0, static_cast<int>(advice.text.size()), said);
        fullText_ = said;
    }
    Elide();
    setToolTip(detail);
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
