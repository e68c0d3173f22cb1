#include "chrome/statefields.h"

#include <QLabel>

namespace orlavine {

StateFields::StateFields(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StateFields"));
    hide();
}

QString StateFields::value(const QString& name) const
{
    const auto* field = findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    return field ? field->text() : QString();
}

void StateFields::setValue(const QString& name, const QString& text)
{
    auto* field = findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    if (!field) {
        field = new QLabel(this);
        field->setObjectName(name);
        field->setTextFormat(Qt::PlainText);
        field->hide();
    }
    field->setText(text);
}

int StateFields::number(const QString& name) const { return value(name).trimmed().toInt(); }

} // namespace orlavine
