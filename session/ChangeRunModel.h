#pragma once

#include <QAbstractTableModel>
#include <QVector>

struct ChangeRunState;
struct ClockChange;

// A change run as a table for the window: the preview (a row per field a
// clock gets, old -> new, and a row per clock that is already right or
// cannot be changed) or the result (a row per clock: fields, before, after,
// verified, error). Values are shown as the editor shows them. The state is
// the run's own and outlives the model's use of it; refresh() follows it.
class ChangeRunModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum class Mode { Preview, Result };
    enum PreviewColumn { PreviewClock, PreviewField, PreviewChange, PreviewColumnCount };
    enum ResultColumn { ResultClock, ResultFields, ResultBefore, ResultAfter, ResultVerified, ResultError,
                        ResultColumnCount };

    explicit ChangeRunModel(Mode mode, QObject *parent = nullptr);

    // Null shows nothing.
    void setState(const ChangeRunState *state);
    // The rows anew, after the plan or at the end.
    void refresh();
    // One clock's row of the result changed.
    void clockChanged(int clockIndex);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // "Name (192.168.0.30)", or the address alone.
    static QString clockLabel(const ClockChange &clock);
    // What the result's verified and error columns say of a clock.
    static QString verifiedText(const ClockChange &clock);
    static QString errorText(const ClockChange &clock);

private:
    struct Row
    {
        int clock = -1;
        int change = -1; // the field change of a preview row; -1 for a clock's own row
    };
    QString previewText(const Row &row, int column) const;
    QString resultText(const ClockChange &clock, int column) const;

    Mode m_mode;
    const ChangeRunState *m_state = nullptr;
    QVector<Row> m_rows;
};
