// The skinned frame on a real window: pieces and outline, title bar, activation skins,
// title-bar hover, dragging by the top bar; and the skin layer's cache.
#include "guifixture.h"
#include "chrome/picturebutton.h"
#include "chrome/skin.h"
#include "chrome/skinnedframe.h"

#include <QtTest>

using namespace orlavine;

class TestSkinnedFrame : public QObject {
    Q_OBJECT

  private slots:
    void piecesTitleBarAndOutline();
    void longTitleStopsBeforeTheButtons();
    void resizingLaysOutAgain();
    void activationSwitchesTheSkin();
    void hoverOnlyWhileActive();
    void maximisedWindowShowsNormPicture();
    void titleDragsTheWindow();
    void skinReadsEachPictureOnce();
};

namespace {

struct Window {
    explicit Window(FrameKind kind)
    {
        widget.resize(405, 492);
        widget.move(40, 40);
        frame = new SkinnedFrame(&widget, kind);
        frame->setTitle(QStringLiteral("Test Practice"));
        frame->layOut();
    }
    QWidget widget;
    SkinnedFrame* frame;
};

QPoint CentreOf(const QWidget* widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

QString PictureOf(const QWidget& window, const char* name)
{
    auto* button = Child<PictureButton>(&window, QString::fromLatin1(name));
    return button ? button->picture() : QString();
}

} // namespace

void TestSkinnedFrame::piecesTitleBarAndOutline()
{
    SkinnedTestFolder folder;
    Window w(FrameKind::Main);
    QVERIFY(w.widget.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(Child(&w.widget, "BTopLeft")->geometry(), QRect(0, 0, 8, 30));
    QCOMPARE(Child(&w.widget, "BTopCentre")->geometry(), QRect(8, 0, 389, 30));
    QCOMPARE(Child(&w.widget, "BTopRight")->geometry(), QRect(397, 0, 8, 30));
    QCOMPARE(Child(&w.widget, "BLeft")->geometry(), QRect(0, 30, 5, 457));
    QCOMPARE(Child(&w.widget, "BRight")->geometry(), QRect(400, 30, 5, 457));
    QCOMPARE(Child(&w.widget, "BBotLeft")->geometry(), QRect(0, 487, 5, 5));
    QCOMPARE(Child(&w.widget, "BBot")->geometry(), QRect(5, 487, 395, 5));
    QCOMPARE(Child(&w.widget, "BBotRight")->geometry(), QRect(400, 487, 5, 5));
    QCOMPARE(Child(&w.widget, "Title")->x(), 30);
    QCOMPARE(Child(&w.widget, "ImgIco")->geometry(), QRect(9, 7, 16, 16));
    QCOMPARE(Child(&w.widget, "imgProgClose")->geometry(), QRect(380, 4, 21, 21));
    QCOMPARE(Child(&w.widget, "imgProgMin")->geometry(), QRect(357, 4, 21, 21));
    QVERIFY(!w.widget.findChild<QWidget*>(QStringLiteral("imgProgMax")));
    QCOMPARE(w.widget.windowTitle(), QStringLiteral("Test Practice"));
    QCOMPARE(w.widget.mask(),
             QRegion(RoundedOutline({405, 492}, FrameKind::Main), Qt::WindingFill));

    Window practice(FrameKind::Practice);
    QVERIFY(Child(&practice.widget, "imgProgMax"));
    QCOMPARE(Child(&practice.widget, "imgProgMin")->x(), 405 - 21 - 5 - 23 - 23);
}

void TestSkinnedFrame::longTitleStopsBeforeTheButtons()
{
    SkinnedTestFolder folder;
    Window w(FrameKind::Main);
    w.frame->setTitle(QString(200, QLatin1Char('W')));
    const QWidget* title = Child(&w.widget, "Title");
    QVERIFY(title->geometry().right() < Child(&w.widget, "imgProgMin")->x());
}

void TestSkinnedFrame::resizingLaysOutAgain()
{
    SkinnedTestFolder folder;
    Window w(FrameKind::Practice);
    w.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
    w.widget.resize(800, 600);
    QTRY_COMPARE(Child(&w.widget, "BTopRight")->x(), 792);
    QCOMPARE(Child(&w.widget, "BBot")->geometry(), QRect(5, 595, 790, 5));
    QCOMPARE(Child(&w.widget, "imgProgClose")->x(), 774);
    QCOMPARE(w.widget.mask(),
             QRegion(RoundedOutline({800, 600}, FrameKind::Practice), Qt::WindingFill));
}

void TestSkinnedFrame::activationSwitchesTheSkin()
{
    SkinnedTestFolder folder;
    Window main(FrameKind::Main);
    Window other(FrameKind::Practice);
    other.widget.move(500, 40);
    main.widget.show();
    other.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other.widget));

    main.widget.activateWindow();
    QTRY_VERIFY(main.frame->isActive());
    QCOMPARE(PictureOf(main.widget, "BTopCentre"), pic::BorderTopCentre);
    QCOMPARE(Child<QLabel>(&main.widget, "Title")->palette().color(QPalette::WindowText),
             QColor(255, 255, 255));

