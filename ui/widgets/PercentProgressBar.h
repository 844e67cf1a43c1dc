#pragma once

#include <QProgressBar>

// A progress bar that gives assistive technology its progress in percent,
// whatever its own range: the progress dialog counts in ten-thousandths for
// a smooth bar, which a screen reader would otherwise read as "4000" of
// "10000". Its accessible name should say what progresses.
class PercentProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit PercentProgressBar(QWidget *parent = nullptr);

    // 0 to 100, rounded down as the bar's own "%p" is.
    int percent() const;
};
