#include "ui/dialogs/DialogChangeClocks.h"

#include "core/AppSettings.h"
#include "model/ClockConfig.h"
#include "operations/change/ConfigFieldAccess.h"
#include "persistence/ConfigurationFileActions.h"
#include "persistence/ConfigurationFiles.h"
#include "session/ChangeFieldChoices.h"
#include "session/ChangeRunModel.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/dialogs/DialogParts.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QTimeEdit>

namespace {

using DialogParts::named;
using DialogParts::pushButton;
using DialogParts::tableView;
using Phase = ChangeClocksFlow::Phase;
using Kind = ChangeFieldChoices::Kind;

// The value editors in the order of Kind.
enum Editor { FlagEditor, ChoiceEditor, NumberEditor, DecimalEditor, TimeEditor, TextEditor };

// Wide enough for the result's six columns of a two-field change.
constexpr int defaultWidth = 1000;
constexpr int defaultHeight = 560;
constexpr int margin = 16;
constexpr int spacing = 8;
constexpr int decimalsOfOffset = 1;
constexpr int tenthsPerUnit = 10;
const QString timeFormat = QStringLiteral("hh:mm");

// "Alarm 3: time = 06:30"
QString valueLine(const QString &field, const QString &value)
{
    const ChangeFieldChoices::Field *known = ChangeFieldChoices::find(field);
    return QStringLiteral("%1 = %2").arg(known ? known->label : field, ChangeFieldChoices::shown(field, value));
}

} // namespace