    other.widget.activateWindow();
    QTRY_VERIFY(!main.frame->isActive());
    QVERIFY(other.frame->isActive());
    QCOMPARE(PictureOf(main.widget, "BTopLeft"), pic::BorderWhiteTopLeft);
    QCOMPARE(PictureOf(main.widget, "BTopCentre"), pic::BorderWhiteTopCentre);
    QCOMPARE(PictureOf(main.widget, "BTopRight"), pic::BorderWhiteTopRight);
    QCOMPARE(PictureOf(main.widget, "imgProgClose"), pic::ProgWhiteClose);
    QCOMPARE(PictureOf(main.widget, "imgProgMin"), pic::ProgWhiteMin);
    QCOMPARE(Child<QLabel>(&main.widget, "Title")->palette().color(QPalette::WindowText),
             QColor(128, 128, 128));
    // The side and bottom pieces have one skin.
    QCOMPARE(PictureOf(main.widget, "BLeft"), pic::BorderLeft);

    main.widget.activateWindow();
    QTRY_COMPARE(PictureOf(main.widget, "BTopCentre"), pic::BorderTopCentre);
    QCOMPARE(PictureOf(main.widget, "imgProgClose"), pic::ProgBlueOffClose);
    QCOMPARE(PictureOf(other.widget, "imgProgMax"), pic::ProgWhiteMax);
}

void TestSkinnedFrame::hoverOnlyWhileActive()
{
    SkinnedTestFolder folder;
    Window w(FrameKind::Main);
    w.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
    QWidget* close = Child(&w.widget, "imgProgClose");
    w.frame->showActiveFrame();
    Hover(close);
    QCOMPARE(PictureOf(w.widget, "imgProgClose"), pic::ProgBlueClose);
    QCOMPARE(PictureOf(w.widget, "imgProgMin"), pic::ProgBlueOffMin);
    Hover(close, false);
    QCOMPARE(PictureOf(w.widget, "imgProgClose"), pic::ProgBlueOffClose);

    Hover(close);
    w.frame->showInactiveFrame();
    QCOMPARE(PictureOf(w.widget, "imgProgClose"), pic::ProgWhiteClose);
    w.frame->showActiveFrame(); // still under the pointer
    QCOMPARE(PictureOf(w.widget, "imgProgClose"), pic::ProgBlueClose);
}

void TestSkinnedFrame::maximisedWindowShowsNormPicture()
{
    SkinnedTestFolder folder;
    Window w(FrameKind::Practice);
    w.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
    w.frame->showActiveFrame();
    QCOMPARE(PictureOf(w.widget, "imgProgMax"), pic::ProgBlueOffMax);
    w.widget.setWindowState(Qt::WindowMaximized);
    QTRY_COMPARE(PictureOf(w.widget, "imgProgMax"), pic::ProgBlueOffNorm);
    Hover(Child(&w.widget, "imgProgMax"));
    QCOMPARE(PictureOf(w.widget, "imgProgMax"), pic::ProgBlueNorm);
    w.frame->showInactiveFrame();
    QCOMPARE(PictureOf(w.widget, "imgProgMax"), pic::ProgWhiteMax);
}

void TestSkinnedFrame::titleDragsTheWindow()
{
    SkinnedTestFolder folder;
    Window w(FrameKind::Main);
    w.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.widget));
    const QPoint start = w.widget.pos();
    for (const char* handle : {"Title", "BTopCentre"}) {
        QWidget* grip = Child(&w.widget, QString::fromLatin1(handle));
        const QPoint from = CentreOf(grip);
        const QPoint local = grip->rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, local, from, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(grip, &press);
        const QPoint to = from + QPoint(30, 20);
        QMouseEvent move(QEvent::MouseMove, local + QPoint(30, 20), to, Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grip, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, local + QPoint(30, 20), to, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(grip, &release);
    }
    QTRY_COMPARE(w.widget.pos(), start + QPoint(60, 40));
}

void TestSkinnedFrame::skinReadsEachPictureOnce()
{
    SkinnedTestFolder folder;
    const int before = Skin::filesRead();
    const QPixmap first = Skin::picture(pic::ButtonOn);
    QCOMPARE(first.size(), QSize(80, 26));
    Skin::picture(pic::ButtonOn);
    QCOMPARE(Skin::filesRead(), before + 1);
    // A missing picture gives a null pixmap and is not looked for again.
    QVERIFY(Skin::picture(QStringLiteral("nothing_here.bmp")).isNull());
    Skin::picture(QStringLiteral("nothing_here.bmp"));
    QCOMPARE(Skin::filesRead(), before + 2);
    // Names are found without regard to letter case.
    QCOMPARE(Skin::picture(pic::PracticeIcon).isNull(), false);
    // On a dense screen a picture drawn at twice the size stands in, at the same size on
    // screen; without one, the picture itself.
    QImage sharp(160, 52, QImage::Format_RGB32);
    sharp.fill(Qt::red);
    QVERIFY(sharp.save(folder.file("Graphics/button_on@2x.png")));
    QCOMPARE(Skin::picture(pic::ButtonOn, 1).devicePixelRatio(), 1.0);
    const QPixmap& dense = Skin::picture(pic::ButtonOn, 2);
    QCOMPARE(dense.devicePixelRatio(), 2.0);
    QCOMPARE(dense.deviceIndependentSize(), QSizeF(first.size()));
    QCOMPARE(Skin::picture(pic::ButtonOff, 1.5).devicePixelRatio(), 1.0);
}

QTEST_MAIN(TestSkinnedFrame)
#include "tst_skinnedframe.moc"
