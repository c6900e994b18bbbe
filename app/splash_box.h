#pragma once

// The box shown while the program starts: icon, name and version on a
// borderless window that stays on top, centred on the screen.

#include <QString>
#include <QWidget>

namespace korvex::app {

class SplashBox : public QWidget {
    Q_OBJECT
public:
    // `version` without the "ver." prefix, e.g. "1.0".
    explicit SplashBox(const QString& version, QWidget* owner = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace korvex::app
