#include "startwindow.h"

#include "clock.h"
#include "error.h"
#include "learner.h"
#include "pictures.h"
#include "recordtext.h"

#include <QLabel>
#include <QVBoxLayout>

namespace orlavine {

StartWindow::StartWindow()
{
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(this);
    layout->addWidget(text);
    try {
        ExtractGraphics();
        const PackageSettings settings = ReadSettings();
        EnsureLearnerRecords(settings, Now());
        QString lines = DecodeRecordText(settings.name);
        for (int m = 1; m <= 3; ++m) {
            if (settings.module(m).exists())
                lines += QStringLiteral("\nModule %1: %2").arg(m).arg(DecodeRecordText(settings.module(m).label));
        }
        text->setText(lines);
        setWindowTitle(DecodeRecordText(settings.name));
    } catch (const Error& e) {
        text->setText(e.message());
    }
}

} // namespace orlavine
