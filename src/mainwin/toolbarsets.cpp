#include "mainwin/toolbarsets.h"

namespace orlavine {

namespace {

ToolBarEntry Entry(const QString& caption, const QString& before, const QString& after)
{
    return {caption, before + caption + after, caption.toLower()};
}

} // namespace

ToolBarEntry ToolBarSetEntry(bool helpTab, int position)
{
    if (!helpTab) {
        switch (position) {
        case 1:
            return Entry(QStringLiteral("Home"), QStringLiteral("Load "), QStringLiteral(" page"));
        case 2:
            return Entry(QStringLiteral("Report"), QStringLiteral("Load "),
                         QStringLiteral(" card"));
        case 3:
            return Entry(QStringLiteral("Print"), QString(), QStringLiteral(" results"));
        case 4:
            return Entry(QStringLiteral("Close"), QString(), QStringLiteral(" program"));
        }
        return {};
    }
    switch (position) {
    case 1:
        return Entry(QStringLiteral("About"), QString(), QStringLiteral(" Orlavine"));
    case 2:
        return Entry(QStringLiteral("Trash"), QString(), QStringLiteral(" past results"));
    case 4:
        return Entry(QStringLiteral("Setup"), QStringLiteral("Printer "), QString());
    }
    return {};
}

} // namespace orlavine
