#include "ui/savegame/goal_map_frame.h"

#include "core/automap/goal_map_rules.h"
#include "core/definitions/goal_list.h"
#include "ui/platform/dialogs.h"
#include "ui/platform/please_wait.h"
#include "ui/savegame/up_down_spinner.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <optional>

namespace tav {
namespace {

// The colours of the "MAP exists" circle: pure green and pure red.
const QColor kFoundColour(0, 255, 0);
const QColor kMissingColour(255, 0, 0);

QPixmap circle(QColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.setBrush(colour);
    p.drawEllipse(QRectF(1, 1, 14, 14));
    return pixmap;
}

QLabel *namedLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

const QString kBackupMadeText =
    QStringLiteral("The original AUTOMAP.STS file has been saved as AUTOMAP.OLD in the SaveGame folder!");
const QString kNoBackupText =
    QStringLiteral("The SaveGame folder had no AUTOMAP.STS file, so there was nothing to save as AUTOMAP.OLD. "
                   "The new AUTOMAP.STS is in place.");

} // namespace

GoalMapFrame::GoalMapFrame(const GameFolder &folder, QWidget *parent)
    : QGroupBox(QStringLiteral("Current MAP and goal"), parent)
    , m_folder(folder)
    , m_mapDir(kDefaultDataSetPath)
{
    setObjectName(QStringLiteral("GoalMapFrame"));
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);

    grid->addWidget(namedLabel(QStringLiteral("Current MAP:"), QString(), this), 0, 0);
    auto *mapRow = new QHBoxLayout;
    m_mapX = addNumberBox(QStringLiteral("MAPX"), QStringLiteral("12"));
    m_mapY = addNumberBox(QStringLiteral("MAPY"), QStringLiteral("8"));
    m_mapZ = addNumberBox(QStringLiteral("MAPZ"), QStringLiteral("1"));
    for (QLineEdit *box : {m_mapX, m_mapY, m_mapZ})
        mapRow->addWidget(box);
    m_found = namedLabel(QString(), QStringLiteral("Found"), this);
    m_found->setPixmap(circle(kMissingColour));
    mapRow->addSpacing(4);
    mapRow->addWidget(m_found);
    const QString foundHint = QStringLiteral(
        "This circle appears green when the specified MAP exists in the current SaveGame (selected above).");
    auto *image6 = namedLabel(QStringLiteral("?"), QStringLiteral("Image6"), this);
    image6->setToolTip(foundHint);
    mapRow->addWidget(image6);
    mapRow->addStretch(1);
    grid->addLayout(mapRow, 0, 1);

    grid->addWidget(namedLabel(QStringLiteral("Priority #:"), QString(), this), 1, 0);
    auto *goalRow = new QHBoxLayout;
    m_goalNr = addNumberBox(QStringLiteral("GOALNr"), QStringLiteral("0"));
    goalRow->addWidget(m_goalNr);
    m_upDown = new UpDownSpinner(this);
    m_upDown->setObjectName(QStringLiteral("UpDown"));
    m_upDown->setBuddy(m_goalNr);
    goalRow->addWidget(m_upDown);
    goalRow->addSpacing(8);
    goalRow->addWidget(namedLabel(QStringLiteral("at"), QString(), this));
    QLineEdit *goalX = addNumberBox(QStringLiteral("GOALX"), QStringLiteral("12"));
    QLineEdit *goalY = addNumberBox(QStringLiteral("GOALY"), QStringLiteral("8"));
    goalRow->addWidget(goalX);
    goalRow->addWidget(goalY);
    goalRow->addStretch(1);
    grid->addLayout(goalRow, 1, 1);

    grid->addWidget(namedLabel(QStringLiteral("Goal:"), QString(), this), 2, 0);
    m_goal = new QLineEdit(this);
    m_goal->setObjectName(QStringLiteral("Goal"));
    m_goal->setReadOnly(true);
    grid->addWidget(m_goal, 2, 1);

