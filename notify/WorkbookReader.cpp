#include "notify/WorkbookReader.h"

#include "notify/WorkbookPackage.h"

#include <QDate>

#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include <cctype>
#include <exception>
#include <stdexcept>
#include <memory>
#include <string>
#include <vector>

namespace ss = orcus::spreadsheet;

namespace {

// Workbook serial dates count days from this date (a leap-year quirk of the
// format folded in).
const QDate serialDateEpoch(1899, 12, 30);
constexpr double secondsPerDay = 86400.0;

// What turned a workbook down; the first reason wins.
struct ReadState
{
    QString refusal;
    void refuse(const QString &reason)
    {
        if (refusal.isEmpty())
            refusal = reason;
    }
};

class SharedStrings : public ss::iface::import_shared_strings
{
public:
    explicit SharedStrings(Workbook &workbook) : m_workbook(workbook) {}

    // The file's own index of a shared string, mapped to the pool.
    bool poolIndex(ss::string_id_t fileIndex, std::uint32_t &index) const
    {
        if (fileIndex >= m_fileToPool.size())
            return false;
        index = m_fileToPool[fileIndex];
        return true;
    }

    size_t append(std::string_view s) override
    {
        m_fileToPool.push_back(m_workbook.intern(s));
        return m_fileToPool.size() - 1;
    }
    size_t add(std::string_view s) override { return append(s); }
    void set_segment_font(size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t, ss::color_elem_t) override {}
    void append_segment(std::string_view s) override { m_segments.append(s); }
    size_t commit_segments() override
    {
        const size_t index = append(m_segments);
        m_segments.clear();
        return index;
    }

private:
    Workbook &m_workbook;
    std::vector<std::uint32_t> m_fileToPool;
    std::string m_segments;
};

// Formulas cannot be written back as formulas; their cells are refused.
class FormulaRefusal : public ss::iface::import_formula, public ss::iface::import_array_formula
{
public:
    explicit FormulaRefusal(ReadState &state) : m_state(state) {}

    void set_position(ss::row_t, ss::col_t) override { refuse(); }
    void set_formula(ss::formula_grammar_t, std::string_view) override { refuse(); }
    void set_shared_formula_index(size_t) override { refuse(); }
    void set_result_string(std::string_view) override {}
    void set_result_value(double) override {}
    void set_result_bool(bool) override {}
    void set_result_empty() override {}
    void commit() override { refuse(); }

    void set_range(const ss::range_t &) override { refuse(); }
    void set_result_string(ss::row_t, ss::col_t, std::string_view) override {}
    void set_result_value(ss::row_t, ss::col_t, double) override {}
    void set_result_bool(ss::row_t, ss::col_t, bool) override {}
    void set_result_empty(ss::row_t, ss::col_t) override {}

private:
    void refuse() { m_state.refuse(QStringLiteral("the workbook holds formulas")); }
    ReadState &m_state;
};

class Sheet : public ss::iface::import_sheet
{
public:
    Sheet(Workbook &workbook, int index, SharedStrings &strings, ReadState &state)
        : m_workbook(workbook), m_index(index), m_strings(strings), m_state(state), m_formulas(state)
    {
    }

    int index() const { return m_index; }

    ss::iface::import_formula *get_formula() override { return &m_formulas; }
    ss::iface::import_array_formula *get_array_formula() override { return &m_formulas; }

    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override
    {
        if (inRange(row, col))
            m_workbook.setText(m_index, std::uint32_t(row), std::uint32_t(col), s);
    }
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t sindex) override
    {
        std::uint32_t pooled = 0;
        if (!m_strings.poolIndex(sindex, pooled)) {
            m_state.refuse(QStringLiteral("a cell refers to a missing shared string"));
            return;
        }
        if (inRange(row, col))
            m_workbook.setPooledText(m_index, std::uint32_t(row), std::uint32_t(col), pooled);
    }
    void set_value(ss::row_t row, ss::col_t col, double value) override
    {
        if (inRange(row, col))
            m_workbook.setNumber(m_index, std::uint32_t(row), std::uint32_t(col), value);
    }
    void set_bool(ss::row_t row, ss::col_t col, bool value) override
    {
        if (inRange(row, col))
            m_workbook.setBoolean(m_index, std::uint32_t(row), std::uint32_t(col), value);
    }
    void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int hour, int minute,
                       double second) override
    {
        // Kept as the serial number the file stores for it.
        const QDate date(year, month, day);
        if (!inRange(row, col) || !date.isValid()) {
            m_state.refuse(QStringLiteral("a date cell is out of range"));
            return;
        }
        const double serial = double(serialDateEpoch.daysTo(date)) + (hour * 3600.0 + minute * 60.0 + second) / secondsPerDay;
        m_workbook.setNumber(m_index, std::uint32_t(row), std::uint32_t(col), serial);
    }
    void set_format(ss::row_t, ss::col_t, size_t) override {}
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, size_t) override {}
    void fill_down_cells(ss::row_t, ss::col_t, ss::row_t) override
    {
        m_state.refuse(QStringLiteral("the workbook fills cells down"));
    }
    ss::range_size_t get_sheet_size() const override
    {
        return {ss::row_t(Workbook::maxRows), ss::col_t(Workbook::maxColumns)};
    }

