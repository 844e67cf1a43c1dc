#include "ui/widgets/ManageButtonsDelegate.h"

#include "desktop/ThemeManager.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {
// Icons on an inverted (hovered) background, as PushButtonFlat shows them.
constexpr int hoverIconKind = 1;
} // namespace

ManageButtonsDelegate::ManageButtonsDelegate(QAbstractItemView *view)
    : QStyledItemDelegate(view)
    , m_view(view)
    , m_viewport(view->viewport())
{
    view->setMouseTracking(true);
    m_viewport->installEventFilter(this);
    view->installEventFilter(this);
}

void ManageButtonsDelegate::setButtons(const QList<Button> &buttons)
{
    m_buttons = buttons;
    rebuildIcons();
}

void ManageButtonsDelegate::press(const QModelIndex &index, int button)
{
    if (!isOurs(index) || button < 0 || button >= m_buttons.size())
        return;
    m_focusIndex = index;
    m_focusButton = button;
    emitClicked(index, button);
}

void ManageButtonsDelegate::emitClicked(const QModelIndex &index, int button)
{
    emit ButtonClicked(index.row(), button);
    emit buttonClickedAt(index, button);
}

QString ManageButtonsDelegate::toolTip(int button) const
{
    return button >= 0 && button < m_buttons.size() ? m_buttons.at(button).toolTip : QString();
}

void ManageButtonsDelegate::rebuildIcons()
{
    m_icons.clear();
    m_hoverIcons.clear();
    for (const Button &button : qAsConst(m_buttons)) {
        m_icons.append(ThemeManager::themedIcon(button.iconPath));
        m_hoverIcons.append(ThemeManager::themedIcon(button.iconPath, hoverIconKind));
    }
    m_view->viewport()->update();
}

int ManageButtonsDelegate::preferredWidth() const
{
    const int n = m_buttons.size();
    return 2 * margin + n * buttonMinimumWidth + qMax(0, n - 1) * spacing;
}

QRect ManageButtonsDelegate::buttonRect(const QRect &cell, int button) const
{
    const int n = m_buttons.size();
    if (button < 0 || button >= n)
        return QRect();
    // Narrower than the minimum only when the column is: all stay reachable.
    const int room = cell.width() - 2 * margin - (n - 1) * spacing;
    const int width = qMax(iconSize, qMin(buttonMinimumWidth, room / n));
    const int height = qMax(iconSize, cell.height() - 2 * margin);
    return QRect(cell.left() + margin + button * (width + spacing), cell.top() + (cell.height() - height) / 2, width,
                 height);
}

int ManageButtonsDelegate::buttonAt(const QRect &cell, const QPoint &pos) const
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (buttonRect(cell, i).contains(pos))
            return i;
    }
    return -1;
}

int ManageButtonsDelegate::focusedButton() const
{
    return m_view->currentIndex() == m_focusIndex ? m_focusButton : 0;
}

void ManageButtonsDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    if (!isOurs(index)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem background(option);
    initStyleOption(&background, index);
    background.text.clear();
    background.icon = QIcon();
    // The cell's own focus rectangle would hide which button has the focus.
    background.state &= ~QStyle::State_HasFocus;
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const bool hasFocus = option.state & QStyle::State_HasFocus;
    const int focus = index == m_focusIndex ? m_focusButton : 0;
    const QPalette &palette = option.palette;
    painter->save();
    for (int i = 0; i < m_buttons.size(); ++i) {
        const QRect rect = buttonRect(option.rect, i);
        const bool pressed = index == m_pressedIndex && i == m_pressedButton;
        const bool hovered = index == m_hoverIndex && i == m_hoverButton;
        if (pressed)
            painter->fillRect(rect, palette.highlight());
        else if (hovered)
            painter->fillRect(rect, ThemeManager::iconColour(0));
        if (hasFocus && i == focus) {
            // On a selected row the highlight is the background itself.
            const bool selected = option.state & QStyle::State_Selected;
            painter->setPen(QPen(selected ? palette.highlightedText() : palette.highlight(), 1));
            painter->drawRect(rect.adjusted(0, 0, -1, -1));
        }
        const QIcon &icon = hovered && !pressed ? m_hoverIcons.at(i) : m_icons.at(i);
        const QRect iconRect(rect.center().x() - iconSize / 2 + 1, rect.center().y() - iconSize / 2 + 1, iconSize,
                             iconSize);
        icon.paint(painter, iconRect);
    }
    painter->restore();
}

