#pragma once

#include <QHeaderView>
#include <QMap>
#include <QPointer>

// A clickable header whose sections can hold a widget (a check box, a
// filter) that always covers its section, however the table is resized,
// reordered or scrolled.
class CustomTableHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit CustomTableHeader(Qt::Orientation orientation, QWidget *parent = nullptr);

    void setSectionWidget(int section, QWidget *widget);
    QWidget *sectionWidget(int section) const;

public slots:
    void placeWidgets();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QMap<int, QPointer<QWidget>> m_widgets;
};
