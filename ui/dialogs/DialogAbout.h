#pragma once

#include <QDialog>
#include <QPoint>

namespace Ui {
class AboutDialog;
}

// The about box: a picture with the program's name, version and web site,
// dragged by any point.
class DialogAbout : public QDialog
{
    Q_OBJECT

public:
    explicit DialogAbout(QWidget *parent = nullptr);
    ~DialogAbout() override;

    // "1.0.5.0" reads "1.05": major, a point, minor and patch written together,
    // with a leading "0" when that part has a single digit.
    static QString formatVersion(const QString &version);
    static QString applicationVersion();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fitTexts();

    Ui::AboutDialog *ui;
    bool m_pressed = false;
    QPoint m_offset;
};