private:
    bool inRange(ss::row_t row, ss::col_t col)
    {
        if (row < 0 || col < 0 || std::uint32_t(row) >= Workbook::maxRows || std::uint32_t(col) >= Workbook::maxColumns) {
            m_state.refuse(QStringLiteral("a cell lies outside the sheet"));
            return false;
        }
        return true;
    }

    Workbook &m_workbook;
    int m_index;
    SharedStrings &m_strings;
    ReadState &m_state;
    FormulaRefusal m_formulas;
};

// Cell references in A1 notation ("B7", "$C$2", "A1:C9"), as the parser asks
// for them while it reads a sheet.
class ReferenceResolver : public ss::iface::import_reference_resolver
{
public:
    ss::src_address_t resolve_address(std::string_view address) override
    {
        const std::size_t bang = address.rfind('!');
        if (bang != std::string_view::npos)
            address.remove_prefix(bang + 1);
        ss::src_address_t result{0, 0, 0};
        long column = 0;
        long row = 0;
        std::size_t i = 0;
        bool letters = false;
        bool digits = false;
        if (i < address.size() && address[i] == '$')
            ++i;
        for (; i < address.size() && std::isalpha(static_cast<unsigned char>(address[i])); ++i) {
            column = column * 26 + (std::toupper(static_cast<unsigned char>(address[i])) - 'A' + 1);
            letters = true;
            if (column > long(Workbook::maxColumns))
                throw std::runtime_error("column out of range");
        }
        if (i < address.size() && address[i] == '$')
            ++i;
        for (; i < address.size() && std::isdigit(static_cast<unsigned char>(address[i])); ++i) {
            row = row * 10 + (address[i] - '0');
            digits = true;
            if (row > long(Workbook::maxRows))
                throw std::runtime_error("row out of range");
        }
        if (i != address.size() || (!letters && !digits) || (digits && row == 0))
            throw std::runtime_error("not a cell reference");
        result.column = ss::col_t(letters ? column - 1 : 0);
        result.row = ss::row_t(digits ? row - 1 : 0);
        return result;
    }
    ss::src_range_t resolve_range(std::string_view range) override
    {
        const std::size_t colon = range.find(':');
        if (colon == std::string_view::npos) {
            const ss::src_address_t single = resolve_address(range);
            return {single, single};
        }
        return {resolve_address(range.substr(0, colon)), resolve_address(range.substr(colon + 1))};
    }
};

class Factory : public ss::iface::import_factory
{
public:
    Factory(Workbook &workbook, ReadState &state) : m_workbook(workbook), m_state(state), m_strings(workbook) {}

    ss::iface::import_shared_strings *get_shared_strings() override { return &m_strings; }
    ss::iface::import_reference_resolver *get_reference_resolver(ss::formula_ref_context_t) override
    {
        return &m_resolver;
    }

    ss::iface::import_sheet *append_sheet(ss::sheet_t sheetIndex, std::string_view name) override
    {
        const QString sheetName = QString::fromUtf8(name.data(), int(name.size()));
        if (sheetIndex != ss::sheet_t(m_sheets.size()) || m_workbook.findSheetIgnoringCase(sheetName) >= 0) {
            m_state.refuse(QStringLiteral("the sheet list is not consistent"));
            return nullptr;
        }
        const int index = m_workbook.addSheet(sheetName);
        m_sheets.push_back(std::make_unique<Sheet>(m_workbook, index, m_strings, m_state));
        return m_sheets.back().get();
    }
    ss::iface::import_sheet *get_sheet(std::string_view name) override
    {
        const int index = m_workbook.findSheet(QString::fromUtf8(name.data(), int(name.size())));
        return index < 0 ? nullptr : m_sheets[std::size_t(index)].get();
    }
    ss::iface::import_sheet *get_sheet(ss::sheet_t sheetIndex) override
    {
        if (sheetIndex < 0 || std::size_t(sheetIndex) >= m_sheets.size())
            return nullptr;
        return m_sheets[std::size_t(sheetIndex)].get();
    }
    void finalize() override {}

private:
    Workbook &m_workbook;
    ReadState &m_state;
    SharedStrings m_strings;
    ReferenceResolver m_resolver;
    std::vector<std::unique_ptr<Sheet>> m_sheets;
};

} // namespace

bool WorkbookReader::read(const QByteArray &bytes, Workbook &workbook, QString *reason)
{
    ReadState state;
    Workbook result;
    try {
        if (!WorkbookPackage::sizesWithinBounds(bytes)) {
            state.refuse(QStringLiteral("the workbook does not parse: damaged or oversized zip entries"));
        } else if (WorkbookPackage::holdsInlineStrings(bytes)) {
            state.refuse(QStringLiteral("the workbook holds inline-string cells"));
        } else {
            Factory factory(result, state);
            orcus::orcus_xlsx filter(&factory);
            filter.read_stream(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        }
    } catch (const std::exception &error) {
        state.refuse(QStringLiteral("the workbook does not parse: ") + QString::fromLocal8Bit(error.what()));
    } catch (...) {
        state.refuse(QStringLiteral("the workbook does not parse"));
    }
    if (!state.refusal.isEmpty()) {
        if (reason)
            *reason = state.refusal;
        return false;
    }
    workbook = std::move(result);
    return true;
}