    const char *captions[] = {"uncover automap", "re-set automap from DEF", "re-set current MAP from DEF",
                              "re-set all MAPs from DEF"};
    auto *buttons = new QGridLayout;
    std::array<QPushButton *, 4> &commands = m_slotActions;
    for (int i = 0; i < 4; ++i) {
        commands[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        commands[i]->setObjectName(QStringLiteral("Command%1").arg(4 + i));
        commands[i]->setEnabled(false);
        buttons->addWidget(commands[i], i / 2, i % 2);
    }
    grid->addLayout(buttons, 3, 0, 1, 2);

    readGoals();

    m_positionBoxes = {{m_mapX, kMapXMax, true, true},
                       {m_mapY, kMapYMax, true, true},
                       {m_mapZ, kMapZMax, true, false},
                       {goalX, kGoalXMax, false, true},
                       {goalY, kGoalYMax, false, true}};
    for (const PositionBox &position : std::as_const(m_positionBoxes)) {
        connect(position.box, &QLineEdit::textChanged, this, [this, position] { positionBoxChanged(position); });
        if (position.oneWhenLeft)
            position.box->installEventFilter(this);
    }
    connect(m_goalNr, &QLineEdit::textChanged, this, &GoalMapFrame::GOALNr_Change);
    connect(m_goal, &QLineEdit::textChanged, this, &GoalMapFrame::Goal_Change);
    connect(commands[0], &QPushButton::clicked, this, &GoalMapFrame::Command4_Click);
    connect(commands[1], &QPushButton::clicked, this, &GoalMapFrame::Command5_Click);
    connect(commands[2], &QPushButton::clicked, this, &GoalMapFrame::Command6_Click);
    connect(commands[3], &QPushButton::clicked, this, &GoalMapFrame::Command7_Click);
    Finder();
}

QLineEdit *GoalMapFrame::addNumberBox(const QString &name, const QString &designText)
{
    auto *box = new QLineEdit(designText, this);
    box->setObjectName(name);
    box->setFixedWidth(34);
    box->setAlignment(Qt::AlignRight);
    return box;
}

void GoalMapFrame::readGoals()
{
    // Without a goal list the goal number stays 0 and no goal text is shown.
    const Result<GoalList> goals = readGoalList(m_folder);
    m_goals = goals ? goals->descriptions() : QStringList();
    m_upDown->setRange(0, highestGoalNumber(m_goals));
    m_goal->setText(goalText(m_goals, 0));
    Goal_Change();
}

void GoalMapFrame::setSlotActionsEnabled(bool enabled)
{
    for (QPushButton *command : m_slotActions)
        command->setEnabled(enabled);
}

void GoalMapFrame::setMapDir(const QString &gameFolderPathOfDataSet)
{
    m_mapDir = gameFolderPathOfDataSet;
}

MapPosition GoalMapFrame::currentMap() const
{
    return {wholeValue(m_mapX->text()), wholeValue(m_mapY->text()), wholeValue(m_mapZ->text())};
}

void GoalMapFrame::Finder()
{
    m_found->setPixmap(circle(mapFileOpens(m_folder, m_mapDir, currentMap()) ? kFoundColour : kMissingColour));
}

void GoalMapFrame::positionBoxChanged(const PositionBox &position)
{
    const QString clamped = clampedNumberText(position.box->text(), position.upper);
    if (clamped != position.box->text()) {
        // Raises the change once more with the corrected text.
        position.box->setText(clamped);
        return;
    }
    position.box->setCursorPosition(int(clamped.size()));
    if (position.runsFinder)
        Finder();
}

bool GoalMapFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            box->setText(positionTextAfterLeaving(box->text()));
    }
    return QGroupBox::eventFilter(watched, event);
}

void GoalMapFrame::GOALNr_Change()
{
    const QString clamped = clampedNumberText(m_goalNr->text(), highestGoalNumber(m_goals));
    if (clamped != m_goalNr->text()) {
        m_goalNr->setText(clamped);
        return;
    }
    m_goalNr->setCursorPosition(int(clamped.size()));
    const int number = wholeValue(clamped);
    m_upDown->setValue(number);
    m_goal->setText(goalText(m_goals, number));
}

void GoalMapFrame::Goal_Change()
{
    m_goal->setToolTip(m_goal->text());
    // A long goal is read from its beginning; the tooltip shows all of it.
    m_goal->setCursorPosition(0);
}

bool GoalMapFrame::slotActionConfirmed() const
{
    // The selected entry of the editor's data set list `Combo1`.
    int index = 0;
    QString entry;
    const QList<QComboBox *> lists = window()->findChildren<QComboBox *>(QStringLiteral("Combo1"));
    for (QComboBox *list : lists) {
        if (list->window() == window()) {
            index = list->currentIndex();
            entry = list->currentText();
            break;
        }
    }
    return platform::showMessage(slotActionQuestion(index, entry), QStringLiteral("Warning!"),
                                 platform::Icon::Information, platform::Buttons::YesNo) == platform::Answer::Yes;
}

void GoalMapFrame::replaceAutomap(AutomapSource source)
{
    if (!slotActionConfirmed())
        return;
    const Result<AutomapReplaced> replaced = replaceSlotAutomap(m_folder, m_mapDir, source);
    if (!replaced) {
        platform::showError(replaced.error());
        return;
    }
    platform::showMessage(replaced->backupMade ? kBackupMadeText : kNoBackupText, QStringLiteral("Information"),
                          platform::Icon::Information);
}

void GoalMapFrame::Command4_Click()
{
    replaceAutomap(AutomapSource::Uncovered);
}

void GoalMapFrame::Command5_Click()
{
    replaceAutomap(AutomapSource::DefaultSet);
}

void GoalMapFrame::Command6_Click()
{
    if (!slotActionConfirmed())
        return;
    const Status reset = resetSlotMap(m_folder, m_mapDir, currentMap());
    // The slot's file may be gone now; the circle shows what is there.
    Finder();
    if (!reset)
        platform::showError(reset.error());
}

void GoalMapFrame::Command7_Click()
{
    std::optional<platform::PleaseWait> wait;
    wait.emplace(window());
    if (!slotActionConfirmed())
        return;
    const Result<MapsReset> reset = resetAllSlotMaps(m_folder, m_mapDir);
    wait.reset();
    Finder();
    if (!reset)
        platform::showError(reset.error());
}

} // namespace tav
