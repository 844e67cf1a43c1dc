#include "tools/uirender/ClippedText.h"

#include "ui/widgets/ElideLabel.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTableView>
#include <QWidget>

#include <algorithm>

namespace {

// A pixel of rounding between the size hint and the laid-out size is no cut.
constexpr int tolerance = 1;

QString pathOf(const QWidget *widget)
{
    QStringList names;
    for (const QWidget *w = widget; w; w = w->parentWidget())
        names.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    return names.join(QLatin1Char('/'));
}

bool isShown(const QWidget *widget)
{
    return widget->isVisible() && widget->width() > 0 && widget->height() > 0;
}

// The full text is at hand elsewhere, as the elided ones promise (an
// ElideLabel shows it as its tool tip).
bool fullTextElsewhere(const QWidget *widget, const QString &text)
{
    if (const auto *elide = qobject_cast<const ElideLabel *>(widget))
        return elide->elideMode() != Qt::ElideNone;
    return widget->toolTip().contains(text) || widget->accessibleName() == text;
}

QString entry(const QWidget *widget, const QString &what, const QString &text, int needed, int has)
{
    return QStringLiteral("%1 %2 \"%3\": needs %4 px, has %5").arg(pathOf(widget), what, text).arg(needed).arg(has);
}

void checkLabel(const QLabel *label, QStringList &found)
{
    const QString text = label->text();
    if (text.isEmpty() || label->pixmap(Qt::ReturnByValue).width() > 0 || fullTextElsewhere(label, text))
        return;
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height() + tolerance)
            found << entry(label, QStringLiteral("label (height)"), text, needed, label->height());
        return;
    }
    const int needed = label->sizeHint().width();
    if (needed > label->width() + tolerance)
        found << entry(label, QStringLiteral("label"), text, needed, label->width());
}

void checkButton(const QAbstractButton *button, QStringList &found)
{
    const QString text = button->text();
    if (text.isEmpty() || fullTextElsewhere(button, text))
        return;
    const int needed = button->sizeHint().width();
    if (needed > button->width() + tolerance)
        found << entry(button, QStringLiteral("button"), text, needed, button->width());
}

// What a line edit adds around its text: its size hint is seventeen "x"
// wide plus the frame and margins.
constexpr int lineEditHintChars = 17;

void checkPlaceholder(const QLineEdit *edit, QStringList &found)
{
    // Whether the field is empty in this scene or not: the hint is what a
    // user sees first.
    const QString text = edit->placeholderText();
    if (text.isEmpty())
        return;
    const QFontMetrics metrics = edit->fontMetrics();
    const int chrome = edit->sizeHint().width() - metrics.horizontalAdvance(QLatin1Char('x')) * lineEditHintChars;
    const int needed = metrics.horizontalAdvance(text) + chrome;
    if (needed > edit->width() + tolerance)
        found << entry(edit, QStringLiteral("placeholder"), text, needed, edit->width());
}

void checkTabs(const QTabBar *bar, QStringList &found)
{
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i) || bar->tabText(i).isEmpty())
            continue;
        // What a tab's size hint adds to its text (tabSizeHint is the bar's own).
        const int icon = bar->tabIcon(i).isNull() ? 0 : bar->iconSize().width() + 4;
        const int needed = bar->fontMetrics().horizontalAdvance(bar->tabText(i))
            + bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar) + icon;
        const int has = bar->tabRect(i).width();
        if (needed > has + tolerance && !bar->tabToolTip(i).contains(bar->tabText(i)))
            found << entry(bar, QStringLiteral("tab"), bar->tabText(i), needed, has);
    }
}

void checkHeader(const QHeaderView *header, QStringList &found)
{
    if (header->isHidden() || !header->model())
        return;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString text = header->model()->headerData(section, header->orientation()).toString();
        if (text.isEmpty())
            continue;
        QStyleOptionHeader option;
        option.initFrom(header);
        option.text = text;
        option.section = section;
        const QSize contents = header->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(),
                                                                   header);
        const int has = header->sectionSize(section);
        if (header->orientation() == Qt::Horizontal && contents.width() > has + tolerance)
            found << entry(header, QStringLiteral("column header"), text, contents.width(), has);
    }
}

// The rows a check looks at: enough to meet every kind of cell of a scene.
constexpr int cellRowsChecked = 200;

// A cell's text against its column: what the cell's delegate asks for
// beside what the column gives it. A view that wraps words may instead
// need the height: its rows are as tall as the tallest wrapped cell.
void checkCells(const QTableView *view, QStringList &found)
{
    const QAbstractItemModel *model = view->model();
    if (!model || !view->itemDelegate())
        return;
    const QFontMetrics metrics = view->fontMetrics();
    for (int row = 0; row < std::min(model->rowCount(view->rootIndex()), cellRowsChecked); ++row) {
        if (view->isRowHidden(row))
            continue;
        for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
            const QModelIndex index = model->index(row, column, view->rootIndex());
            const QString text = index.data(Qt::DisplayRole).toString();
            if (view->isColumnHidden(column) || text.isEmpty() || view->indexWidget(index)
                || index.data(Qt::ToolTipRole).toString().contains(text))
                continue;
            QStyleOptionViewItem option;
            option.initFrom(view);
            option.font = view->font();
            option.features = view->wordWrap() ? QStyleOptionViewItem::WrapText : QStyleOptionViewItem::None;
            option.rect = QRect(0, 0, view->columnWidth(column), view->rowHeight(row));
            const QSize needed = view->itemDelegate(index)->sizeHint(option, index);
            const int has = view->columnWidth(column);
            if (needed.width() <= has + tolerance)
                continue;
            if (view->wordWrap()) {
                // Wrapped: the room beside what the delegate adds to the text.
                const int lineWidth = metrics.boundingRect(QRect(), Qt::AlignLeft, text).width();
                const int textRoom = has - (needed.width() - lineWidth);
                const QRect wrapped = metrics.boundingRect(QRect(0, 0, std::max(textRoom, 1), 1 << 20),
                                                           Qt::TextWordWrap, text);
                const int height = wrapped.height() + (needed.height() - metrics.boundingRect(QRect(), 0, text).height());
                if (wrapped.width() <= textRoom && height <= view->rowHeight(row) + tolerance)
                    continue;
            }
            found << entry(view, QStringLiteral("cell %1,%2").arg(row).arg(column), text, needed.width(), has);
        }
    }
}

} // namespace

namespace ClippedText {

QStringList find(QWidget *top)
{
    QStringList found;
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *widget : widgets) {
        if (!isShown(widget))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget))
            checkLabel(label, found);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            checkButton(button, found);
        else if (auto *bar = qobject_cast<QTabBar *>(widget))
            checkTabs(bar, found);
        else if (auto *header = qobject_cast<QHeaderView *>(widget))
            checkHeader(header, found);
        else if (auto *table = qobject_cast<QTableView *>(widget))
            checkCells(table, found);
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            checkPlaceholder(edit, found);
    }
    return found;
}

} // namespace ClippedText
