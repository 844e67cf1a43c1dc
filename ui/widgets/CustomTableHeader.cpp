#include "ui/widgets/CustomTableHeader.h"

CustomTableHeader::CustomTableHeader(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    setSectionsClickable(true);
    connect(this, &QHeaderView::sectionResized, this, &CustomTableHeader::placeWidgets);
    connect(this, &QHeaderView::sectionMoved, this, &CustomTableHeader::placeWidgets);
    connect(this, &QHeaderView::geometriesChanged, this, &CustomTableHeader::placeWidgets);
}

void CustomTableHeader::setSectionWidget(int section, QWidget *widget)
{
    // Setting the widget a section already holds must not delete it.
    if (QWidget *old = m_widgets.value(section); old && old != widget)
        old->deleteLater();
    if (!widget) {
        m_widgets.remove(section);
        return;
    }
    widget->setParent(viewport());
    m_widgets.insert(section, widget);
    widget->show();
    placeWidgets();
}

QWidget *CustomTableHeader::sectionWidget(int section) const
{
    return m_widgets.value(section);
}

void CustomTableHeader::placeWidgets()
{
    for (auto it = m_widgets.cbegin(); it != m_widgets.cend(); ++it) {
        QWidget *widget = it.value();
        if (!widget)
            continue;
        const int section = it.key();
        if (section >= count() || isSectionHidden(section)) {
            widget->hide();
            continue;
        }
        if (orientation() == Qt::Horizontal)
            widget->setGeometry(sectionViewportPosition(section), 0, sectionSize(section), height());
        else
            widget->setGeometry(0, sectionViewportPosition(section), width(), sectionSize(section));
        widget->show();
    }
}

void CustomTableHeader::showEvent(QShowEvent *event)
{
    QHeaderView::showEvent(event);
    placeWidgets();
}

void CustomTableHeader::resizeEvent(QResizeEvent *event)
{
    QHeaderView::resizeEvent(event);
    placeWidgets();
}
