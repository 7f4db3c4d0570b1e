#pragma once

#include <QAccessibleWidget>

class SpinButton;

// What assistive technologies read of a SpinButton: one spin button, named after the box it
// steps, whose value is the box's number within the arrows' range, and which controls that
// box. Its arrows stay its children, as buttons of their own.
class SpinButtonAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpinButtonAccessible(SpinButton* spin);

    QString text(QAccessible::Text type) const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    SpinButton* spin() const;
};

// Qt's factory of accessibility interfaces for the class named: this one for a SpinButton.
QAccessibleInterface* spin_button_accessible(const QString& class_name, QObject* object);