DialogChangeClocks::DialogChangeClocks(DialogHost &dialogs, ChangeClocksFlow &flow, Mode mode, QWidget *parent)
    : FramelessDialog(parent)
    , m_dialogs(dialogs)
    , m_flow(flow)
    , m_mode(mode)
{
    setObjectName(QStringLiteral("DialogChangeClocks"));
    setWindowTitle(mode == Mode::ConfirmSend ? tr("Send configuration to group") : tr("Change clocks"));
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
    m_summary = named(new QLabel, QStringLiteral("lblChangeSummary"));
    m_summary->setWordWrap(true);
    m_summary->setProperty("transparent", true);
    layout->addWidget(m_summary);

    m_pages = named(new QStackedWidget, QStringLiteral("swdChange"));
    auto *choose = named(new QWidget, QStringLiteral("wdtChangeChoose"));
    buildChoosePage(choose);
    m_pages->addWidget(choose);
    m_previewTable = tableView(QStringLiteral("tbvChangePreview"), tr("Preview"), m_flow.previewModel());
    m_pages->addWidget(m_previewTable);
    auto *result = named(new QWidget, QStringLiteral("wdtChangeResult"));
    auto *resultLayout = new QVBoxLayout(result);
    resultLayout->setContentsMargins(0, 0, 0, 0);
    m_progress = named(new QProgressBar, QStringLiteral("pbrChange"), tr("Clocks done"));
    m_resultTable = tableView(QStringLiteral("tbvChangeResult"), tr("Result"), m_flow.resultModel());
    resultLayout->addWidget(m_progress);
    resultLayout->addWidget(m_resultTable);
    m_pages->addWidget(result);
    layout->addWidget(m_pages, 1);

    // No accessible name of its own: a screen reader hears each new text as
    // the label's name changing.
    m_status = named(new QLabel, QStringLiteral("lblChangeStatus"));
    m_status->setWordWrap(true);
    m_status->setProperty("transparent", true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_status);
    outer->addWidget(body, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(margin, spacing, margin, margin);
    buttons->setSpacing(spacing);
    m_back = pushButton(QStringLiteral("btnChangeBack"), tr("Back"));
    m_export = pushButton(QStringLiteral("btnChangeExport"), tr("Export…"));
    m_preview = pushButton(QStringLiteral("btnChangePreview"), tr("Preview"));
    m_apply = pushButton(QStringLiteral("btnChangeApply"), mode == Mode::ConfirmSend ? tr("Send") : tr("Apply"));
    m_stop = pushButton(QStringLiteral("btnChangeStop"), tr("Stop"));
    m_close = pushButton(QStringLiteral("btnChangeClose"), mode == Mode::ConfirmSend ? tr("Cancel") : tr("Close"));
    buttons->addWidget(m_back);
    buttons->addWidget(m_export);
    buttons->addStretch();
    for (QPushButton *each : {m_preview, m_apply, m_stop, m_close})
        buttons->addWidget(each);
    outer->addLayout(buttons);

    attachTitleBar(bar, title);
    connect(close, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_close, &QAbstractButton::clicked, this, &DialogChangeClocks::reject);
    connect(m_back, &QAbstractButton::clicked, this, &DialogChangeClocks::back);
    connect(m_preview, &QAbstractButton::clicked, this, &DialogChangeClocks::preview);
    connect(m_apply, &QAbstractButton::clicked, this, &DialogChangeClocks::apply);
    connect(m_stop, &QAbstractButton::clicked, &m_flow, &ChangeClocksFlow::stop);
    connect(m_export, &QAbstractButton::clicked, this, &DialogChangeClocks::exportResult);
    connect(&m_flow, &ChangeClocksFlow::phaseChanged, this, &DialogChangeClocks::onPhaseChanged);
    connect(&m_flow, &ChangeClocksFlow::progressChanged, this, &DialogChangeClocks::onProgress);
    connect(&m_flow, &ChangeClocksFlow::statusChanged, m_status, &QLabel::setText);

    updateSummary();
    m_pages->setCurrentIndex(mode == Mode::Choose ? ChoosePage : PreviewPage);
    updateButtons();
}

DialogChangeClocks::~DialogChangeClocks() = default;

void DialogChangeClocks::updateSummary()
{
    const int clocks = m_flow.clockCount();
    m_summary->setText(m_mode == Mode::Align
                           ? tr("Align %n clocks with their groups: the fields where a clock departs from its "
                                "group's configuration, and its daylight saving where it leaves the site's zone.",
                                nullptr, clocks)
                       : m_mode == Mode::ConfirmSend
                           ? tr("Each of the %n clocks is read first; the table shows what the send changes on "
                                "each. Nothing is sent until you press Send.",
                                nullptr, clocks)
                           : tr("Change %n clocks: choose the fields and their values, then Preview shows what "
                                "each clock gets before anything is sent.",
                                nullptr, clocks));
}

void DialogChangeClocks::buildChoosePage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    m_byFields = named(new QRadioButton(tr("Set fields")), QStringLiteral("rbtChangeFields"));
    m_byFile = named(new QRadioButton(tr("Fields from a configuration file")), QStringLiteral("rbtChangeFile"));
    m_byFields->setChecked(true);

    auto *fields = named(new QWidget, QStringLiteral("wdtChangeFields"));
    auto *fieldsLayout = new QGridLayout(fields);
    fieldsLayout->setContentsMargins(margin, 0, 0, 0);
    auto *fieldLabel = new QLabel(tr("Field"));
    m_field = named(new QComboBox, QStringLiteral("cbxChangeField"));
    for (const ChangeFieldChoices::Field &field : ChangeFieldChoices::fields())
        m_field->addItem(field.label, field.name);
    fieldLabel->setBuddy(m_field);
    m_valueLabel = new QLabel(tr("Value"));
    m_valueEditors = named(new QStackedWidget, QStringLiteral("swdChangeValue"));
    m_flagValue = named(new QCheckBox(tr("On")), QStringLiteral("cbxChangeFlag"));
    m_choiceValue = named(new QComboBox, QStringLiteral("cbxChangeValue"));
    m_numberValue = named(new QSpinBox, QStringLiteral("sbxChangeValue"));
    m_decimalValue = named(new QDoubleSpinBox, QStringLiteral("dsbChangeValue"));
    m_decimalValue->setDecimals(decimalsOfOffset);
    m_decimalValue->setSingleStep(1.0 / tenthsPerUnit);
    m_timeValue = named(new QTimeEdit, QStringLiteral("tedChangeValue"));
    m_timeValue->setDisplayFormat(timeFormat);
    m_textValue = named(new QLineEdit, QStringLiteral("ledChangeValue"));
    for (QWidget *editor : std::initializer_list<QWidget *>{m_flagValue, m_choiceValue, m_numberValue, m_decimalValue,
                                                             m_timeValue, m_textValue})
        m_valueEditors->addWidget(editor);
    auto *add = pushButton(QStringLiteral("btnChangeAdd"), tr("Add"));
    auto *chosenLabel = new QLabel(tr("Fields to change"));
    m_chosen = named(new QListWidget, QStringLiteral("lstChangeValues"), tr("Fields to change"));
    chosenLabel->setBuddy(m_chosen);
    auto *remove = pushButton(QStringLiteral("btnChangeRemove"), tr("Remove"));
    fieldsLayout->addWidget(fieldLabel, 0, 0);
    fieldsLayout->addWidget(m_field, 0, 1);
    fieldsLayout->addWidget(m_valueLabel, 1, 0);
    fieldsLayout->addWidget(m_valueEditors, 1, 1);
    fieldsLayout->addWidget(add, 1, 2);
    fieldsLayout->addWidget(chosenLabel, 2, 0, Qt::AlignTop);
    fieldsLayout->addWidget(m_chosen, 2, 1);
    fieldsLayout->addWidget(remove, 2, 2, Qt::AlignTop);
    fieldsLayout->setColumnStretch(1, 1);

    auto *file = named(new QWidget, QStringLiteral("wdtChangeFile"));
    auto *fileLayout = new QGridLayout(file);
    fileLayout->setContentsMargins(margin, 0, 0, 0);
    auto *fileLabel = new QLabel(tr("File"));
    m_file = named(new QLineEdit, QStringLiteral("ledChangeFile"));
    m_file->setReadOnly(true);
    fileLabel->setBuddy(m_file);
    auto *browse = pushButton(QStringLiteral("btnChangeFileBrowse"), tr("Browse…"));
    auto *fileFieldsLabel = new QLabel(tr("Fields to take"));
    m_fileFields = named(new QListWidget, QStringLiteral("lstChangeFileFields"), tr("Fields to take"));
    fileFieldsLabel->setBuddy(m_fileFields);
    fileLayout->addWidget(fileLabel, 0, 0);
    fileLayout->addWidget(m_file, 0, 1);
    fileLayout->addWidget(browse, 0, 2);
    fileLayout->addWidget(fileFieldsLabel, 1, 0, Qt::AlignTop);
    fileLayout->addWidget(m_fileFields, 1, 1, 1, 2);
    fileLayout->setColumnStretch(1, 1);

    layout->addWidget(m_byFields);
    layout->addWidget(fields, 1);
    layout->addWidget(m_byFile);
    layout->addWidget(file, 1);
    layout->addWidget(buildWaveSettings());
    const auto byWay = [fields, file, this] {
        fields->setEnabled(m_byFields->isChecked());
        file->setEnabled(m_byFile->isChecked());
    };
    byWay();
    connect(m_byFields, &QRadioButton::toggled, this, byWay);
    connect(m_field, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &DialogChangeClocks::showFieldEditor);
    connect(add, &QAbstractButton::clicked, this, &DialogChangeClocks::addValue);
    connect(remove, &QAbstractButton::clicked, this, &DialogChangeClocks::removeValue);
    connect(browse, &QAbstractButton::clicked, this, &DialogChangeClocks::chooseFile);
    showFieldEditor(0);
}

