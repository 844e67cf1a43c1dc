#include "ui/widgets/ClockTableView.h"

#include "ui/widgets/ClockTableDelegates.h"
#include "ui/widgets/ManageButtonsDelegate.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

namespace {

bool isOpeningKey(const QEvent *event)
{
    if (!event || event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2;
}

// The shown columns (logical indexes) in the order they are shown.
QList<int> shownColumns(const QTableView &view)
{
    QList<int> columns;
    const QAbstractItemModel *model = view.model();
    const int count = model ? model->columnCount(view.rootIndex()) : 0;
    for (int visual = 0; visual < count; ++visual) {
        const int logical = view.horizontalHeader()->logicalIndex(visual);
        if (logical >= 0 && !view.isColumnHidden(logical))
            columns << logical;
    }
    return columns;
}

QRect globalRect(const QTableView &view, const QRect &viewportRect)
{
    return QRect(view.viewport()->mapToGlobal(viewportRect.topLeft()), viewportRect.size());
}

QWindow *windowOf(const QWidget *widget)
{
    return widget ? widget->window()->windowHandle() : nullptr;
}

// What cells and header cells share: no object of their own, no text to
// set, the table as parent.
class TablePart : public QAccessibleInterface
{
public:
    explicit TablePart(ClockTableView *view) : m_view(view) {}

    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return windowOf(m_view); }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

protected:
    QPointer<ClockTableView> m_view;
};

class HeaderAccessible : public TablePart
{
public:
    HeaderAccessible(ClockTableView *view, int logical) : TablePart(view), m_logical(logical) {}

    bool isValid() const override { return m_view && m_view->model() && !m_view->isColumnHidden(m_logical); }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return QString();
        return m_view->model()->headerData(m_logical, Qt::Horizontal).toString();
    }
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QHeaderView *header = m_view->horizontalHeader();
        const QRect local(header->sectionViewportPosition(m_logical), 0, header->sectionSize(m_logical),
                          header->height());
        return QRect(header->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override { return QAccessible::State(); }

private:
    int m_logical;
};

class ButtonAccessible : public TablePart, public QAccessibleActionInterface
{
public:
    ButtonAccessible(ClockTableView *view, const QModelIndex &index, int button)
        : TablePart(view), m_index(index), m_button(button)
    {
    }

    bool isValid() const override
    {
        const ManageButtonsDelegate *buttons = delegate();
        return m_index.isValid() && buttons && m_button < buttons->buttonCount();
    }
    QAccessibleInterface *parent() const override
    {
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(m_view);
        const int child = m_view ? m_view->accessibleChildIndex(m_index) : -1;
        return table && child >= 0 ? table->child(child) : table;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? delegate()->toolTip(m_button) : QString();
    }
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        return globalRect(*m_view, delegate()->buttonRect(m_view->visualRect(m_index), m_button));
    }
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = isValid() && m_view->hasFocus() && m_view->currentIndex() == m_index
            && delegate()->focusedButton() == m_button;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && isValid())
            delegate()->press(m_index, m_button);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    ManageButtonsDelegate *delegate() const
    {
        return m_view ? qobject_cast<ManageButtonsDelegate *>(m_view->itemDelegateForColumn(m_index.column()))
                      : nullptr;
    }

    QPersistentModelIndex m_index;
    int m_button;
};