QSize ManageButtonsDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (!isOurs(index))
        return size;
    size.setWidth(preferredWidth());
    return size;
}

bool ManageButtonsDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                      const QModelIndex &index)
{
    if (event->type() == QEvent::ToolTip && isOurs(index)) {
        const int button = buttonAt(option.rect, event->pos());
        if (button >= 0) {
            QToolTip::showText(event->globalPos(), toolTip(button), view, buttonRect(option.rect, button));
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

bool ManageButtonsDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                        const QModelIndex &index)
{
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease
        && type != QEvent::MouseButtonDblClick)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    if (!isOurs(index) && type != QEvent::MouseButtonRelease)
        return false;
    auto *mouse = static_cast<QMouseEvent *>(event);
    const int button = buttonAt(option.rect, mouse->pos());
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (type == QEvent::MouseButtonRelease) {
        const bool click = index == m_pressedIndex && button == m_pressedButton && button >= 0;
        const QPersistentModelIndex pressed = m_pressedIndex;
        m_pressedIndex = QPersistentModelIndex();
        m_pressedButton = -1;
        if (pressed.isValid())
            m_view->update(pressed);
        if (!click)
            return false;
        m_focusIndex = index;
        m_focusButton = button;
        emitClicked(index, button);
        return true;
    }
    if (button < 0)
        return false;
    // A press on a button is the button's, not the start of a selection.
    m_pressedIndex = index;
    m_pressedButton = button;
    m_view->update(index);
    return true;
}

bool ManageButtonsDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // Compared with the pointers kept: events still arrive while the view is
    // being destroyed, when it can no longer be asked for its viewport.
    if (watched == m_viewport) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint pos = static_cast<QMouseEvent *>(event)->pos();
            const QModelIndex index = m_view->indexAt(pos);
            setHover(index, isOurs(index) ? buttonAt(cellRect(index), pos) : -1);
        } else if (event->type() == QEvent::Leave) {
            setHover(QModelIndex(), -1);
        } else if (event->type() == QEvent::MouseButtonRelease && m_pressedIndex.isValid()
                   && m_view->indexAt(static_cast<QMouseEvent *>(event)->pos()) != m_pressedIndex) {
            // Released away from the cell: no click, and the button is up again.
            m_view->update(m_pressedIndex);
            m_pressedIndex = QPersistentModelIndex();
            m_pressedButton = -1;
        }
    } else if (watched == m_view && event->type() == QEvent::KeyPress) {
        return handleKey(static_cast<QKeyEvent *>(event));
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

bool ManageButtonsDelegate::handleKey(QKeyEvent *event)
{
    const QModelIndex current = m_view->currentIndex();
    if (!isOurs(current) || m_buttons.isEmpty() || event->modifiers() & ~Qt::KeypadModifier)
        return false;
    if (current != m_focusIndex) {
        m_focusIndex = current;
        m_focusButton = 0;
    }
    const bool leftToRight = m_view->layoutDirection() == Qt::LeftToRight;
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        step = leftToRight ? -1 : 1;
        break;
    case Qt::Key_Right:
        step = leftToRight ? 1 : -1;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        emitClicked(current, m_focusButton);
        return true;
    default:
        return false;
    }
    const int next = m_focusButton + step;
    // Past the first or last button the arrow leaves the cell as usual.
    if (next < 0 || next >= m_buttons.size())
        return false;
    m_focusButton = next;
    m_view->update(current);
    return true;
}

void ManageButtonsDelegate::setHover(const QModelIndex &index, int button)
{
    if (index == m_hoverIndex && button == m_hoverButton)
        return;
    const QPersistentModelIndex previous = m_hoverIndex;
    m_hoverIndex = button >= 0 ? QPersistentModelIndex(index) : QPersistentModelIndex();
    m_hoverButton = button;
    if (previous.isValid())
        m_view->update(previous);
    if (m_hoverIndex.isValid())
        m_view->update(m_hoverIndex);
}

bool ManageButtonsDelegate::isOurs(const QModelIndex &index) const
{
    return index.isValid() && m_view->itemDelegate(index) == this && (!m_carries || m_carries(index));
}

QRect ManageButtonsDelegate::cellRect(const QModelIndex &index) const
{
    return m_view->visualRect(index);
}
