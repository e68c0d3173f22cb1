#include "statefields.h"

#include <QLineEdit>

namespace orlavine {

StateFields::StateFields(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StateFields"));
    hide();
}

QString StateFields::value(const QString& name) const
{
    const auto* field = findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
    return field ? field->text() : QString();
}

void StateFields::setValue(const QString& name, const QString& text)
{
    auto* field = findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
    if (!field) {
        field = new QLineEdit(this);
        field->setObjectName(name);
        field->hide();
    }
    field->setText(text);
}

int StateFields::number(const QString& name) const { return value(name).trimmed().toInt(); }

} // namespace orlavine
