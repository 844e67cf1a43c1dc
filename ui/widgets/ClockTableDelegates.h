#pragma once

#include <QStyledItemDelegate>

class StatusPixmaps;

// The clock table's severity cells (status and audit): the text of the
// model with the theme's icon for the severity it carries in a role.
class SeverityIconDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    SeverityIconDelegate(const StatusPixmaps &pixmaps, int severityRole, QObject *parent = nullptr);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    const StatusPixmaps &m_pixmaps;
    int m_severityRole;
};

// A combo box as the editor of a cell whose choices the model gives as a
// string list in choicesRole and whose EditRole is the chosen index. A
// choice is announced at once (choiceMade), without leaving the cell first;
// whoever owns the data applies it, the model follows.
class ChoiceDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ChoiceDelegate(int choicesRole, QObject *parent = nullptr);
    int choicesRole() const { return m_choicesRole; }

    // Drawn as a closed combo box, so the cell says it can be chosen.
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

signals:
    void choiceMade(const QModelIndex &index, int choice) const;

private:
    int m_choicesRole;
};
