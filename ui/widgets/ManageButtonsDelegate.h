#pragma once

#include <QIcon>
#include <QList>
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

#include <functional>

class QAbstractItemView;

// A row of icon buttons painted into one column of a view, for tables too
// long for a widget per cell: a thousand rows of five real buttons take a
// minute to build and half a gigabyte. It keeps what the buttons gave: a
// click emits ButtonClicked(row, index), each button shows its tool tip and
// is tinted for the theme, hover and press show, and the keyboard reaches
// every button (Left and Right move between them inside the cell, Space or
// Enter presses the one with the focus frame).
class ManageButtonsDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    struct Button
    {
        QString iconPath;
        QString toolTip;
    };

    static constexpr int buttonMinimumWidth = 32;
    static constexpr int iconSize = 16;
    static constexpr int spacing = 2;
    static constexpr int margin = 3;

    // Watches the view's mouse and keys; the view must outlive nothing here.
    explicit ManageButtonsDelegate(QAbstractItemView *view);

    void setButtons(const QList<Button> &buttons);
    // Which cells carry the buttons (all of the delegate's column by
    // default); the others are painted and handled as plain cells.
    void setCarriesButtons(std::function<bool(const QModelIndex &)> carries) { m_carries = std::move(carries); }
    int buttonCount() const { return m_buttons.size(); }
    QString toolTip(int button) const;
    // Retints the icons for the current theme.
    void rebuildIcons();

    // The width a cell needs for every button at its minimum width.
    int preferredWidth() const;
    QRect buttonRect(const QRect &cell, int button) const;
    // -1 outside every button.
    int buttonAt(const QRect &cell, const QPoint &pos) const;
    // The button Space or Enter presses in the view's current cell.
    int focusedButton() const;
    // As a click on the button of the cell (assistive technology presses so).
    void press(const QModelIndex &index, int button);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

signals:
    void ButtonClicked(int row, int index);
    // The same click, with the cell: in a tree the row alone is ambiguous.
    void buttonClickedAt(const QModelIndex &index, int button);

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(QKeyEvent *event);
    void emitClicked(const QModelIndex &index, int button);
    void setHover(const QModelIndex &index, int button);
    bool isOurs(const QModelIndex &index) const;
    QRect cellRect(const QModelIndex &index) const;

    QAbstractItemView *m_view;
    QWidget *m_viewport;
    QList<Button> m_buttons;
    std::function<bool(const QModelIndex &)> m_carries;
    QList<QIcon> m_icons;
    QList<QIcon> m_hoverIcons;
    QPersistentModelIndex m_hoverIndex;
    int m_hoverButton = -1;
    QPersistentModelIndex m_pressedIndex;
    int m_pressedButton = -1;
    QPersistentModelIndex m_focusIndex;
    int m_focusButton = 0;
};
