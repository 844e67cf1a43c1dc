#include "ui/widgets/ClockTableDelegates.h"

#include "ui/services/StatusPixmaps.h"

#include <QApplication>
#include <QComboBox>
#include <QSignalBlocker>

SeverityIconDelegate::SeverityIconDelegate(const StatusPixmaps &pixmaps, int severityRole, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_pixmaps(pixmaps)
    , m_severityRole(severityRole)
{
}

void SeverityIconDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant severity = index.data(m_severityRole);
    if (!severity.isValid())
        return;
    option->icon = m_pixmaps.icon(severity.toInt());
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->decorationSize = option->icon.actualSize(option->decorationSize);
}

ChoiceDelegate::ChoiceDelegate(int choicesRole, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_choicesRole(choicesRole)
{
}

void ChoiceDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    QStyleOptionComboBox box;
    box.initFrom(widget);
    box.rect = option.rect.adjusted(1, 1, -1, -1);
    box.state = option.state | QStyle::State_Enabled;
    box.currentText = cell.text;
    box.editable = false;
    style->drawComplexControl(QStyle::CC_ComboBox, &box, painter, widget);
    style->drawControl(QStyle::CE_ComboBoxLabel, &box, painter, widget);
}

QWidget *ChoiceDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    auto *box = new QComboBox(parent);
    box->setAccessibleName(index.data(Qt::AccessibleDescriptionRole).toString());
    box->addItems(index.data(m_choicesRole).toStringList());
    connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, box] {
        emit const_cast<ChoiceDelegate *>(this)->commitData(box);
    });
    return box;
}

void ChoiceDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *box = static_cast<QComboBox *>(editor);
    // Bringing the box in line is no choice of the user's.
    const QSignalBlocker blocker(box);
    // Groups may have been made or renamed since the editor opened.
    const QStringList choices = index.data(m_choicesRole).toStringList();
    QStringList shown;
    for (int i = 0; i < box->count(); ++i)
        shown << box->itemText(i);
    if (shown != choices) {
        box->clear();
        box->addItems(choices);
    }
    box->setCurrentIndex(index.data(Qt::EditRole).toInt());
}

void ChoiceDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    const int chosen = static_cast<QComboBox *>(editor)->currentIndex();
    if (chosen >= 0 && chosen != index.data(Qt::EditRole).toInt())
        emit choiceMade(index, chosen);
}