QWidget *DialogChangeClocks::buildWaveSettings()
{
    DialogParts::WaveInputs inputs;
    QWidget *box = DialogParts::waveSettings(inputs);
    m_canary = inputs.canary;
    m_wave = inputs.wave;
    m_maxFailed = inputs.maxFailed;
    return box;
}

void DialogChangeClocks::setStartingValues(const ClockConfigFields &config)
{
    m_starting = std::make_unique<ClockConfigFields>(config);
    showFieldEditor(m_field->currentIndex());
}

void DialogChangeClocks::showFieldEditor(int fieldIndex)
{
    const ChangeFieldChoices::Field *field = ChangeFieldChoices::find(m_field->itemData(fieldIndex).toString());
    if (!field)
        return;
    const QString current = m_starting ? ConfigFieldAccess::text(*m_starting, field->name) : QString();
    QWidget *editor = nullptr;
    switch (field->kind) {
    case Kind::Flag:
        m_flagValue->setChecked(current == QLatin1String("on"));
        editor = m_flagValue;
        break;
    case Kind::Choice:
        m_choiceValue->clear();
        m_choiceValue->addItems(ChangeFieldChoices::choices(*field));
        m_choiceValue->setCurrentIndex(qMax(0, current.toInt()));
        editor = m_choiceValue;
        break;
    case Kind::Number:
        m_numberValue->setRange(field->minimum, field->maximum);
        m_numberValue->setValue(current.isEmpty() ? field->minimum : current.toInt());
        editor = m_numberValue;
        break;
    case Kind::Decimal:
        m_decimalValue->setRange(double(field->minimum) / tenthsPerUnit, double(field->maximum) / tenthsPerUnit);
        m_decimalValue->setValue(current.toDouble());
        editor = m_decimalValue;
        break;
    case Kind::Time:
        m_timeValue->setTime(QTime::fromString(current, timeFormat).isValid() ? QTime::fromString(current, timeFormat)
                                                                              : QTime(0, 0));
        editor = m_timeValue;
        break;
    case Kind::Text:
        m_textValue->setText(current);
        editor = m_textValue;
        break;
    }
    m_valueEditors->setCurrentWidget(editor);
    // The editor takes the field's name, so a screen reader says what it sets.
    editor->setAccessibleName(tr("Value of %1").arg(field->label));
    m_valueLabel->setBuddy(editor);
}

