#include "ui/definitions/definition_parameters.h"

#include "ui/common/artwork.h"
#include "ui/definitions/add_idle_sound_dialog.h"
#include "ui/definitions/list_selection.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/launcher.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tav {
namespace {

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// True when the file was written.
bool reportWriteFailure(const QString &gamePath, const Status &status)
{
    if (status)
        return true;
    platform::showError(QStringLiteral("%1 could not be saved. The file was left as it was; "
                                       "the change is kept in the list on screen.")
                            .arg(gamePath),
                        QStringLiteral("Error"), status.error());
    return false;
}

void reportUnreadableFile(const QString &gamePath)
{
    platform::showError(QStringLiteral("%1 exists but could not be read when this window opened, so it is not "
                                       "overwritten. The change is kept in the list on screen only.")
                            .arg(gamePath));
}

} // namespace

Form9::Form9(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Definition parameters"));

    auto *lists = new QHBoxLayout;
    lists->addWidget(buildIdleSoundsFrame(), 1);
    lists->addWidget(buildGoalsFrame(), 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(addLogo(this, 0, 0), 0, Qt::AlignBottom);
    bottom->addWidget(buildShortcutsFrame(), 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(bottom);
    resize(840, 440);

    Form_Load();
}

QGroupBox *Form9::buildIdleSoundsFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Person idle sounds"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_list1 = makeList(QStringLiteral("List1"), frame);
    auto *add = makeButton(QStringLiteral("Command2"), QStringLiteral("add..."), frame);
    auto *remove = makeButton(QStringLiteral("Command1"), QStringLiteral("remove"), frame);
    connect(add, &QPushButton::clicked, this, &Form9::Command2_Click);
    connect(remove, &QPushButton::clicked, this, &Form9::Command1_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(m_list1, 1);
    layout->addLayout(buttons);
    return frame;
}

QGroupBox *Form9::buildGoalsFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Mission goals"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    m_list2 = makeList(QStringLiteral("List2"), frame);
    connect(m_list2, &QListWidget::currentRowChanged, this, &Form9::List2_Click);
    connect(m_list2, &QListWidget::itemClicked, this, &Form9::List2_Click);

    auto *label = new QLabel(QStringLiteral("goal #:"), frame);
    label->setObjectName(QStringLiteral("Label1"));
    m_goalNr = new QLineEdit(frame);
    m_goalNr->setObjectName(QStringLiteral("GoalNr"));
    m_goalNr->setReadOnly(true);
    m_goalNr->setMaximumWidth(60);
    label->setBuddy(m_goalNr);

    auto *add = makeButton(QStringLiteral("Command4"), QStringLiteral("add..."), frame);
    auto *rename = makeButton(QStringLiteral("Command5"), QStringLiteral("rename"), frame);
    auto *remove = makeButton(QStringLiteral("Command3"), QStringLiteral("delete"), frame);
    connect(add, &QPushButton::clicked, this, &Form9::Command4_Click);
    connect(rename, &QPushButton::clicked, this, &Form9::Command5_Click);
    connect(remove, &QPushButton::clicked, this, &Form9::Command3_Click);

    auto *number = new QHBoxLayout;
    number->addWidget(label);
    number->addWidget(m_goalNr);
    number->addStretch(1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(rename);
    buttons->addWidget(remove);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(m_list2, 1);
    layout->addLayout(number);
    layout->addLayout(buttons);
    return frame;
}

QGroupBox *Form9::buildShortcutsFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("More definition parameters"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    auto *gamedata = makeButton(QStringLiteral("Command6"), QStringLiteral("Open GAMEDATA folder"), frame);
    auto *sounds = makeButton(QStringLiteral("Command7"), QStringLiteral("Open SOUNDS folder"), frame);
    auto *help = makeButton(QStringLiteral("Command8"), QStringLiteral("Definitions.txt"), frame);
    connect(gamedata, &QPushButton::clicked, this, &Form9::Command6_Click);
    connect(sounds, &QPushButton::clicked, this, &Form9::Command7_Click);
    connect(help, &QPushButton::clicked, this, &Form9::Command8_Click);

    auto *layout = new QHBoxLayout(frame);
    layout->addWidget(gamedata);
    layout->addWidget(sounds);
    layout->addWidget(help);
    return frame;
}

void Form9::Form_Load()
{
    QStringList problems;
    Result<QList<IdleSound>> idleSounds = readIdleSounds(m_folder);
    if (idleSounds) {
        m_idleSounds = std::move(idleSounds.value());
        for (const IdleSound &sound : m_idleSounds)
            m_list1->addItem(idleSoundEntryText(sound));
    } else {
        m_idleSoundsUnreadable = m_folder.exists(kIdleSoundsPath);
        problems << QStringLiteral("The person idle sounds could not be read from %1: %2")
                        .arg(kIdleSoundsPath, idleSounds.error());
    }

    Result<GoalList> goals = readGoalList(m_folder);
    if (goals) {
        m_goals = std::move(goals.value());
        m_list2->addItems(m_goals.descriptions());
    } else {
        m_goalsUnreadable = m_folder.exists(kGoalsPath);
        problems << QStringLiteral("The mission goals could not be read from %1: %2").arg(kGoalsPath, goals.error());
    }

    m_savedIdleSounds.markSaved(m_idleSounds);
    m_savedGoals.markSaved(m_goals.descriptions());
    if (!problems.isEmpty())
        platform::showError(problems.join(QLatin1Char('\n'))
                            + QStringLiteral("\nThe list starts empty; the file is written with the next change."));
}

void Form9::Command1_Click()
{
    const int row = selectedRow(m_list1);
    if (row < 0)
        return;
    m_idleSounds.removeAt(row);
    delete m_list1->takeItem(row);
    m_list1->clearSelection();
    saveIdleSounds();
}

void Form9::Command2_Click()
{
    Form10 dialog(m_folder, this);
    dialog.exec();
    const std::optional<IdleSound> &chosen = dialog.chosen();
    if (chosen) {
        m_idleSounds.append(*chosen);
        m_list1->addItem(idleSoundEntryText(*chosen));
    }
    // Rewritten even without a new entry: an incomplete last record goes.
    saveIdleSounds(chosen.has_value());
}

void Form9::Command3_Click()
{
    const int row = selectedRow(m_list2);
    if (!m_goals.remove(row))
        return;
    {
        const QSignalBlocker quiet(m_list2);
        delete m_list2->takeItem(row);
        m_list2->setCurrentRow(-1);
    }
    saveGoals();
}

void Form9::Command4_Click()
{
    const QString description = platform::askInput(QStringLiteral("Enter description"),
                                                   QStringLiteral("Add goal")).value_or(QString());
    const int at = m_goals.add(description, selectedRow(m_list2));
    if (at >= 0) {
        const QSignalBlocker quiet(m_list2);
        m_list2->insertItem(at, description);
        saveGoals();
    }
}

void Form9::Command5_Click()
{
    const int row = selectedRow(m_list2);
    if (row < 0 || row >= m_goals.size())
        return;
    const QString description = platform::askInput(QStringLiteral("New description:"), QStringLiteral("Rename goal"),
                                                   m_goals.descriptions()[row]).value_or(QString());
    if (m_goals.rename(row, description)) {
        m_list2->item(row)->setText(description);
        saveGoals();
    }
}

void Form9::Command6_Click()
{
    platform::startCommand(m_folder, QStringLiteral("Explorer GAMEDATA"));
}

void Form9::Command7_Click()
{
    platform::startCommand(m_folder, QStringLiteral("Explorer SOUNDS"));
}

void Form9::Command8_Click()
{
    platform::startCommand(m_folder, QStringLiteral("NOTEPAD HELP\\Definitions.txt"));
}

void Form9::List2_Click()
{
    const int row = selectedRow(m_list2);
    if (row >= 0)
        m_goalNr->setText(goalNumberText(row));
}

void Form9::saveIdleSounds(bool changed)
{
    if (m_idleSoundsUnreadable) {
        if (changed)
            reportUnreadableFile(kIdleSoundsPath);
        return;
    }
    if (reportWriteFailure(kIdleSoundsPath, writeIdleSounds(m_folder, m_idleSounds)))
        m_savedIdleSounds.markSaved(m_idleSounds);
}

void Form9::saveGoals()
{
    if (m_goalsUnreadable) {
        reportUnreadableFile(kGoalsPath);
        return;
    }
    if (reportWriteFailure(kGoalsPath, writeGoalList(m_folder, m_goals)))
        m_savedGoals.markSaved(m_goals.descriptions());
}

QString Form9::unsavedWork() const
{
    QStringList files;
    if (m_savedIdleSounds.isChanged(m_idleSounds))
        files << kIdleSoundsPath;
    if (m_savedGoals.isChanged(m_goals.descriptions()))
        files << kGoalsPath;
    if (files.isEmpty())
        return QString();
    return QStringLiteral("Definition parameters (%1)").arg(files.join(QStringLiteral(", ")));
}

} // namespace tav
