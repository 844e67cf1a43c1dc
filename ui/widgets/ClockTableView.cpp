#include "ClockTableView.h"

#include "ClockTableAccessible.h"

#include <QAccessible>
#include <QComboBox>
#include <QKeyEvent>

namespace {

bool isOpeningKey(const QEvent *event)
{
    if (!event || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2;
}

} // namespace

ClockTableView::ClockTableView(QWidget *parent)
    : QTableView(parent)
{
    ClockTableAccessible::install();
}

QWidget *ClockTableView::openEditor() const
{
    if (!m_edited.isValid() || state() != EditingState)
        return nullptr;
    // The delegate's editor is the one visible widget the view put on its viewport.
    for (QObject *child : viewport()->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget->isVisible())
            return widget;
    }
    return nullptr;
}

bool ClockTableView::openCell(const QModelIndex &index)
{
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEditable))
        return false;
    setCurrentIndex(index);
    return edit(index, AllEditTriggers, nullptr);
}

bool ClockTableView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (m_editsAtOnce && index.isValid() && (index.flags() & Qt::ItemIsEditable)) {
        // A first click on a cell comes with no trigger, a click on the
        // selected cell would wait for a double click. Opened once the
        // release is handled: the view ends its release by leaving the
        // editing state, and would then leave the box unattended.
        const bool click = event && event->type() == QEvent::MouseButtonRelease
            && (trigger == NoEditTriggers || trigger == SelectedClicked);
        if (click) {
            const QPersistentModelIndex clicked(index);
            QMetaObject::invokeMethod(
                this,
                [this, clicked] {
                    if (!clicked.isValid() || !QTableView::edit(clicked, AllEditTriggers, nullptr))
                        return;
                    m_edited = clicked;
                    // A click shows the choices at once; from the keyboard the
                    // box takes the arrow keys, and Alt+Down or F4 shows them.
                    if (auto *box = qobject_cast<QComboBox *>(openEditor()))
                        box->showPopup();
                },
                Qt::QueuedConnection);
            return true;
        }
        // A key opens only with the keys that open a cell (any letter would too, otherwise).
        if (isOpeningKey(event))
            trigger = AllEditTriggers;
    }
    if (!QTableView::edit(index, trigger, event))
        return false;
    if (state() == EditingState)
        m_edited = index;
    return true;
}

void ClockTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    m_edited = QPersistentModelIndex();
    QTableView::closeEditor(editor, hint);
}

void ClockTableView::keyPressEvent(QKeyEvent *event)
{
    // QAbstractItemView only activates on Enter.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (m_editsAtOnce && enter && state() != EditingState && edit(currentIndex(), EditKeyPressed, event))
        return;
    QTableView::keyPressEvent(event);
}

void ClockTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // QTableView's own would announce the cell by its numbering, hidden columns included.
    QAbstractItemView::currentChanged(current, previous);
#ifndef QT_NO_ACCESSIBILITY
    if (QAccessible::isActive() && current.isValid() && hasFocus()) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(ClockTableAccessible::childIndex(*this, current));
        QAccessible::updateAccessibility(&event);
    }
#endif
}

void ClockTableView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
#ifndef QT_NO_ACCESSIBILITY
    if (QAccessible::isActive()) {
        const auto announce = [this](const QItemSelection &range, QAccessible::Event kind) {
            for (const QModelIndex &index : range.indexes()) {
                const int child = ClockTableAccessible::childIndex(*this, index);
                if (child < 0)
                    continue;
                QAccessibleEvent event(this, kind);
                event.setChild(child);
                QAccessible::updateAccessibility(&event);
            }
        };
        announce(selected, QAccessible::SelectionAdd);
        announce(deselected, QAccessible::SelectionRemove);
    }
#endif
    QAbstractItemView::selectionChanged(selected, deselected);
}

void ClockTableView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles)
{
    const int row = topLeft.row();
    // An open editor is brought in line by the base class.
    if (!topLeft.isValid() || row != bottomRight.row() || state() == EditingState) {
        QTableView::dataChanged(topLeft, bottomRight, roles);
        return;
    }
    if (isVisible() && !isRowHidden(row)) {
        const QRect rect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
        if (rect.intersects(viewport()->rect()))
            viewport()->update(rect);
    }
#ifndef QT_NO_ACCESSIBILITY
    if (QAccessible::isActive()) {
        QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
        event.setFirstRow(row);
        event.setFirstColumn(topLeft.column());
        event.setLastRow(row);
        event.setLastColumn(bottomRight.column());
        QAccessible::updateAccessibility(&event);
    }
#endif
}
