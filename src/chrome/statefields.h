#pragma once

#include <QString>
#include <QWidget>

namespace orlavine {

/// The main window's named state fields (PaperNum, TakeNum, PopUpResponse, ...): hidden
/// text fields through which the windows pass state to each other. Each field is a hidden
/// child label (a light widget: the window keeps thirteen) whose objectName is the
/// field's name, so tests find it by name.
class StateFields : public QWidget {
public:
    explicit StateFields(QWidget* parent = nullptr);

    /// The field's text; empty for a field never set.
    QString value(const QString& name) const;
    /// Sets the field, creating it on first use.
    void setValue(const QString& name, const QString& text);
    /// The field's numeric value, as the windows compare it (0 when not a number).
    int number(const QString& name) const;
};

} // namespace orlavine
