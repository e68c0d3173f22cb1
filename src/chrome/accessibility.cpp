#include "chrome/accessibility.h"

#include "chrome/picturebutton.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace orlavine {

namespace {

const char* const kRoleProperty = "orlavineAccessibleRole";
const char* const kReadoutProperty = "orlavineReadout";
const char* const kChosenProperty = "orlavineChosen";

/// A widget told as a whole: its own role and name, no children.
class WholeWidget : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

/// A picture button or a click label as a button that the press action clicks.
class SkinButton : public WholeWidget {
  public:
    explicit SkinButton(QWidget* widget) : WholeWidget(widget, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        // A hover hint ends in its shortcut, "Hide answer sheet (Ctrl+H)": the name is
        // what comes before, the shortcut is told as the button's accelerator.
        static const QRegularExpression shortcut(QStringLiteral(" \\(([^)]*)\\)$"));
        if (t == QAccessible::Accelerator)
            return shortcut.match(widget()->toolTip()).captured(1);
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return WholeWidget::text(t);
        if (auto* label = qobject_cast<QLabel*>(widget()); label && !label->text().isEmpty())
            return label->text();
        const auto* caption =
            widget()->findChild<ClickLabel*>(QString(), Qt::FindDirectChildrenOnly);
        return caption ? caption->text() : QString(widget()->toolTip()).remove(shortcut);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = WholeWidget::state();
        const QVariant chosen = widget()->property(kChosenProperty);
        if (chosen.isValid()) {
            state.checkable = true;
            state.checked = chosen.toBool();
        }
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name != pressAction() || !widget()->isEnabled())
            return;
        // Later, as a QPushButton's animated click: a click may open a modal box, and the
        // screen reader waits for the action's answer.
        if (auto* button = qobject_cast<PictureButton*>(widget()))
            QMetaObject::invokeMethod(button, &PictureButton::click, Qt::QueuedConnection);
        else if (auto* label = qobject_cast<ClickLabel*>(widget()))
            QMetaObject::invokeMethod(
                label, [label] { emit label->clicked(); }, Qt::QueuedConnection);
    }
};

class Readout : public WholeWidget {
  public:
    explicit Readout(QWidget* panel) : WholeWidget(panel, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return WholeWidget::text(t);
        QStringList shown;
        for (const QLabel* label : widget()->findChildren<QLabel*>()) {
            if (label->isVisibleTo(widget()) && !label->text().isEmpty())
                shown << label->text();
        }
        const QString what = widget()->property(kReadoutProperty).toString();
        return what.isEmpty() ? shown.join(u' ') : what + QStringLiteral(": ") + shown.join(u' ');
    }
};

/// The controls the interfaces answer for.
QSet<const QObject*>& Controls()
{
    static QSet<const QObject*> controls;
    return controls;
}

QAccessibleInterface* SkinInterfaces(const QString& className, QObject* object)
{
    if (!Controls().contains(object))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // Asked once for each class up the hierarchy: answered for the object's own class only.
    if (className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (role.isValid())
        return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
    if (widget->property(kReadoutProperty).isValid())
        return new Readout(widget);
    if (qobject_cast<PictureButton*>(widget))
        return new SkinButton(widget);
    if (qobject_cast<ClickLabel*>(widget) && !qobject_cast<PictureButton*>(widget->parentWidget()))
        return new SkinButton(widget);
    return nullptr;
}

} // namespace

void InstallSkinInterfaces(QWidget* control)
{
    // The factory installed last is asked first.
    static const bool installed = (QAccessible::installFactory(SkinInterfaces), true);
    Q_UNUSED(installed);
    if (Controls().contains(control))
        return;
    Controls().insert(control);
    QObject::connect(control, &QObject::destroyed, [control] { Controls().remove(control); });
}

void SetAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    InstallSkinInterfaces(widget);
    widget->setProperty(kRoleProperty, int(role));
}

void SetAccessibleChosen(QWidget* control, bool chosen)
{
    InstallSkinInterfaces(control);
    const QVariant before = control->property(kChosenProperty);
    control->setProperty(kChosenProperty, chosen);
    if (before.isValid() && before.toBool() == chosen)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void SetReadout(QWidget* panel, const QString& what)
{
    InstallSkinInterfaces(panel);
    panel->setProperty(kReadoutProperty, what);
}

void AnnounceReadout(QWidget* label)
{
    for (QWidget* panel = label; panel; panel = panel->parentWidget()) {
        if (panel->property(kReadoutProperty).isValid()) {
            QAccessibleEvent event(panel, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
            return;
        }
    }
}

} // namespace orlavine
