#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <unistd.h>

// What the practice windows' GUI tests share: a main() that prepares Qt WebEngine, and
// the answering of a modal box that an action is about to open.

/// Runs the test class in a QApplication set up as the program sets it up: shared
/// OpenGL contexts, and no Chromium sandbox when running as root.
#define ORLAVINE_GUI_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (::geteuid() == 0)                                                                      \
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");                                           \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

/// A system message box that was answered: its title and text (empty when none came).
struct SeenBox {
    QString title;
    QString text;
    bool seen() const { return !text.isEmpty(); }
};

/// From the next turn of the event loop on, waits for a modal QMessageBox, notes what it
/// says and presses its OK button.
inline void AnswerNextMessageBox(SeenBox* seen, int waitMs = 5000)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(timer, &QTimer::timeout, [timer, seen, started, waitMs] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            seen->title = box->windowTitle();
            seen->text = box->text();
            box->button(QMessageBox::Ok)->click();
        }
        if (box || started->elapsed() > waitMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}
