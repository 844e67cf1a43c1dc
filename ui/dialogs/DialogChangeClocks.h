#pragma once

#include "session/ChangeClocksFlow.h"
#include "ui/frame/FramelessDialog.h"

struct ClockConfigFields;
class DialogHost;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTableView;
class QTimeEdit;

// "Change clocks...": the change (fields and values, or fields of a
// configuration file, or align with the group), the preview of what each
// clock gets, then the run in waves with its progress and Stop, and the
// result with Export. The flow does the work; this only shows it.
//
// In ConfirmSend mode it is the group send's question: the preview of the
// configuration about to be sent, answered by Send (accepted) or Cancel.
class DialogChangeClocks : public FramelessDialog
{
    Q_OBJECT

public:
    enum class Mode { Choose, Align, ConfirmSend };
    enum Page { ChoosePage, PreviewPage, ResultPage };

    DialogChangeClocks(DialogHost &dialogs, ChangeClocksFlow &flow, Mode mode, QWidget *parent = nullptr);
    ~DialogChangeClocks() override;

    // The values the field picker starts from: those of a clock or group of
    // the change, as the editor would show them.
    void setStartingValues(const ClockConfigFields &config);
    // Align and the send's question: the preview starts at once.
    void startPreview();

public slots:
    void reject() override;

private:
    void updateSummary();
    void buildChoosePage(QWidget *page);
    QWidget *buildWaveSettings();
    void showFieldEditor(int fieldIndex);
    QString editedValue() const;
    void addValue();
    void removeValue();
    void chooseFile();
    void preview();
    void apply();
    void exportResult();
    void back();
    void onPhaseChanged(ChangeClocksFlow::Phase phase);
    void onProgress(int done, int total);
    void updateButtons();

    DialogHost &m_dialogs;
    ChangeClocksFlow &m_flow;
    Mode m_mode;
    std::unique_ptr<ClockConfigFields> m_starting;
    // Chosen values, in the order given: canonical field name, value text.
    QVector<QPair<QString, QString>> m_values;
    QVector<QPair<QString, QString>> m_fileValues;

    QLabel *m_summary;
    QStackedWidget *m_pages;
    QRadioButton *m_byFields = nullptr;
    QRadioButton *m_byFile = nullptr;
    QComboBox *m_field = nullptr;
    QLabel *m_valueLabel = nullptr;
    QStackedWidget *m_valueEditors = nullptr;
    QLineEdit *m_textValue = nullptr;
    QSpinBox *m_numberValue = nullptr;
    QComboBox *m_choiceValue = nullptr;
    QTimeEdit *m_timeValue = nullptr;
    QDoubleSpinBox *m_decimalValue = nullptr;
    QCheckBox *m_flagValue = nullptr;
    QListWidget *m_chosen = nullptr;
    QLineEdit *m_file = nullptr;
    QListWidget *m_fileFields = nullptr;
    QSpinBox *m_canary;
    QSpinBox *m_wave;
    QSpinBox *m_maxFailed;
    QTableView *m_previewTable;
    QTableView *m_resultTable;
    QProgressBar *m_progress;
    QLabel *m_status;
    QPushButton *m_back;
    QPushButton *m_preview;
    QPushButton *m_apply;
    QPushButton *m_stop;
    QPushButton *m_export;
    QPushButton *m_close;
};
