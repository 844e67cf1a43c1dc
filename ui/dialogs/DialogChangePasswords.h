#pragma once

#include "session/PasswordClocksFlow.h"
#include "ui/frame/FramelessDialog.h"

class DialogHost;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

// "Change passwords...": where the new passwords come from (one for every
// clock, one made here per clock into a file, or a file of them), the waves,
// then the run with its progress and Stop, and the result with Export. The
// clocks' table is the same from the choice to the result. The flow does the
// work; this only shows it.
class DialogChangePasswords : public FramelessDialog
{
    Q_OBJECT

public:
    DialogChangePasswords(DialogHost &dialogs, PasswordClocksFlow &flow, QWidget *parent = nullptr);
    ~DialogChangePasswords() override;

public slots:
    void reject() override;

private:
    QWidget *buildChoice();
    void chooseGeneratedFile();
    void chooseListFile();
    void send();
    void exportResult();
    void onPhaseChanged(PasswordClocksFlow::Phase phase);
    void onProgress(int done, int total);
    void updateButtons();

    DialogHost &m_dialogs;
    PasswordClocksFlow &m_flow;

    QLabel *m_summary;
    QWidget *m_choice = nullptr;
    QRadioButton *m_one = nullptr;
    QRadioButton *m_generate = nullptr;
    QRadioButton *m_list = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_repeat = nullptr;
    QLineEdit *m_generatedFile = nullptr;
    QLineEdit *m_listFile = nullptr;
    QLineEdit *m_oldPassword = nullptr;
    QWidget *m_waves = nullptr;
    QSpinBox *m_canary = nullptr;
    QSpinBox *m_wave = nullptr;
    QSpinBox *m_maxFailed = nullptr;
    QTableView *m_table;
    QProgressBar *m_progress;
    QLabel *m_status;
    QPushButton *m_export;
    QPushButton *m_send;
    QPushButton *m_stop;
    QPushButton *m_close;
};