class CellAccessible : public TablePart,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface,
                       public QAccessibleValueInterface
{
public:
    CellAccessible(ClockTableView *view, const QModelIndex &index) : TablePart(view), m_index(index) {}
    ~CellAccessible() override
    {
        for (QAccessible::Id id : qAsConst(m_buttons))
            QAccessible::deleteAccessibleInterface(id);
    }

    QModelIndex index() const { return m_index; }

    bool isValid() const override { return m_view && m_index.isValid() && !m_view->isColumnHidden(m_index.column()); }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        const QString description = m_index.data(Qt::AccessibleDescriptionRole).toString();
        const QString shown = m_index.data(Qt::AccessibleTextRole).isValid()
            ? m_index.data(Qt::AccessibleTextRole).toString()
            : m_index.data(Qt::DisplayRole).toString();
        switch (t) {
        case QAccessible::Name:
            // A box is named for what it chooses; its choice is its value.
            return choices() ? description : shown;
        case QAccessible::Value:
            return choices() ? m_index.data(Qt::DisplayRole).toString() : QString();
        case QAccessible::Description:
            return choices() ? QString() : description;
        default:
            return QString();
        }
    }
    QRect rect() const override { return isValid() ? globalRect(*m_view, m_view->visualRect(m_index)) : QRect(); }
    QAccessible::Role role() const override { return choices() ? QAccessible::ComboBox : QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.focusable = true;
        state.selectable = true;
        state.focused = m_view->hasFocus() && m_view->currentIndex() == m_index;
        state.selected = isSelected();
        state.hasPopup = choices() != nullptr;
        state.expanded = editor() != nullptr;
        return state;
    }

    int childCount() const override
    {
        if (editor())
            return 1;
        const ManageButtonsDelegate *manage = buttons();
        return manage ? manage->buttonCount() : 0;
    }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (QWidget *open = editor())
            return QAccessible::queryAccessibleInterface(open);
        auto *self = const_cast<CellAccessible *>(this);
        while (self->m_buttons.size() <= index)
            self->m_buttons << QAccessible::registerAccessibleInterface(
                new ButtonAccessible(m_view, m_index, int(self->m_buttons.size())));
        return QAccessible::accessibleInterface(m_buttons.at(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child)
                return i;
        }
        return -1;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        switch (type) {
        case QAccessible::TableCellInterface:
            return static_cast<QAccessibleTableCellInterface *>(this);
        case QAccessible::ActionInterface:
            return static_cast<QAccessibleActionInterface *>(this);
        case QAccessible::ValueInterface:
            return choices() ? static_cast<QAccessibleValueInterface *>(this) : nullptr;
        default:
            return nullptr;
        }
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override
    {
        return isValid() && m_view->selectionModel() && m_view->selectionModel()->isSelected(m_index);
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        QAccessibleInterface *table = parent();
        const int column = columnIndex();
        QAccessibleInterface *header = table && column >= 0 ? table->child(column) : nullptr;
        return header ? QList<QAccessibleInterface *>{header} : QList<QAccessibleInterface *>{};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_view ? int(shownColumns(*m_view).indexOf(m_index.column())) : -1; }
    int rowIndex() const override { return m_index.row(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

    // QAccessibleActionInterface
    QStringList actionNames() const override
    {
        if (choices())
            return {pressAction(), showMenuAction(), setFocusAction()};
        return {setFocusAction()};
    }
    void doAction(const QString &name) override
    {
        if (!isValid())
            return;
        if (name == setFocusAction()) {
            m_view->setFocus();
            m_view->setCurrentIndex(m_index);
        } else if (choices() && (name == pressAction() || name == showMenuAction())) {
            m_view->setFocus();
            m_view->openCell(m_index);
            if (auto *box = qobject_cast<QComboBox *>(m_view->openEditor()))
                box->showPopup();
        }
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        return choices() && name == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

    // QAccessibleValueInterface: the index of the choice, as the model's EditRole.
    QVariant currentValue() const override { return m_index.data(Qt::EditRole); }
    void setCurrentValue(const QVariant &value) override
    {
        const int choice = value.toInt();
        const ChoiceDelegate *delegate = choices();
        // As the user's choice in the box: whoever owns the data applies
        // it, and an open box follows the model.
        if (delegate && choice >= 0 && choice <= maximumValue().toInt() && choice != currentValue().toInt())
            emit delegate->choiceMade(m_index, choice);
    }
    QVariant maximumValue() const override
    {
        const ChoiceDelegate *delegate = choices();
        return delegate ? int(m_index.data(delegate->choicesRole()).toStringList().size()) - 1 : 0;
    }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    const ChoiceDelegate *choices() const
    {
        if (!isValid() || !(m_index.flags() & Qt::ItemIsEditable))
            return nullptr;
        return qobject_cast<const ChoiceDelegate *>(m_view->itemDelegateForColumn(m_index.column()));
    }
    ManageButtonsDelegate *buttons() const
    {
        return isValid() ? qobject_cast<ManageButtonsDelegate *>(m_view->itemDelegateForColumn(m_index.column()))
                         : nullptr;
    }
    QWidget *editor() const { return isValid() && m_view->editedIndex() == m_index ? m_view->openEditor() : nullptr; }

    QPersistentModelIndex m_index;
    QList<QAccessible::Id> m_buttons;
};

class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit TableAccessible(ClockTableView *view) : QAccessibleWidget(view, QAccessible::Table) {}
    ~TableAccessible() override { forget(); }

    ClockTableView *view() const { return static_cast<ClockTableView *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override
    {
        const int columns = int(shownColumns(*view()).size());
        return columns == 0 ? 0 : (rowCount() + 1) * columns;
    }
    QAccessibleInterface *child(int index) const override
    {
        const int columns = int(shownColumns(*view()).size());
        if (index < 0 || columns == 0 || index >= childCount())
            return nullptr;
        const int row = index / columns - 1;
        return row < 0 ? header(index % columns) : cellAt(row, index % columns);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->role() == QAccessible::ColumnHeader) {
            for (int column = 0; column < columnCount(); ++column) {
                if (header(column) == child)
                    return column;
            }
            return -1;
        }
        const QAccessibleTableCellInterface *cell = const_cast<QAccessibleInterface *>(child)->tableCellInterface();
        if (!cell || cell->table() != this)
            return -1;
        return (cell->rowIndex() + 1) * columnCount() + cell->columnIndex();
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint local = view()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = view()->indexAt(local);
        const int child = view()->accessibleChildIndex(index);
        return child >= 0 ? this->child(child) : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        const int child = view()->accessibleChildIndex(view()->currentIndex());
        QAccessibleInterface *cell = child >= 0 ? this->child(child) : nullptr;
        if (cell && cell->childCount() == 1 && view()->openEditor())
            return cell->child(0);
        return cell;
    }

    // QAccessibleTableInterface
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        const QList<int> columns = shownColumns(*view());
        if (row < 0 || row >= rowCount() || column < 0 || column >= columns.size())
            return nullptr;
        const QModelIndex index = view()->model()->index(row, columns.at(column), view()->rootIndex());
        const quint64 key = (quint64(quint32(row)) << 32) | quint32(columns.at(column));
        auto *self = const_cast<TableAccessible *>(this);
        if (const QAccessible::Id id = m_cells.value(key)) {
            auto *cell = static_cast<CellAccessible *>(QAccessible::accessibleInterface(id));
            if (cell && cell->index() == index)
                return cell;
            QAccessible::deleteAccessibleInterface(id);
        }
        auto *cell = new CellAccessible(view(), index);
        self->m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        if (!view()->selectionModel())
            return cells;
        for (const QModelIndex &index : view()->selectionModel()->selectedIndexes()) {
            const int child = view()->accessibleChildIndex(index);
            if (child >= 0)
                cells << this->child(child);
        }
        return cells;
    }
    QString columnDescription(int column) const override
    {
        QAccessibleInterface *cell = header(column);
        return cell ? cell->text(QAccessible::Name) : QString();
    }
    QString rowDescription(int row) const override
    {
        return view()->model() ? view()->model()->headerData(row, Qt::Vertical).toString() : QString();
    }
    int selectedColumnCount() const override { return int(selectedColumns().size()); }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override { return int(shownColumns(*view()).size()); }
    int rowCount() const override
    {
        return view()->model() ? view()->model()->rowCount(view()->rootIndex()) : 0;
    }
    QList<int> selectedColumns() const override
    {
        QList<int> columns;
        const QList<int> shown = shownColumns(*view());
        if (view()->selectionModel()) {
            for (const QModelIndex &index : view()->selectionModel()->selectedColumns()) {
                if (shown.contains(index.column()))
                    columns << int(shown.indexOf(index.column()));
            }
        }
        return columns;
    }
    QList<int> selectedRows() const override
    {
        QList<int> rows;
        if (view()->selectionModel()) {
            for (const QModelIndex &index : view()->selectionModel()->selectedRows())
                rows << index.row();
        }
        return rows;
    }
    bool isColumnSelected(int column) const override { return selectedColumns().contains(column); }
    bool isRowSelected(int row) const override { return selectedRows().contains(row); }
    bool selectRow(int row) override { return select(row, -1, QItemSelectionModel::Select | QItemSelectionModel::Rows); }
    bool selectColumn(int column) override
    {
        return select(-1, column, QItemSelectionModel::Select | QItemSelectionModel::Columns);
    }
    bool unselectRow(int row) override
    {
        return select(row, -1, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    }
    bool unselectColumn(int column) override
    {
        return select(-1, column, QItemSelectionModel::Deselect | QItemSelectionModel::Columns);
    }
    // Rows came or went, or columns were shown or hidden: the cells are made anew.
    void modelChange(QAccessibleTableModelChangeEvent *event) override
    {
        if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
            forget();
    }

private:
    QAccessibleInterface *header(int column) const
    {
        const QList<int> columns = shownColumns(*view());
        if (column < 0 || column >= columns.size())
            return nullptr;
        auto *self = const_cast<TableAccessible *>(this);
        QAccessible::Id &id = self->m_headers[columns.at(column)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new HeaderAccessible(view(), columns.at(column)));
        return QAccessible::accessibleInterface(id);
    }
    bool select(int row, int column, QItemSelectionModel::SelectionFlags how)
    {
        QItemSelectionModel *selection = view()->selectionModel();
        const QList<int> columns = shownColumns(*view());
        if (!selection || columns.isEmpty())
            return false;
        const int logical = column < 0 ? columns.constFirst() : columns.value(column, -1);
        const QModelIndex index = view()->model()->index(qMax(row, 0), logical, view()->rootIndex());
        if (!index.isValid())
            return false;
        selection->select(index, how);
        return true;
    }
    void forget()
    {
        for (QAccessible::Id id : qAsConst(m_cells))
            QAccessible::deleteAccessibleInterface(id);
        m_cells.clear();
        for (QAccessible::Id id : qAsConst(m_headers))
            QAccessible::deleteAccessibleInterface(id);
        m_headers.clear();
    }

    QHash<quint64, QAccessible::Id> m_cells;
    QHash<int, QAccessible::Id> m_headers;
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClockTableView") && object && object->isWidgetType())
        return new TableAccessible(static_cast<ClockTableView *>(object));
    return nullptr;
}

// Once per process.
void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed)
}

} // namespace

ClockTableView::ClockTableView(QWidget *parent)
    : QTableView(parent)
{
    installAccessibility();
}

int ClockTableView::accessibleChildIndex(const QModelIndex &index) const
{
    if (!index.isValid())
        return -1;
    const QList<int> columns = shownColumns(*this);
    const int column = int(columns.indexOf(index.column()));
    return column < 0 ? -1 : (index.row() + 1) * int(columns.size()) + column;
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
        // Only the keys that open a cell (any letter would too, otherwise).
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
        event.setChild(accessibleChildIndex(current));
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
                const int child = accessibleChildIndex(index);
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