QString DialogChangeClocks::editedValue() const
{
    QWidget *editor = m_valueEditors->currentWidget();
    if (editor == m_flagValue)
        return m_flagValue->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    if (editor == m_choiceValue)
        return QString::number(m_choiceValue->currentIndex());
    if (editor == m_numberValue)
        return QString::number(m_numberValue->value());
    if (editor == m_decimalValue)
        return QString::number(m_decimalValue->value(), 'f', decimalsOfOffset);
    if (editor == m_timeValue)
        return m_timeValue->time().toString(timeFormat);
    return m_textValue->text();
}

void DialogChangeClocks::addValue()
{
    const QString field = m_field->currentData().toString();
    const QString value = editedValue();
    ClockConfigFields probe;
    QString why;
    if (!ConfigFieldAccess::set(probe, field, value, &why)) {
        m_dialogs.message(this, why, QuestionIcon::Warning);
        return;
    }
    // A field given again takes the newer value.
    for (int i = 0; i < m_values.size(); ++i) {
        if (m_values.at(i).first == field) {
            m_values[i].second = value;
            m_chosen->item(i)->setText(valueLine(field, value));
            return;
        }
    }
    m_values.append({field, value});
    m_chosen->addItem(valueLine(field, value));
    m_chosen->setCurrentRow(m_chosen->count() - 1);
    updateButtons();
}

void DialogChangeClocks::removeValue()
{
    const int row = m_chosen->currentRow();
    if (row < 0 || row >= m_values.size())
        return;
    m_values.remove(row);
    delete m_chosen->takeItem(row);
    updateButtons();
}

