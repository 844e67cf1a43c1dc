#pragma once

#include "ui/frame/FramelessDialog.h"

class AuditFindingsModel;
class FleetAudit;

namespace Ui {
class DialogAuditFindings;
}

// What a fleet audit found, as a table the user sorts by clicking a header
// and copies (the selected rows, or all) as tab-separated text that a
// spreadsheet pastes as a table. A summary line sits above it.
class DialogAuditFindings : public FramelessDialog
{
    Q_OBJECT

public:
    // The result when the user asked to change the site's zone.
    static constexpr int ChangeSiteZone = 2;
    // The result when the user asked to align clocks with their groups.
    static constexpr int AlignWithGroup = 3;

    explicit DialogAuditFindings(QWidget *parent = nullptr);
    ~DialogAuditFindings() override;

    // Copies what the audit found; the audit may go away afterwards.
    void setAudit(const FleetAudit &audit);
    // The selected rows, or every row when none is selected.
    QString copyText() const;
    // The clocks align can mend (departing from their group or the site's
    // zone): of the selected rows, or of every row when none is selected.
    QList<quint64> alignClockIds() const;

public slots:
    void copyToClipboard();

private:
    Ui::DialogAuditFindings *ui;
    AuditFindingsModel *m_model;
};
