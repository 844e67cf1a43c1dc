#include "notify/Workbook.h"

#include <algorithm>

namespace {

bool rowLess(const Workbook::Cell &cell, std::uint32_t row)
{
    return cell.row < row;
}

} // namespace

int Workbook::findSheet(const QString &name) const
{
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        if (m_sheets[i].name == name)
            return int(i);
    }
    return -1;
}

int Workbook::findSheetIgnoringCase(const QString &name) const
{
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        if (m_sheets[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int Workbook::addSheet(const QString &name)
{
    m_sheets.push_back(Sheet{name, {}});
    return int(m_sheets.size()) - 1;
}

const Workbook::Cell *Workbook::find(int sheet, std::uint32_t row, std::uint32_t column) const
{
    const Sheet &s = m_sheets[std::size_t(sheet)];
    if (column >= s.columns.size())
        return nullptr;
    const Column &cells = s.columns[column];
    const auto it = std::lower_bound(cells.begin(), cells.end(), row, rowLess);
    if (it == cells.end() || it->row != row)
        return nullptr;
    return &*it;
}

std::string_view Workbook::textView(const Cell &cell) const
{
    if (cell.kind != Kind::Text)
        return {};
    return m_texts[cell.text];
}

QString Workbook::text(int sheet, std::uint32_t row, std::uint32_t column) const
{
    const Cell *cell = find(sheet, row, column);
    if (!cell)
        return QString();
    const std::string_view view = textView(*cell);
    return QString::fromUtf8(view.data(), int(view.size()));
}

bool Workbook::isEmpty(int sheet, std::uint32_t row, std::uint32_t column) const
{
    const Cell *cell = find(sheet, row, column);
    return !cell || cell->kind == Kind::Empty || (cell->kind == Kind::Text && m_texts[cell->text].empty());
}

std::uint32_t Workbook::firstEmptyRow(int sheet, std::uint32_t column) const
{
    const Sheet &s = m_sheets[std::size_t(sheet)];
    if (column >= s.columns.size())
        return 0;
    std::uint32_t row = 0;
    for (const Cell &cell : s.columns[column]) {
        if (cell.row != row)
            return row;
        if (cell.kind == Kind::Empty || (cell.kind == Kind::Text && m_texts[cell.text].empty()))
            return row;
        ++row;
    }
    return row;
}

std::uint32_t Workbook::intern(std::string_view utf8)
{
    const auto it = m_textIndex.find(utf8);
    if (it != m_textIndex.end())
        return it->second;
    m_texts.emplace_back(utf8);
    const auto index = std::uint32_t(m_texts.size() - 1);
    m_textIndex.emplace(std::string_view(m_texts.back()), index);
    return index;
}

void Workbook::put(int sheet, std::uint32_t row, std::uint32_t column, const Cell &cell)
{
    if (row >= maxRows || column >= maxColumns)
        return;
    Sheet &s = m_sheets[std::size_t(sheet)];
    if (column >= s.columns.size())
        s.columns.resize(column + 1);
    Column &cells = s.columns[column];
    Cell placed = cell;
    placed.row = row;
    // Rows arrive in order when a file is read and when a run appends, so
    // the common case is a push at the end.
    if (cells.empty() || cells.back().row < row) {
        cells.push_back(placed);
        return;
    }
    const auto it = std::lower_bound(cells.begin(), cells.end(), row, rowLess);
    if (it != cells.end() && it->row == row)
        *it = placed;
    else
        cells.insert(it, placed);
}

void Workbook::setText(int sheet, std::uint32_t row, std::uint32_t column, std::string_view utf8)
{
    Cell cell;
    cell.kind = Kind::Text;
    cell.text = intern(utf8);
    put(sheet, row, column, cell);
}

void Workbook::setText(int sheet, std::uint32_t row, std::uint32_t column, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    setText(sheet, row, column, std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

void Workbook::setPooledText(int sheet, std::uint32_t row, std::uint32_t column, std::uint32_t index)
{
    if (index >= m_texts.size())
        return;
    Cell cell;
    cell.kind = Kind::Text;
    cell.text = index;
    put(sheet, row, column, cell);
}

void Workbook::setNumber(int sheet, std::uint32_t row, std::uint32_t column, double value)
{
    Cell cell;
    cell.kind = Kind::Number;
    cell.number = value;
    put(sheet, row, column, cell);
}

void Workbook::setBoolean(int sheet, std::uint32_t row, std::uint32_t column, bool value)
{
    Cell cell;
    cell.kind = Kind::Boolean;
    cell.number = value ? 1.0 : 0.0;
    put(sheet, row, column, cell);
}

std::size_t Workbook::cellCount() const
{
    std::size_t count = 0;
    for (const Sheet &sheet : m_sheets) {
        for (const Column &column : sheet.columns)
            count += column.size();
    }
    return count;
}