void DialogChangeClocks::chooseFile()
{
    const ConfigurationFileActions::Texts texts = ConfigurationFileActions::texts(ConfigurationFileActions::Action::Open);
    const QString path = m_dialogs.openFileName({this, texts.title, lastPath(), texts.filter});
    if (path.isEmpty())
        return;
    QString why;
    const std::unique_ptr<ClockConfig> config = ConfigurationFiles::openConfiguration(path, &why);
    if (!config) {
        m_dialogs.message(this, QStringLiteral("%1: %2 (%3)").arg(texts.failure, path, why), QuestionIcon::Critical);
        return;
    }
    m_file->setText(path);
    m_fileValues.clear();
    m_fileFields->clear();
    // Nothing ticked: the user picks the fields the file is to give.
    for (const ChangeFieldChoices::Field &field : ChangeFieldChoices::fields()) {
        const QString value = ConfigFieldAccess::text(*config, field.name);
        m_fileValues.append({field.name, value});
        auto *item = new QListWidgetItem(valueLine(field.name, value), m_fileFields);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(m_fileFields, &QListWidget::itemChanged, this, &DialogChangeClocks::updateButtons, Qt::UniqueConnection);
    m_byFile->setChecked(true);
    updateButtons();
}

void DialogChangeClocks::startPreview()
{
    m_flow.setWaves(m_canary->value(), m_wave->value(), m_maxFailed->value());
    m_pages->setCurrentIndex(PreviewPage);
    m_flow.preview();
    updateButtons();
}

void DialogChangeClocks::preview()
{
    if (m_mode == Mode::Choose) {
        ChangeRecipe recipe;
        recipe.kind = ChangeRecipe::Kind::Set;
        if (m_byFields->isChecked()) {
            recipe.values = m_values;
        } else {
            for (int i = 0; i < m_fileFields->count() && i < m_fileValues.size(); ++i) {
                if (m_fileFields->item(i)->checkState() == Qt::Checked)
                    recipe.values.append(m_fileValues.at(i));
            }
        }
        if (recipe.values.isEmpty())
            return;
        m_flow.setRecipe(recipe);
    }
    startPreview();
}

void DialogChangeClocks::apply()
{
    if (m_mode == Mode::ConfirmSend) {
        if (m_flow.phase() == Phase::Planned)
            accept();
        return;
    }
    if (m_flow.apply())
        m_pages->setCurrentIndex(ResultPage);
    updateButtons();
}

void DialogChangeClocks::exportResult()
{
    const QString path =
        m_dialogs.saveFileName({this, tr("Export change result"), lastPath(), tr("CSV files (*.csv)")});
    if (path.isEmpty())
        return;
    QString why;
    if (m_flow.exportCsv(path, &why))
        m_dialogs.message(this, tr("The result was written to %1.").arg(path), QuestionIcon::Info);
    else
        m_dialogs.message(this, tr("Cannot write %1: %2").arg(path, why), QuestionIcon::Critical);
}

void DialogChangeClocks::back()
{
    m_flow.reset();
    m_pages->setCurrentIndex(ChoosePage);
    updateButtons();
}

void DialogChangeClocks::reject()
{
    // Closing in the middle of a wave would leave clocks half sent: the run
    // stops after its wave instead, and the dialog closes when it has.
    if (m_flow.phase() == Phase::Applying) {
        m_flow.stop();
        return;
    }
    FramelessDialog::reject();
}

void DialogChangeClocks::onPhaseChanged(Phase phase)
{
    updateSummary();
    if (phase == Phase::Planned) {
        m_pages->setCurrentIndex(PreviewPage);
        m_previewTable->resizeColumnsToContents();
        m_previewTable->setFocus();
    } else if (phase == Phase::Finished) {
        m_resultTable->resizeColumnsToContents();
        m_pages->setCurrentIndex(ResultPage);
    }
    updateButtons();
}

void DialogChangeClocks::onProgress(int done, int total)
{
    m_progress->setMaximum(qMax(1, total));
    m_progress->setValue(done);
}

void DialogChangeClocks::updateButtons()
{
    const Phase phase = m_flow.phase();
    const bool choosing = phase == Phase::Choosing && m_mode == Mode::Choose;
    bool anyChosen = !m_values.isEmpty();
    if (m_byFile && m_byFile->isChecked()) {
        anyChosen = false;
        for (int i = 0; i < m_fileFields->count(); ++i)
            anyChosen = anyChosen || m_fileFields->item(i)->checkState() == Qt::Checked;
    }
    m_back->setVisible(m_mode == Mode::Choose);
    m_back->setEnabled(phase == Phase::Planned);
    m_preview->setVisible(m_mode == Mode::Choose);
    m_preview->setEnabled(choosing && anyChosen);
    // The send goes to every member whatever the preview found; a change
    // run only to the clocks it would change.
    m_apply->setEnabled(phase == Phase::Planned && (m_mode == Mode::ConfirmSend || m_flow.plannedCount() > 0));
    m_stop->setVisible(m_mode != Mode::ConfirmSend);
    m_stop->setEnabled(phase == Phase::Applying);
    m_export->setVisible(m_mode != Mode::ConfirmSend);
    m_export->setEnabled(phase == Phase::Finished);
    m_close->setEnabled(phase != Phase::Applying);
    // Enter presses what comes next.
    QPushButton *next = phase == Phase::Planned ? m_apply : choosing ? m_preview : m_close;
    if (!next->isEnabled())
        next = m_close;
    next->setDefault(true);
}
