#pragma once

#include <QString>

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The cells of a report workbook held between report runs: every sheet's
// cells by column, texts kept once in a pool. A year of five-minute rows for
// ten clocks is a million cells, so a cell is a few bytes, not an object.
// Rows and columns count from 0 (row 0 is the header row).
class Workbook
{
public:
    enum class Kind : std::uint8_t { Empty, Text, Number, Boolean };

    struct Cell
    {
        std::uint32_t row = 0;
        Kind kind = Kind::Empty;
        std::uint32_t text = 0; // index into the text pool for Kind::Text
        double number = 0.0;    // value for Kind::Number and Kind::Boolean
    };

    // One column: its cells in ascending row order.
    using Column = std::vector<Cell>;

    struct Sheet
    {
        QString name;
        std::vector<Column> columns;
    };

    Workbook() = default;
    // Copies would keep pool keys that point into the original.
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;
    Workbook(Workbook &&) = default;
    Workbook &operator=(Workbook &&) = default;

    // Sheets may hold at most this many rows and columns.
    static constexpr std::uint32_t maxRows = 1048576;
    static constexpr std::uint32_t maxColumns = 16384;

    int sheetCount() const { return int(m_sheets.size()); }
    const Sheet &sheet(int index) const { return m_sheets[std::size_t(index)]; }
    // -1 when there is none of exactly that name.
    int findSheet(const QString &name) const;
    // Sheet names are unique regardless of letter case in a workbook file:
    // -1 when no name matches in that sense.
    int findSheetIgnoringCase(const QString &name) const;
    int addSheet(const QString &name);

    // The text of a text cell; "" for every other cell.
    QString text(int sheet, std::uint32_t row, std::uint32_t column) const;
    std::string_view textView(const Cell &cell) const;
    bool isEmpty(int sheet, std::uint32_t row, std::uint32_t column) const;
    // The first row, counting from row 0, whose cell in column is empty.
    std::uint32_t firstEmptyRow(int sheet, std::uint32_t column) const;

    void setText(int sheet, std::uint32_t row, std::uint32_t column, std::string_view utf8);
    void setText(int sheet, std::uint32_t row, std::uint32_t column, const QString &text);
    // A text already in the pool, by its index.
    void setPooledText(int sheet, std::uint32_t row, std::uint32_t column, std::uint32_t index);
    void setNumber(int sheet, std::uint32_t row, std::uint32_t column, double value);
    void setBoolean(int sheet, std::uint32_t row, std::uint32_t column, bool value);
    // The pooled text index for utf8, adding it when new.
    std::uint32_t intern(std::string_view utf8);
    // Pooled texts keep their index for the life of the workbook.
    const std::string &pooledText(std::uint32_t index) const { return m_texts[index]; }

    std::size_t cellCount() const;

private:
    const Cell *find(int sheet, std::uint32_t row, std::uint32_t column) const;
    void put(int sheet, std::uint32_t row, std::uint32_t column, const Cell &cell);

    std::vector<Sheet> m_sheets;
    // A deque never moves its elements, so the views used as keys stay valid.
    std::deque<std::string> m_texts;
    std::unordered_map<std::string_view, std::uint32_t> m_textIndex;
};
