#include "spin_button_accessible.h"

#include <QLineEdit>

#include "ui/widgets/spin_button.h"

SpinButtonAccessible::SpinButtonAccessible(SpinButton* spin)
    : QAccessibleWidget(spin, QAccessible::SpinBox) {
}

SpinButton* SpinButtonAccessible::spin() const {
    return static_cast<SpinButton*>(widget());
}

QString SpinButtonAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Value) {
        return spin()->buddy()->text();
    }
    return QAccessibleWidget::text(type);
}

QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
SpinButtonAccessible::relations(QAccessible::Relation match) const {
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> related =
        QAccessibleWidget::relations(match);
    if ((match & QAccessible::Controlled) != 0) {
        if (QAccessibleInterface* box = QAccessible::queryAccessibleInterface(spin()->buddy())) {
            related.append({box, QAccessible::Controlled});
        }
    }
    return related;
}

void* SpinButtonAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QVariant SpinButtonAccessible::currentValue() const {
    return spin()->value();
}

void SpinButtonAccessible::setCurrentValue(const QVariant& value) {
    bool is_number = false;
    const int number = value.toInt(&is_number);
    if (is_number) {
        spin()->set_value(number);
    }
}

QVariant SpinButtonAccessible::maximumValue() const {
    return spin()->upper();
}

QVariant SpinButtonAccessible::minimumValue() const {
    return spin()->lower();
}

QVariant SpinButtonAccessible::minimumStepSize() const {
    return 1;
}

QAccessibleInterface* spin_button_accessible(const QString& class_name, QObject* object) {
    auto* spin = qobject_cast<SpinButton*>(object);
    if (class_name != QLatin1String("SpinButton") || spin == nullptr) {
        return nullptr;
    }
    // Qt's accessibility cache owns the interface.
    return new SpinButtonAccessible(spin);
}
