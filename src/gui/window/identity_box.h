// The identity box: the MMSI and the ATIS ID with their "entry by user" boxes. Typing goes to
// the document as it happens; leaving a field makes its identity a step; Enter asks for a write.
#pragma once

#include <QGroupBox>
#include <QMargins>

class QCheckBox;
class QLineEdit;

namespace qx {

class CloneDocument;
enum class IdentityKind;

class IdentityBox : public QGroupBox {
    Q_OBJECT

public:
    explicit IdentityBox(CloneDocument& document, QWidget* parent = nullptr);

    // Exactly what the document holds; the fields follow their boxes.
    void Show();
    // The caption (the model's name for an untitled document); the fields stay where they are
    // without one, since the window has a fixed size.
    void SetCaption(const QString& caption);
    // Unavailable while a Read runs: its end replaces the document.
    void SetEditable(bool editable);

signals:
    // Enter in a field: write the radio (after the identity checks).
    void writeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CloneDocument& document_;
    QCheckBox* mmsiByUser_ = nullptr;
    QLineEdit* mmsi_ = nullptr;
    QCheckBox* atisByUser_ = nullptr;
    QLineEdit* atis_ = nullptr;
    bool editable_ = true;
    QMargins margins_;       // the layout's margins under a caption
    int captionHeight_ = 0;  // the room a caption takes

    void KeepCaptionRoom();
    void Connect();
    void ShowIdentity(QLineEdit* field, IdentityKind which);
    void UpdateFields();
};

}  // namespace qx
