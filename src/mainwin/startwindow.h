#pragma once

#include <QWidget>

namespace orlavine {

/// A plain window naming the package and its modules; stands until the main window exists.
class StartWindow : public QWidget {
public:
    StartWindow();
};

} // namespace orlavine
