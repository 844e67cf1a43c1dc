#pragma once

#include <QLabel>

// A label that shortens its text with an ellipsis to fit, and reports clicks.
// With Qt::ElideNone it behaves as a plain label.
class ElideLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(Qt::TextElideMode elideMode READ elideMode WRITE setElideMode)

public:
    explicit ElideLabel(QWidget *parent = nullptr);
    explicit ElideLabel(const QString &text, QWidget *parent = nullptr);

    Qt::TextElideMode elideMode() const { return m_elideMode; }
    void setElideMode(Qt::TextElideMode mode);

    QSize minimumSizeHint() const override;
    // The text as drawn in the current width.
    QString elidedText() const;

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Qt::TextElideMode m_elideMode = Qt::ElideNone;
};
