#include "chrome/pagescroller.h"

#include <QApplication>

namespace orlavine {

PageScroller::PageScroller(QWidget* page, QWidget* parent) : QScrollArea(parent)
{
    setObjectName(page->objectName() + QStringLiteral("Scroller"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    setWidget(page);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && widget()->isAncestorOf(now))
            ensureWidgetVisible(now, 0, 0);
    });
}

QWidget* PageScroller::outer(QWidget* page)
{
    QWidget* viewport = page->parentWidget();
    auto* scroller = qobject_cast<PageScroller*>(viewport ? viewport->parentWidget() : nullptr);
    return scroller && scroller->widget() == page ? scroller : page;
}

} // namespace orlavine
