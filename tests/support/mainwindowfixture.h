#pragma once

// A started main window on a fresh program folder, for the tests of the main window and
// of the pages built on it. Header only; a test using it links orlavine_gui.

#include "marking/clock.h"
#include "mainwin/contents.h"
#include "guifixture.h"
#include "records/learner.h"

#include <memory>

/// Every pop-up box is answered (and recorded in popUps); `package` is a copy of the test
/// package that a test may edit and install() before start().
struct MainWindowFixture {
    SkinnedTestFolder folder;
    PackageCopy package;
    PopUpAnswers popUps;
    std::unique_ptr<orlavine::Contents> window;

    /// Runs the start-up: constructs the main window (not shown).
    orlavine::Contents& start()
    {
        window = std::make_unique<orlavine::Contents>();
        return *window;
    }
    /// Shows the started window and waits until it is on screen and active.
    void show()
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    const orlavine::MainSelection& selection() const { return window->selection(); }
    template <class T = QWidget> T* child(const char* name) const
    {
        return Child<T>(window.get(), QString::fromLatin1(name));
    }

    /// Writes first- and second-attempt scores of module `module` from paper index `from`
    /// (1-based) on, as marking would store them, keeping the other values.
    void recordScores(int module, const QList<QByteArray>& first,
                      const QList<QByteArray>& second = {}, int from = 1) const
    {
        const orlavine::PackageSettings settings = orlavine::ReadSettings();
        const int papers = settings.module(module).paperCount;
        orlavine::MarksLists marks = orlavine::ReadMarksLists(module, settings.code, papers);
        for (int i = 0; i < first.size(); ++i) {
            marks[orlavine::FSE][from - 1 + i] = first[i];
            marks[orlavine::FST][from - 1 + i] = first[i].isEmpty() ? "0" : "1";
        }
        for (int i = 0; i < second.size(); ++i) {
            marks[orlavine::SSE][from - 1 + i] = second[i];
            marks[orlavine::SST][from - 1 + i] = second[i].isEmpty() ? "0" : "1";
        }
        orlavine::WriteMarksLists(marks, module, settings.code, papers);
    }
};
