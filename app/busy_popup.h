#pragma once

// The small window shown while the program calculates or prints: a borderless
// panel that stays on top, centred on the screen, painted before the work starts.

#include <QLabel>
#include <QString>
#include <QWidget>

namespace korvex::app {

inline const QString kCalculatingText = QStringLiteral("　計算中 ・・・");
inline const QString kPrintingText = QStringLiteral("　印刷中 ・・・");

class BusyPopup : public QWidget {
    Q_OBJECT
public:
    // Shows itself at once and sets the hourglass cursor until it is destroyed.
    explicit BusyPopup(const QString& text, QWidget* owner = nullptr);
    ~BusyPopup() override;

    QString text() const { return label_->text(); }

private:
    QLabel* label_;
};

} // namespace korvex::app
