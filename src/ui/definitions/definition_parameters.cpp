#include "ui/definitions/definition_parameters.h"

#include "ui/common/artwork.h"
#include "ui/common/history_controls.h"
#include "ui/definitions/add_idle_sound_dialog.h"
#include "ui/definitions/list_selection.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/document_prompts.h"
#include "ui/platform/launcher.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QToolButton>

namespace tav {
namespace {

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// Shows a list's entries again, keeping the selection where it can.
void showEntries(QListWidget *list, const QStringList &texts)
{
    const QSignalBlocker quiet(list);
    const int row = list->currentRow();
    list->clear();
    list->addItems(texts);
    list->setCurrentRow(row < list->count() ? row : -1);
}

} // namespace

Form9::Form9(const GameFolder &folder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_folder(folder)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("Definition parameters"));
    // One history for both lists; its controls sit beside the goal number.
    m_idleSounds.shareHistoryOf(m_goals);
    m_history = new HistoryControls(this, m_goals);

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

    m_history->watchTextBoxes();
    for (Document *document : documents())
        document->setPrompts(&platform::documentPrompts());
    connect(&m_goals, &Document::formReplaced, this, &Form9::showGoals);
    connect(&m_idleSounds, &Document::formReplaced, this, &Form9::showIdleSounds);

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
    number->addWidget(m_history->undoButton());
    number->addWidget(m_history->redoButton());
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
    if (const Status read = m_idleSounds.open(); !read)
        problems << QStringLiteral("The person idle sounds could not be read from %1: %2")
                        .arg(kIdleSoundsPath, read.error());
    if (const Status read = m_goals.open(); !read)
        problems << QStringLiteral("The mission goals could not be read from %1: %2").arg(kGoalsPath, read.error());
    if (!problems.isEmpty())
        platform::showError(problems.join(QLatin1Char('\n'))
                            + QStringLiteral("\nThe list starts empty; the file is written with the next change."));
}

void Form9::showIdleSounds()
{
    QStringList texts;
    for (const IdleSound &sound : m_idleSounds.entries())
        texts << idleSoundEntryText(sound);
    showEntries(m_list1, texts);
}

void Form9::showGoals()
{
    showEntries(m_list2, m_goals.entries());
}

void Form9::Command1_Click()
{
    const int row = selectedRow(m_list1);
    if (row < 0 || row >= m_idleSounds.entries().size())
        return;
    const IdleSound sound = m_idleSounds.entries()[row];
    m_idleSounds.apply(QStringLiteral("remove idle sound %1 %2").arg(sound.person, sound.sound),
                       {ListChange<IdleSound>::Kind::Remove, row, sound, {}});
    m_list1->clearSelection();
}

void Form9::Command2_Click()
{
    Form10 dialog(m_folder, this);
    dialog.exec();
    const std::optional<IdleSound> &chosen = dialog.chosen();
    if (chosen)
        m_idleSounds.apply(QStringLiteral("add idle sound %1 %2").arg(chosen->person, chosen->sound),
                           {ListChange<IdleSound>::Kind::Insert, -1, {}, *chosen});
    else
        m_idleSounds.rewrite(); // an incomplete last record goes
}

void Form9::Command3_Click()
{
    const int row = selectedRow(m_list2);
    if (!GoalList(m_goals.entries()).canRemove(row))
        return;
    const QString goal = m_goals.entries()[row];
    {
        const QSignalBlocker quiet(m_list2);
        m_list2->setCurrentRow(-1);
    }
    m_goals.apply(QStringLiteral("delete goal \"%1\"").arg(goal), {ListChange<QString>::Kind::Remove, row, goal, {}});
}

void Form9::Command4_Click()
{
    const QString description = platform::askInput(QStringLiteral("Enter description"),
                                                   QStringLiteral("Add goal")).value_or(QString());
    if (description.isEmpty()) {
        m_goals.rewrite();
        return;
    }
    m_goals.apply(QStringLiteral("add goal \"%1\"").arg(description),
                  {ListChange<QString>::Kind::Insert, selectedRow(m_list2), {}, description});
}

void Form9::Command5_Click()
{
    const int row = selectedRow(m_list2);
    if (row < 0 || row >= m_goals.entries().size())
        return;
    const QString old = m_goals.entries()[row];
    const QString description = platform::askInput(QStringLiteral("New description:"), QStringLiteral("Rename goal"),
                                                   old).value_or(QString());
    if (description.isEmpty() || description == old) {
        m_goals.rewrite();
        return;
    }
    m_goals.apply(QStringLiteral("rename goal \"%1\" -> \"%2\"").arg(old, description),
                  {ListChange<QString>::Kind::Replace, row, old, description});
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

QString Form9::unsavedWork() const
{
    QStringList files;
    for (const Document *document : {static_cast<const Document *>(&m_idleSounds), static_cast<const Document *>(&m_goals)})
        if (document->isUnsaved())
            files << document->workName();
    if (files.isEmpty())
        return QString();
    return QStringLiteral("Definition parameters (%1)").arg(files.join(QStringLiteral(", ")));
}

bool Form9::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate) {
        // A list that mirrors its file follows it at once; one holding
        // changes not written asks first.
        for (Document *document : documents()) {
            if (!document->isUnsaved() && document->fileChangedElsewhere())
                document->reload();
            else
                platform::offerReload(*document);
        }
    }
    return handled;
}

} // namespace tav
