#include "ui/dialogs/DialogChangePasswords.h"

#include "core/AppSettings.h"
#include "session/PasswordRunModel.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/dialogs/DialogParts.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>

namespace {

using DialogParts::named;
using DialogParts::pushButton;
using Phase = PasswordClocksFlow::Phase;
using Source = PasswordClocksFlow::Source;

constexpr int defaultWidth = 960;
constexpr int defaultHeight = 620;
constexpr int margin = 16;
constexpr int spacing = 8;

QLineEdit *passwordInput(const QString &name, const QString &accessibleName)
{
    auto *input = named(new QLineEdit, name, accessibleName);
    input->setEchoMode(QLineEdit::Password);
    return input;
}

} // namespace

DialogChangePasswords::DialogChangePasswords(DialogHost &dialogs, PasswordClocksFlow &flow, QWidget *parent)
    : FramelessDialog(parent)
    , m_dialogs(dialogs)
    , m_flow(flow)
{
    setObjectName(QStringLiteral("DialogChangePasswords"));
    setWindowTitle(tr("Change passwords"));
    resize(defaultWidth, defaultHeight);
    QLabel *title = nullptr;
    QAbstractButton *close = nullptr;
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    QWidget *bar = DialogParts::titleBar(title, close);
    outer->addWidget(bar);

    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(margin, margin, margin, spacing);
    layout->setSpacing(spacing);
    m_summary = named(new QLabel, QStringLiteral("lblPasswordSummary"));
    m_summary->setWordWrap(true);
    m_summary->setProperty("transparent", true);
    layout->addWidget(m_summary);

    auto *settings = new QHBoxLayout;
    settings->setSpacing(margin);
    m_choice = buildChoice();
    settings->addWidget(m_choice, 1);
    DialogParts::WaveInputs waves;
    m_waves = DialogParts::waveSettings(waves);
    m_canary = waves.canary;
    m_wave = waves.wave;
    m_maxFailed = waves.maxFailed;
    settings->addWidget(m_waves, 0, Qt::AlignTop);
    layout->addLayout(settings);

    m_progress = named(new QProgressBar, QStringLiteral("pbrPasswords"), tr("Clocks done"));
    m_progress->setValue(0);
    layout->addWidget(m_progress);
    m_table = DialogParts::tableView(QStringLiteral("tbvPasswordClocks"), tr("Clocks"), m_flow.model());
    layout->addWidget(m_table, 1);
    // No accessible name of its own: a screen reader hears each new text as
    // the label's name changing.
    m_status = named(new QLabel, QStringLiteral("lblPasswordStatus"));
    m_status->setWordWrap(true);
    m_status->setProperty("transparent", true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_status);
    outer->addWidget(body, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(margin, spacing, margin, margin);
    buttons->setSpacing(spacing);
    m_export = pushButton(QStringLiteral("btnPasswordExport"), tr("Export…"));
    m_send = pushButton(QStringLiteral("btnPasswordSend"), tr("Send"));
    m_stop = pushButton(QStringLiteral("btnPasswordStop"), tr("Stop"));
    m_close = pushButton(QStringLiteral("btnPasswordClose"), tr("Close"));
    buttons->addWidget(m_export);
    buttons->addStretch();
    for (QPushButton *each : {m_send, m_stop, m_close})
        buttons->addWidget(each);
    outer->addLayout(buttons);

    attachTitleBar(bar, title);
    connect(close, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_close, &QAbstractButton::clicked, this, &DialogChangePasswords::reject);
    connect(m_send, &QAbstractButton::clicked, this, &DialogChangePasswords::send);
    connect(m_stop, &QAbstractButton::clicked, &m_flow, &PasswordClocksFlow::stop);
    connect(m_export, &QAbstractButton::clicked, this, &DialogChangePasswords::exportResult);
    connect(&m_flow, &PasswordClocksFlow::phaseChanged, this, &DialogChangePasswords::onPhaseChanged);
    connect(&m_flow, &PasswordClocksFlow::progressChanged, this, &DialogChangePasswords::onProgress);
    connect(&m_flow, &PasswordClocksFlow::statusChanged, m_status, &QLabel::setText);
    m_table->resizeColumnsToContents();
    onPhaseChanged(m_flow.phase());
    m_password->setFocus();
}

DialogChangePasswords::~DialogChangePasswords() = default;

QWidget *DialogChangePasswords::buildChoice()
{
    auto *box = named(new QGroupBox(tr("New passwords")), QStringLiteral("gbxPasswordSource"));
    auto *grid = new QGridLayout(box);
    m_one = named(new QRadioButton(tr("One new password for every clock")), QStringLiteral("rbtPasswordOne"));
    m_password = passwordInput(QStringLiteral("ledPasswordNew"), tr("New password"));
    m_repeat = passwordInput(QStringLiteral("ledPasswordRepeat"), tr("New password again"));
    m_password->setPlaceholderText(tr("New password"));
    m_repeat->setPlaceholderText(tr("Again"));
    m_generate = named(new QRadioButton(tr("A new password for each clock, made here and saved to a file")),
                       QStringLiteral("rbtPasswordGenerate"));
    m_generatedFile = named(new QLineEdit, QStringLiteral("ledPasswordGeneratedFile"), tr("File of the made passwords"));
    auto *chooseGenerated = pushButton(QStringLiteral("btnPasswordGeneratedFile"), tr("Choose…"));
    chooseGenerated->setAccessibleName(tr("Choose the file of the made passwords"));
    m_list = named(new QRadioButton(tr("Passwords from a file (ADDRESS,PASSWORD lines, or one password)")),
                   QStringLiteral("rbtPasswordList"));
    m_listFile = named(new QLineEdit, QStringLiteral("ledPasswordListFile"), tr("File of new passwords"));
    auto *chooseList = pushButton(QStringLiteral("btnPasswordListFile"), tr("Choose…"));
    chooseList->setAccessibleName(tr("Choose the file of new passwords"));
    auto *oldLabel = new QLabel(tr("Old password"));
    m_oldPassword = passwordInput(QStringLiteral("ledPasswordOld"), tr("Old password"));
    m_oldPassword->setPlaceholderText(tr("Empty: each clock's stored password"));
    oldLabel->setBuddy(m_oldPassword);
    m_one->setChecked(true);

    grid->addWidget(m_one, 0, 0, 1, 3);
    grid->addWidget(m_password, 1, 1);
    grid->addWidget(m_repeat, 1, 2);
    grid->addWidget(m_generate, 2, 0, 1, 3);
    grid->addWidget(m_generatedFile, 3, 1);
    grid->addWidget(chooseGenerated, 3, 2, Qt::AlignLeft);
    grid->addWidget(m_list, 4, 0, 1, 3);
    grid->addWidget(m_listFile, 5, 1);
    grid->addWidget(chooseList, 5, 2, Qt::AlignLeft);
    grid->addWidget(oldLabel, 6, 0, 1, 2);
    grid->addWidget(m_oldPassword, 7, 1);
    grid->setColumnMinimumWidth(0, margin);
    grid->setColumnStretch(1, 1);

    // Typing in a source's inputs chooses it.
    connect(m_password, &QLineEdit::textEdited, m_one, [this] { m_one->setChecked(true); });
    connect(m_generatedFile, &QLineEdit::textEdited, m_generate, [this] { m_generate->setChecked(true); });
    connect(m_listFile, &QLineEdit::textEdited, m_list, [this] { m_list->setChecked(true); });
    connect(chooseGenerated, &QAbstractButton::clicked, this, &DialogChangePasswords::chooseGeneratedFile);
    connect(chooseList, &QAbstractButton::clicked, this, &DialogChangePasswords::chooseListFile);
    return box;
}

void DialogChangePasswords::chooseGeneratedFile()
{
    const QString path =
        m_dialogs.saveFileName({this, tr("Save the new passwords"), lastPath(), tr("CSV files (*.csv)")});
    if (path.isEmpty())
        return;
    m_generatedFile->setText(path);
    m_generate->setChecked(true);
}

void DialogChangePasswords::chooseListFile()
{
    const QString path = m_dialogs.openFileName(
        {this, tr("Open a file of new passwords"), lastPath(), tr("CSV files (*.csv);;All files (*)")});
    if (path.isEmpty())
        return;
    m_listFile->setText(path);
    m_list->setChecked(true);
}

void DialogChangePasswords::send()
{
    PasswordClocksFlow::Choice choice;
    choice.oldPassword = m_oldPassword->text();
    if (m_one->isChecked()) {
        if (m_password->text().isEmpty()) {
            m_dialogs.message(this, tr("Type the new password in both fields."), QuestionIcon::Warning);
            return;
        }
        if (m_password->text() != m_repeat->text()) {
            m_dialogs.message(this, tr("The new password is not the same in both fields."), QuestionIcon::Warning);
            return;
        }
        choice.source = Source::Given;
        choice.password = m_password->text();
    } else {
        choice.source = m_generate->isChecked() ? Source::Generated : Source::List;
        choice.path = (m_generate->isChecked() ? m_generatedFile : m_listFile)->text().trimmed();
        if (choice.path.isEmpty()) {
            m_dialogs.message(this, tr("Choose the file first."), QuestionIcon::Warning);
            return;
        }
    }
    if (m_dialogs.ask(this, tr("Change the password of %n clocks?", nullptr, m_flow.clockCount()),
                      QuestionIcon::Question, tr("Send"), tr("Cancel"))
        != QuestionResult::Positive)
        return;
    m_flow.setWaves(m_canary->value(), m_wave->value(), m_maxFailed->value());
    QString why;
    if (!m_flow.start(choice, &why))
        m_dialogs.message(this, why, QuestionIcon::Critical);
    updateButtons();
}

void DialogChangePasswords::exportResult()
{
    const QString path =
        m_dialogs.saveFileName({this, tr("Export password result"), lastPath(), tr("CSV files (*.csv)")});
    if (path.isEmpty())
        return;
    QString why;
    if (m_flow.exportCsv(path, &why))
        m_dialogs.message(this, tr("The result was written to %1.").arg(path), QuestionIcon::Info);
    else
        m_dialogs.message(this, tr("Cannot write %1: %2").arg(path, why), QuestionIcon::Critical);
}

void DialogChangePasswords::reject()
{
    // Closing in the middle of a wave would leave clocks half sent: the run
    // stops after its wave instead, and the dialog closes when it has.
    if (m_flow.phase() == Phase::Applying) {
        m_flow.stop();
        return;
    }
    FramelessDialog::reject();
}

void DialogChangePasswords::onPhaseChanged(Phase phase)
{
    m_summary->setText(tr("Change the password of %n clocks: each is sent its new password, then asked for its "
                          "status with it. The device list keeps the password each clock answers to.",
                          nullptr, m_flow.clockCount()));
    m_status->setText(m_flow.statusText());
    if (phase == Phase::Finished) {
        m_table->resizeColumnsToContents();
        m_table->setFocus();
    }
    updateButtons();
}

void DialogChangePasswords::onProgress(int done, int total)
{
    m_progress->setMaximum(qMax(1, total));
    m_progress->setValue(done);
}

void DialogChangePasswords::updateButtons()
{
    const Phase phase = m_flow.phase();
    const bool choosing = phase == Phase::Choosing;
    m_choice->setEnabled(choosing);
    m_waves->setEnabled(choosing);
    m_send->setEnabled(choosing && m_flow.clockCount() > 0);
    m_stop->setEnabled(phase == Phase::Applying);
    m_export->setEnabled(phase == Phase::Finished);
    m_close->setEnabled(phase != Phase::Applying);
    // Enter presses what comes next.
    QPushButton *next = choosing ? m_send : m_close;
    if (!next->isEnabled())
        next = m_close;
    next->setDefault(true);
}
