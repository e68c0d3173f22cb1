#pragma once

#include "marking/attempt.h"
#include "testfolder.h"

#include <QDateTime>

// Shared by the practice tests: a program folder with module 1's learner files in place,
// and the exact bytes those files hold after a paper's line changed.

/// Module 1 of the test package: code TS, ten papers.
orlavine::PaperRef TestPaper(int paperNumber);

/// The fixed opening moment of the tests' attempts.
QDateTime TestStart();

/// A fresh program folder whose learner files are the blank templates.
class RecordsFolder : public TestFolder {
  public:
    RecordsFolder();
};

/// The bytes of an answer or result file of module 1 after the line of `paperNumber`
/// became `fields` (every other paper keeps its blank line).
QByteArray PaperFile(int paperNumber, const orlavine::Fields& fields);

/// The bytes of module 1's marks file with the given values for one paper (index 1..10),
/// every other paper blank.
QByteArray MarksFile(int paperIndex, const QByteArray& fse, const QByteArray& sse,
                     const QByteArray& ltm, const QByteArray& cdd, const QByteArray& fst,
                     const QByteArray& sst);

/// The modification identity (inode and time) of a file, to tell a rewrite from none.
QByteArray FileIdentity(const QString& path);
