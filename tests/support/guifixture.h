#pragma once

// Shared pieces of the GUI tests: a program folder with the pictures written out, a
// package copy with edited settings, finding widgets by name and answering the pop-up box.
// Header only; a test using it links orlavine_gui.

#include "records/pictures.h"
#include "chrome/pagescroller.h"
#include "chrome/popupbox.h"
#include "records/resources.h"
#include "chrome/skin.h"
#include "testfolder.h"

#include <QEnterEvent>
#include <QScrollArea>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

/// A fresh program folder whose Graphics folder holds the test package's pictures, with
/// the skin's cache emptied so windows read them from there.
class SkinnedTestFolder : public TestFolder {
  public:
    SkinnedTestFolder()
    {
        orlavine::ExtractGraphics();
        orlavine::Skin::reload();
    }
};

/// A copy of the test package whose files a test may edit; install() makes it the
/// package every core operation reads (until the TestFolder that was made before it ends).
class PackageCopy {
  public:
    PackageCopy() { CopyTestPackage(m_dir.path()); }

    QString path() const { return m_dir.path(); }
    /// Replaces `before` by `after` in the settings table; false when `before` is not there.
    bool editSettings(const QByteArray& before, const QByteArray& after) const
    {
        return ReplaceInFile(m_dir.filePath(QStringLiteral("30000-settings.txt")), before, after);
    }
    void install() const
    {
        orlavine::SetResourceSource(std::make_shared<orlavine::FolderResources>(m_dir.path()));
    }

  private:
    QTemporaryDir m_dir;
};

/// The child of `root` named `name`, or null (with a test failure message) when missing.
template <class T = QWidget> T* Child(const QObject* root, const QString& name)
{
    T* child = root->findChild<T*>(name);
    if (!child)
        qWarning("no child %s of type %s", qPrintable(name), T::staticMetaObject.className());
    return child;
}

/// Of the children of `parent` named in `names` (or holding, scrolled, a page so named),
/// the name of the one stacked in front.
inline QString Frontmost(const QWidget* parent, const QStringList& names)
{
    QString front;
    for (const QObject* child : parent->children()) {
        const auto* scroller = qobject_cast<const QScrollArea*>(child);
        const QObject* page = scroller && scroller->widget() ? scroller->widget() : child;
        if (names.contains(page->objectName()))
            front = page->objectName(); // later children stand in front
    }
    return front;
}

/// The pointer moves onto `widget` (an enter event) or, with `entering` false, off it.
inline void Hover(QWidget* widget, bool entering = true)
{
    if (entering) {
        const QPointF centre = QRectF(widget->rect()).center();
        QEnterEvent enter(centre, widget->mapTo(widget->window(), centre),
                          widget->mapToGlobal(centre));
        QCoreApplication::sendEvent(widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(widget, &leave);
    }
}

/// Answers every pop-up box while it lives: each box is recorded (title and message) and
/// answered with the next of `answers` (1, 2, or 0 for closing without a button), the
/// last answer repeating.
class PopUpAnswers {
  public:
    explicit PopUpAnswers(QList<int> answers = {1}) : m_answers(std::move(answers))
    {
        orlavine::SetPopUpAnswerer([this](orlavine::PopUpBox& box) {
            titles.append(
                box.findChild<QWidget*>(QStringLiteral("lblTitle"))->property("text").toString());
            messages.append(box.findChild<QWidget*>(QStringLiteral("lblMessage"))
                                ->property("text")
                                .toString()
                                .remove(QChar(0x200B)));
            const int next = qMin(int(titles.size()) - 1, int(m_answers.size()) - 1);
            return m_answers.value(next, 1);
        });
    }
    ~PopUpAnswers() { orlavine::SetPopUpAnswerer(nullptr); }
    PopUpAnswers(const PopUpAnswers&) = delete;
    PopUpAnswers& operator=(const PopUpAnswers&) = delete;

    QStringList titles;
    /// As shown, without the invisible places where a long path may break.
    QStringList messages;

  private:
    QList<int> m_answers;
};
