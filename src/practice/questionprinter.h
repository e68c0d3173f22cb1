#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class QPrinter;
class QWebEngineView;
class QWidget;

namespace orlavine {

/// Prints the question page through the print dialog. With no printer installed the
/// dialog offers a PDF file, named after the question, in the documents folder.
class QuestionPrinter : public QObject {
    Q_OBJECT
  public:
    QuestionPrinter(QWebEngineView* view, QWidget* dialogParent);
    ~QuestionPrinter() override;

    /// Asks for the printer, then prints; one job at a time. `title` names the file.
    void print(const QString& title);
    bool busy() const { return bool(m_printer); }

    /// The window is going: a job still printing keeps the viewer (hidden, out of the
    /// window) until it ends, then the viewer goes; with no job nothing changes.
    void releaseView();

    /// The folder offered for PDF files when no printer is installed; tests set it.
    static void SetFileFolder(const QString& folder);

  private:
    void finished();

    QPointer<QWebEngineView> m_view;
    QWidget* m_dialogParent;
    std::unique_ptr<QPrinter> m_printer;
    bool m_released = false;
};

} // namespace orlavine
