#include "gui/base/accessible_names.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace qx {

namespace {

class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* box = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name) return box->accessibleName();
        if (t == QAccessible::Value) return box->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* NamedComboBoxFactory(const QString& className, QObject* object)
{
    auto* box = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || box == nullptr || box->accessibleName().isEmpty()) return nullptr;
    return new NamedComboBox(box);
}

}  // namespace

void InstallAccessibleNames()
{
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(NamedComboBoxFactory);
}

}  // namespace qx
