#include "ui/widgets/TableItemCustom.h"

#include "ui/widgets/PushButtonFlat.h"
#include "desktop/ThemeManager.h"
#include "ui_TableItemRow.h"

#include <QCheckBox>
#include <QComboBox>

namespace {
const char indexProperty[] = "Index";
}

TableItemCustom::TableItemCustom(QWidget *parent, int row, const QString &text, const QString &bottomText, int kind)
    : QWidget(parent)
    , ui(new Ui::TableItemRow)
    , m_row(row)
    , m_kind(kind)
{
    ui->setupUi(this);
    for (ElideLabel *label : {ui->label, ui->labelBottom})
        connect(label, &ElideLabel::Clicked, this, [this] { emit LabelClicked(m_row); });
    ui->wdtIcon->hide();
    setTexts(text, bottomText);
}

TableItemCustom::~TableItemCustom()
{
    delete ui;
}

PushButtonFlat *TableItemCustom::addButton(const QString &iconPath, const QString &text, const QString &toolTip,
                                           int minimumWidth)
{
    auto *button = new PushButtonFlat(this);
    button->setProperty(indexProperty, m_buttons.size());
    button->setProperty("recent", true);
    button->setIconSize(QSize(buttonIconSize, buttonIconSize));
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    if (!iconPath.isEmpty())
        button->setIcon(ThemeManager::themedIcon(iconPath, m_kind));
    button->setMinimumWidth(minimumWidth);
    button->setText(text);
    connect(button, &QPushButton::clicked, this, &TableItemCustom::buttonClicked);
    ui->horizontalLayout->addWidget(button);
    m_buttons.append(button);
    return button;
}

QCheckBox *TableItemCustom::addCheckBox(bool checked)
{
    auto *box = new QCheckBox(this);
    box->setProperty(indexProperty, m_checkBoxes.size());
    box->setFixedWidth(checkBoxWidth);
    box->setChecked(checked);
    connect(box, &QCheckBox::clicked, this, &TableItemCustom::CheckboxClicked);
    ui->horizontalLayout->addWidget(box);
    m_checkBoxes.append(box);
    return box;
}

QComboBox *TableItemCustom::addComboBox(const QStringList &items, int currentIndex)
{
    auto *box = new QComboBox(this);
    box->setProperty(indexProperty, m_comboBoxes.size());
    box->addItems(items);
    box->setCurrentIndex(currentIndex);
    connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &TableItemCustom::comboBoxIndexChanged);
    ui->horizontalLayout->addWidget(box);
    m_comboBoxes.append(box);
    return box;
}

void TableItemCustom::setIcon(const QPixmap &pixmap)
{
    ui->icon->setPixmap(pixmap);
    ui->icon->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    ui->wdtIcon->setVisible(!pixmap.isNull());
}

void TableItemCustom::setTexts(const QString &text, const QString &bottomText)
{
    ui->label->setText(text);
    ui->labelBottom->setText(bottomText);
    ui->label->setVisible(!text.isEmpty());
    ui->labelBottom->setVisible(!bottomText.isEmpty());
    // Without text the cell's controls get the whole width.
    ui->wdtText->setVisible(!text.isEmpty() || !bottomText.isEmpty());
}

QString TableItemCustom::text() const
{
    return ui->label->text();
}

QString TableItemCustom::bottomText() const
{
    return ui->labelBottom->text();
}

bool TableItemCustom::isChecked() const
{
    return !m_checkBoxes.isEmpty() && m_checkBoxes.constFirst()->isChecked();
}

void TableItemCustom::setChecked(bool checked)
{
    if (!m_checkBoxes.isEmpty())
        m_checkBoxes.constFirst()->setChecked(checked);
}

int TableItemCustom::comboIndex(int box) const
{
    if (box < 0 || box >= m_comboBoxes.size())
        return -1;
    return m_comboBoxes.at(box)->currentIndex();
}

void TableItemCustom::setComboIndex(int box, int index)
{
    if (box < 0 || box >= m_comboBoxes.size())
        return;
    m_comboBoxes.at(box)->setCurrentIndex(index);
}

void TableItemCustom::setComboItems(int box, const QStringList &items)
{
    if (box < 0 || box >= m_comboBoxes.size())
        return;
    QComboBox *combo = m_comboBoxes.at(box);
    const QSignalBlocker blocker(combo);
    const int previous = combo->currentIndex();
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(previous >= 0 && previous < items.size() ? previous : (items.isEmpty() ? -1 : 0));
}

void TableItemCustom::buttonClicked()
{
    if (QObject *button = sender())
        emit ButtonClicked(m_row, button->property(indexProperty).toInt());
}

void TableItemCustom::comboBoxIndexChanged(int value)
{
    if (QObject *box = sender())
        emit ComboboxIndexChanged(m_row, box->property(indexProperty).toInt(), value);
}

