#pragma once

#include "practice/practiceplugin.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QWebEnginePage;

namespace orlavine {

class PracticeWindow;

/// The practice windows' plugin: opens the windows and keeps the list of those open.
class PracticeWindows : public QObject, public PracticePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OrlavinePracticePlugin_iid)
    Q_INTERFACES(orlavine::PracticePlugin)
  public:
    void open(const PaperChoice& choice, std::function<void()> closed) override;
    void closeAll() override;
    void warmUp(std::function<void()> done) override;

  private:
    QList<QPointer<PracticeWindow>> m_open;
    QWebEnginePage* m_warm = nullptr; // the hidden page of nothing
    bool m_warmed = false;
};

} // namespace orlavine
